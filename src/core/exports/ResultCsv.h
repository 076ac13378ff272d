#pragma once

#include <iosfwd>
#include <string>

#include "data/PatternFile.h"

namespace lumaret::exports {

// Writes the analysis table of the command-line tool: a header row ("key", "fileName",
// then one column per number of the result record: a point as "<key>.angle" and
// "<key>.level", a list as "<key>[0]" ... "<key>[9]") and one row per record in key order.
// Unset values are empty cells.
void WriteResultCsv(std::ostream& out, const data::PatternSet& patterns);

// A CSV cell: quoted (with doubled quotes) when it holds a comma, a quote or a line break.
std::string CsvCell(const std::string& text);

}  // namespace lumaret::exports

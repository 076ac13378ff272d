#pragma once

#include <iosfwd>
#include <string>

#include "data/PatternFile.h"

namespace lumaret::exports {

// Writes the analysis document of the command-line tool: {"files": [...]} with one object
// per record in key order (key, path, file name, the 15 name fields, line-2 value, header
// count, point count, the six stage-done flags and every result field). An unset value
// (-999 exactly) is written as null, a point as [angle, level], a list with its 10 slots.
void WriteResultJson(std::ostream& out, const data::PatternSet& patterns);

// The text as a JSON string literal, quotes included.
std::string JsonString(const std::string& text);

}  // namespace lumaret::exports

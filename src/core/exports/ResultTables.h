#pragma once

#include <string>
#include <vector>

#include "analysis/AnalysisDocument.h"

namespace lumaret::exports {

// One value of an indicator table. Mark 0 flags a value that is not there (text "-"),
// mark 1 a value written "%.2f".
struct ResultCell {
  std::string text;
  int mark = 1;
};

// One two-column table: the frequency column (header kFrequencyHeader) and one indicator;
// one value per frequency row of its group.
struct ResultTable {
  std::string header;
  std::vector<ResultCell> values;
};

// The files of one port, polarization and tilt (name fields 6, 7 and 10), or the combined
// files of one name. `name` is "port_polarization_tilt" for the former and the combined
// files' NAME text without their frequency for the latter (whose three fields are empty).
struct ResultGroup {
  std::string port, polarization, tilt, name;
  std::vector<double> frequencies;  // MHz, ascending; one row each
  std::vector<ResultTable> tables;  // in the order of the report headers
};

// The result groups of the analysed records under the keys: split-cut groups in ascending
// order of (port, polarization, tilt), then the combined groups by name. The document is
// only read; the radiation rule of the result texts is applied to the table values here.
std::vector<ResultGroup> BuildResultGroups(const analysis::AnalysisDocument& doc, const std::vector<std::string>& keys);

}  // namespace lumaret::exports

#pragma once

#include <string>
#include <vector>

#include "analysis/AnalysisDocument.h"
#include "data/Result.h"

namespace lumaret::exports {

// The workbook's file name "AnalysisResult_<field 1>_<field 2>_<field 5>_<field 3>.xlsx"
// from the first record of the keys (in key order); a combined first record, whose name
// fields are empty, puts its group name in place of field 1. "" when no key is loaded.
std::string ResultWorkbookFileName(const data::PatternSet& patterns, const std::vector<std::string>& keys);

// Writes the analysis-result workbook of the analysed records among `keys` into `folder`:
// a hidden first sheet "Remark", then one sheet per result group named after it, or, with
// `oneSheet`, a single sheet "Result" with the groups one below the other (an empty row
// between them). A group is laid out as: its name in column 1; below it "Frequency\n(MHz)"
// followed by the group's frequencies; then one row per indicator table, its header in
// column 1 and its values under their frequencies (numbers as numeric cells shown with two
// decimals; a missing value is the text "-"). The first visible sheet is the active one.
// On success the result's path is the workbook written; a workbook that cannot be filled
// or saved is a kCannotWrite failure (the library's error is also logged).
data::Result WriteResultWorkbook(const analysis::AnalysisDocument& doc, const std::vector<std::string>& keys,
                                 const std::string& folder, bool oneSheet);

}  // namespace lumaret::exports

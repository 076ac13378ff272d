#pragma once

#include <string>
#include <vector>

#include "analysis/AnalysisDocument.h"
#include "data/Result.h"

namespace lumaret::exports {

// The sheet a record's columns go to. Split-cut file: name fields 6, 9, 8 joined by single
// blanks, a blank, then fields 10 and 11 joined directly. Combined file (its name fields
// are empty): its NAME text (else its file name without extension) without the parts,
// between "_" and blanks, that read as its FREQUENCY value. The result tables group
// combined files by the same text.
std::string RawDataGroupKey(const data::PatternFile& record);

// The workbook's file name "Tarsel_<field 2>_RawData_<field 3>.xlsx" from the last
// split-cut record of the keys (in key order); when the keys hold combined files only,
// from the last one's NAME text ("Tarsel_<NAME>_RawData_.xlsx"). "" when no key is loaded.
std::string RawDataFileName(const data::PatternSet& patterns, const std::vector<std::string>& keys);

// Writes the raw-data workbook of the loaded records among `keys` into `folder`: a first
// sheet "RawData" (an index: the sheet, column and file name of every column), then one
// sheet per group key in order of first appearance. Each group sheet holds the angle grid in column 1 from row 2 (-180 up to below 180 in steps of 1°,
// or 0.5° when the group's first cut has 541 or more points) and one column per cut in key
// order: its frequency in row 1, its levels in the rows of their angles (interpolated
// where the cut has no sample on the grid angle). A combined file gives two columns,
// "<frequency> H" and "<frequency> V". A record without points still takes its column(s),
// left empty. Numbers are numeric cells with the decimals of their "%f" text.
// On success the result's path is the workbook written; a workbook that cannot be filled
// or saved is a kCannotWrite failure (the library's error is also logged).
data::Result WriteRawDataWorkbook(const analysis::AnalysisDocument& doc, const std::vector<std::string>& keys,
                                  const std::string& folder);

}  // namespace lumaret::exports

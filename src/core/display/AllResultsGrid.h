#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "analysis/AnalysisDocument.h"
#include "display/ResultLines.h"

namespace lumaret::display {

inline constexpr int kAllResultsRows = 28;
inline constexpr int kAllResultsColumnWidth = 170;  // pixels, left aligned
inline constexpr const char* kAllResultsHeader = "Results";

// The "All Results" grid: one column per displayed loaded file, cells[row][column].
struct AllResultsGrid {
  std::vector<std::string> headers;
  std::vector<std::vector<std::string>> cells;
  int ColumnCount() const { return static_cast<int>(headers.size()); }
  int RowCount() const { return static_cast<int>(cells.size()); }
};

// Builds the grid for the displayed files (keys, display order). Row 0 of a column holds
// "File Name : <file name>"; co-polar values start at row 3, combined-file values at row 1;
// a cross-polar column continues at the row after the last one written for the most recent
// co-polar column of its plane (at row 1 when there was none). The grid has 28 rows, more
// when a column needs them.
AllResultsGrid BuildAllResultsGrid(const analysis::AnalysisDocument& doc, const std::vector<std::string>& displayed);

// The lines the grid shows for one file: the file-name line, then its catalogue lines.
std::vector<std::string> AllResultsLines(const ResultTextSettings& settings, const data::PatternFile& file);

// Every loaded file in key order: its All Results lines, then an empty line.
void WriteResultText(const analysis::AnalysisDocument& doc, std::ostream& out);

}  // namespace lumaret::display

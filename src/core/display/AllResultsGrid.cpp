#include "display/AllResultsGrid.h"

#include <ostream>

namespace lumaret::display {

namespace {

constexpr int kCoPolarFirstRow = 3;
constexpr int kCombinedFirstRow = 1;
// A cross-polar column without a co-polar column before it starts below its file name,
// so the name stays readable.
constexpr int kCrossWithoutCoFirstRow = 1;

std::string FileNameLine(const data::PatternFile& file) { return "File Name : " + file.fileName; }

// Where the next cross-polar column of each plane continues.
struct RowCursor {
  int afterHorizontalCo = kCrossWithoutCoFirstRow;
  int afterVerticalCo = kCrossWithoutCoFirstRow;

  int FirstRow(data::CutKind kind) const {
    switch (kind) {
      case data::CutKind::HorizontalCo:
      case data::CutKind::VerticalCo:
        return kCoPolarFirstRow;
      case data::CutKind::HorizontalCross:
        return afterHorizontalCo;
      case data::CutKind::VerticalCross:
        return afterVerticalCo;
      case data::CutKind::Combined:
      case data::CutKind::Unclassified:
        break;
    }
    return kCombinedFirstRow;
  }

  void Wrote(data::CutKind kind, int nextRow) {
    if (kind == data::CutKind::HorizontalCo) afterHorizontalCo = nextRow;
    if (kind == data::CutKind::VerticalCo) afterVerticalCo = nextRow;
  }
};

void AddColumn(AllResultsGrid& grid) {
  if (grid.headers.empty()) grid.cells.assign(kAllResultsRows, {});
  grid.headers.push_back(kAllResultsHeader);
  for (auto& row : grid.cells) row.emplace_back();
}

void SetCell(AllResultsGrid& grid, int row, int column, std::string text) {
  while (grid.RowCount() <= row) grid.cells.emplace_back(grid.headers.size());
  grid.cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = std::move(text);
}

}  // namespace

std::vector<std::string> AllResultsLines(const ResultTextSettings& settings, const data::PatternFile& file) {
  std::vector<std::string> lines{FileNameLine(file)};
  const auto catalogue = CatalogueLines(settings, file);
  lines.insert(lines.end(), catalogue.begin(), catalogue.end());
  return lines;
}

AllResultsGrid BuildAllResultsGrid(const analysis::AnalysisDocument& doc, const std::vector<std::string>& displayed) {
  AllResultsGrid grid;
  const ResultTextSettings settings = TextSettingsOf(doc);
  RowCursor cursor;
  for (const auto& key : displayed) {
    const data::PatternFile* file = doc.Find(key);
    if (file == nullptr) continue;
    AddColumn(grid);
    const int column = grid.ColumnCount() - 1;
    SetCell(grid, 0, column, FileNameLine(*file));
    const data::CutKind kind = file->kind;
    int row = cursor.FirstRow(kind);
    for (auto& line : CatalogueLines(settings, *file)) SetCell(grid, row++, column, std::move(line));
    cursor.Wrote(kind, row);
  }
  return grid;
}

void WriteResultText(const analysis::AnalysisDocument& doc, std::ostream& out) {
  const ResultTextSettings settings = TextSettingsOf(doc);
  for (const auto& [key, file] : doc.patterns) {
    for (const auto& line : AllResultsLines(settings, file)) out << line << '\n';
    out << '\n';
  }
}

}  // namespace lumaret::display

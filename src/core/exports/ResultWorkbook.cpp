#include "exports/ResultWorkbook.h"

#include <charconv>

#include "exports/OutputFile.h"
#include "exports/RawDataWorkbook.h"
#include "exports/ResultTables.h"
#include "exports/SheetNames.h"
#include "exports/WorkbookCells.h"

namespace lumaret::exports {

namespace {

constexpr const char* kFrequencyHeader = "Frequency\n(MHz)";
constexpr const char* kRemark =
    "A cell showing \"-\" has no value: the indicator could not be computed for that frequency, "
    "or the group has no file of the cut it is taken from.";

// The shortest text that reads back as the frequency (1940, 1940.5).
std::string FrequencyText(double frequency) {
  char buffer[32];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, frequency);
  return error == std::errc() ? std::string(buffer, end) : std::string();
}

// Writes one group from `row` down; returns the row after its last table.
lxw_row_t WriteGroup(SheetFiller& filler, lxw_worksheet* sheet, lxw_row_t row, const ResultGroup& group) {
  filler.Cell(sheet, row++, 0, group.name);
  filler.WrappedText(sheet, row, 0, kFrequencyHeader);
  for (std::size_t i = 0; i < group.frequencies.size(); ++i)
    filler.Cell(sheet, row, static_cast<lxw_col_t>(i + 1), FrequencyText(group.frequencies[i]));
  ++row;
  for (const ResultTable& table : group.tables) {
    filler.WrappedText(sheet, row, 0, table.header);
    for (std::size_t i = 0; i < table.values.size(); ++i)
      filler.Cell(sheet, row, static_cast<lxw_col_t>(i + 1), table.values[i].text);
    ++row;
  }
  return row;
}

}  // namespace

std::string ResultWorkbookFileName(const data::PatternSet& patterns, const std::vector<std::string>& keys) {
  const std::vector<const data::PatternFile*> records = RecordsInKeyOrder(patterns, keys);
  if (records.empty()) return "";
  const data::PatternFile& first = *records.front();
  const auto& f = first.nameFields;
  const std::string field1 = first.IsCombined() ? RawDataGroupKey(first) : f[1];
  return FileNameSafe(Format("AnalysisResult_%s_%s_%s_%s.xlsx", field1.c_str(), f[2].c_str(), f[5].c_str(),
                             f[3].c_str()));
}

data::Result WriteResultWorkbook(const analysis::AnalysisDocument& doc, const std::vector<std::string>& keys,
                                 const std::string& folder, bool oneSheet) {
  const std::string fileName = ResultWorkbookFileName(doc.patterns, keys);
  if (fileName.empty()) return data::Result::Fail(data::FailureCode::kNotLoaded, "No data, select data.", folder);
  const std::string path = PathInFolder(folder, fileName);
  const std::vector<ResultGroup> groups = BuildResultGroups(doc, keys);

  lxw_workbook* workbook = workbook_new(path.c_str());
  if (!workbook) return WorkbookFailure(path, LXW_ERROR_MEMORY_MALLOC_FAILED);
  SheetFiller filler(workbook);
  SheetNamer namer;
  lxw_worksheet* remark = workbook_add_worksheet(workbook, namer.Take("Remark").c_str());
  std::vector<lxw_worksheet*> sheets;
  if (oneSheet || groups.empty()) {
    // A workbook needs one visible sheet, so "Result" is there even without groups.
    sheets.push_back(workbook_add_worksheet(workbook, namer.Take("Result").c_str()));
  } else {
    for (const ResultGroup& group : groups)
      sheets.push_back(workbook_add_worksheet(workbook, namer.Take(group.name).c_str()));
  }
  for (lxw_worksheet* sheet : sheets)
    if (!sheet) {
      workbook_close(workbook);
      return WorkbookFailure(path, LXW_ERROR_MEMORY_MALLOC_FAILED);
    }
  if (remark) filler.Cell(remark, 0, 0, kRemark);

  lxw_row_t row = 0;
  for (std::size_t i = 0; i < groups.size(); ++i) {
    lxw_worksheet* sheet = oneSheet ? sheets.front() : sheets[i];
    row = WriteGroup(filler, sheet, oneSheet ? row : 0, groups[i]) + 1;  // + 1: the empty row between groups
  }
  for (lxw_worksheet* sheet : sheets) worksheet_set_column(sheet, 0, 0, 16, nullptr);
  // The active sheet cannot be hidden; the first visible one is shown on opening.
  worksheet_activate(sheets.front());
  worksheet_set_first_sheet(sheets.front());
  if (remark) worksheet_hide(remark);
  return CloseWorkbook(workbook, filler, path);
}

}  // namespace lumaret::exports

#include "exports/RawDataWorkbook.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <map>
#include <optional>

#include "exports/DataSection.h"
#include "exports/SheetNames.h"
#include "exports/OutputFile.h"
#include "exports/WorkbookCells.h"

namespace lumaret::exports {

namespace {

constexpr std::size_t kHalfDegreeFrom = 541;  // cuts with this many points get the 0.5° grid

bool EqualsNoCase(const std::string& a, const char* b) {
  const std::string other = b;
  return a.size() == other.size() && std::equal(a.begin(), a.end(), other.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

std::string DeclaredValue(const data::PatternFile& record, const char* keyword) {
  for (const auto& [written, value] : record.declaredHeader)
    if (EqualsNoCase(written, keyword)) return Trimmed(value);
  return "";
}

// A combined file's name: its NAME text, else its file name without the extension.
std::string CombinedName(const data::PatternFile& record) {
  std::string name = DeclaredValue(record, "NAME");
  if (name.empty()) name = record.fileName.substr(0, record.fileName.rfind('.'));
  return name;
}

// A combined file's frequency as its FREQUENCY line writes it (the first word).
std::string CombinedFrequency(const data::PatternFile& record) {
  const std::string value = DeclaredValue(record, "FREQUENCY");
  return value.substr(0, value.find_first_of(" \t"));
}

// The number a text reads as in full ("1940", "1940.0"); nullopt for any other text.
std::optional<double> WholeNumber(const std::string& text) {
  if (text.empty()) return std::nullopt;
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  if (end != text.c_str() + text.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

// One column of a group sheet: its row-1 text and the cut whose levels fill it.
struct Column {
  std::string header;
  data::PointSequence points;
};

std::vector<Column> ColumnsOf(const data::PatternFile& record) {
  if (!record.IsCombined()) return {{record.nameFields[12], record.points}};
  const auto split = record.points.begin() + static_cast<std::ptrdiff_t>(record.CombinedSplit());
  const std::string frequency = CombinedFrequency(record);
  return {{frequency + " H", data::PointSequence(record.points.begin(), split)},
          {frequency + " V", data::PointSequence(split, record.points.end())}};
}

std::vector<double> AngleGrid(std::size_t points) {
  const double step = points < kHalfDegreeFrom ? 1.0 : 0.5;
  std::vector<double> grid;
  for (int i = 0; -180.0 + i * step < 180.0; ++i) grid.push_back(-180.0 + i * step);
  return grid;
}

struct Group {
  std::string name;
  lxw_worksheet* sheet = nullptr;
  std::vector<double> grid;
  lxw_col_t nextColumn = 1;
};

}  // namespace

std::string RawDataGroupKey(const data::PatternFile& record) {
  if (!record.IsCombined()) {
    const auto& f = record.nameFields;
    return f[6] + " " + f[9] + " " + f[8] + " " + f[10] + f[11];
  }
  const std::string name = CombinedName(record);
  const std::optional<double> frequency = WholeNumber(CombinedFrequency(record));
  // The parts between "_" and blanks that read as the frequency ("ANT_1940_X", "ANT 1940")
  // are dropped with the separator before them.
  std::string key;
  std::size_t start = 0;
  while (start < name.size()) {
    const std::size_t end = std::min(name.find_first_of("_ ", start), name.size());
    const std::string part = name.substr(start, end - start);
    if (!frequency || WholeNumber(part) != frequency) {
      if (!key.empty()) key += name[start - 1];
      key += part;
    }
    start = end + 1;
  }
  return key;
}

std::string RawDataFileName(const data::PatternSet& patterns, const std::vector<std::string>& keys) {
  const data::PatternFile* splitCut = nullptr;
  const data::PatternFile* combined = nullptr;
  for (const data::PatternFile* record : RecordsInKeyOrder(patterns, keys))
    (record->IsCombined() ? combined : splitCut) = record;
  if (splitCut)
    return FileNameSafe(Format("Tarsel_%s_RawData_%s.xlsx", splitCut->nameFields[2].c_str(),
                               splitCut->nameFields[3].c_str()));
  if (combined) return FileNameSafe(Format("Tarsel_%s_RawData_.xlsx", CombinedName(*combined).c_str()));
  return "";
}

data::Result WriteRawDataWorkbook(const analysis::AnalysisDocument& doc, const std::vector<std::string>& keys,
                                  const std::string& folder) {
  const std::vector<const data::PatternFile*> records = RecordsInKeyOrder(doc.patterns, keys);
  const std::string fileName = RawDataFileName(doc.patterns, keys);
  if (records.empty()) return data::Result::Fail(data::FailureCode::kNotLoaded, "No data, select data.", folder);
  const std::string path = PathInFolder(folder, fileName);

  lxw_workbook* workbook = workbook_new(path.c_str());
  if (!workbook) return WorkbookFailure(path, LXW_ERROR_MEMORY_MALLOC_FAILED);
  SheetNamer namer;
  SheetFiller filler(workbook);
  // The first sheet lists where each file's levels are, so the workbook opens on an index.
  lxw_worksheet* index = workbook_add_worksheet(workbook, namer.Take("RawData").c_str());
  lxw_row_t indexRow = 0;
  if (index) {
    filler.Cell(index, indexRow, 0, "Sheet");
    filler.Cell(index, indexRow, 1, "Column");
    filler.Cell(index, indexRow, 2, "File");
    worksheet_set_column(index, 0, 0, 28, nullptr);
    worksheet_set_column(index, 2, 2, 48, nullptr);
  }

  std::map<std::string, Group> groups;
  for (const data::PatternFile* record : records) {
    const std::vector<Column> columns = ColumnsOf(*record);
    const std::string key = RawDataGroupKey(*record);
    auto [it, isNew] = groups.try_emplace(key);
    Group& group = it->second;
    if (isNew) {
      std::size_t points = 0;
      for (const Column& c : columns) points = std::max(points, c.points.size());
      group.name = namer.Take(key);
      group.sheet = workbook_add_worksheet(workbook, group.name.c_str());
      if (!group.sheet) {
        workbook_close(workbook);
        return WorkbookFailure(path, LXW_ERROR_MEMORY_MALLOC_FAILED);
      }
      group.grid = AngleGrid(points);
      for (std::size_t row = 0; row < group.grid.size(); ++row)
        filler.Cell(group.sheet, static_cast<lxw_row_t>(row + 1), 0, Format("%f", group.grid[row]));
    }
    for (const Column& column : columns) {
      const lxw_col_t at = group.nextColumn++;
      worksheet_set_column(group.sheet, 0, at, 12, nullptr);  // room for "-180.000000"
      if (index) {
        filler.Cell(index, ++indexRow, 0, group.name);
        filler.Cell(index, indexRow, 1, std::to_string(at + 1));
        filler.Cell(index, indexRow, 2, record->fileName);
      }
      if (column.points.empty()) continue;
      filler.Cell(group.sheet, 0, at, column.header);
      const std::vector<float> levels = LevelsAtAngles(column.points, group.grid);
      for (std::size_t row = 0; row < levels.size(); ++row)
        filler.Cell(group.sheet, static_cast<lxw_row_t>(row + 1), at,
                    Format("%f", static_cast<double>(levels[row])));
    }
  }
  return CloseWorkbook(workbook, filler, path);
}

}  // namespace lumaret::exports

#include "exports/RawDataWorkbook.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <map>

#include "data/DiagnosticLog.h"
#include "exports/DataSection.h"
#include "exports/OutputFile.h"
#include "exports/SheetNames.h"

namespace lumaret::exports {

namespace {

constexpr std::size_t kHalfDegreeFrom = 541;  // cuts with this many points get the 0.5° grid
constexpr const char* kLogPrefix = "Tessaly Unit log - ";

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

// Fills sheets; the first library error stops the filling and is kept.
class SheetFiller {
 public:
  explicit SheetFiller(lxw_workbook* workbook) : workbook_(workbook) {}

  // A text that reads wholly as a finite number goes in as that number, shown with the
  // text's decimals; any other text stays a text.
  void Cell(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t column, const std::string& text) {
    if (error_ != LXW_NO_ERROR) return;
    const char* begin = text.c_str();
    char* end = nullptr;
    const double value = std::strtod(begin, &end);
    const bool numeric = !text.empty() && end == begin + text.size() && std::isfinite(value) &&
                         text.find_first_of("xXnNiI") == std::string::npos;  // no hex, inf or nan texts
    error_ = numeric ? worksheet_write_number(sheet, row, column, value, FormatFor(text))
                     : worksheet_write_string(sheet, row, column, text.c_str(), nullptr);
  }
  lxw_error error() const { return error_; }

 private:
  lxw_format* FormatFor(const std::string& text) {
    if (text.find_first_of("eE") != std::string::npos) return nullptr;  // exponent texts keep General
    const auto point = text.find('.');
    const std::size_t decimals = point == std::string::npos ? 0 : text.size() - point - 1;
    auto [it, inserted] = formats_.try_emplace(decimals, nullptr);
    if (inserted) {
      it->second = workbook_add_format(workbook_);
      const std::string pattern = decimals == 0 ? "0" : "0." + std::string(decimals, '0');
      format_set_num_format(it->second, pattern.c_str());
    }
    return it->second;
  }

  lxw_workbook* workbook_;
  std::map<std::size_t, lxw_format*> formats_;
  lxw_error error_ = LXW_NO_ERROR;
};

struct Group {
  lxw_worksheet* sheet = nullptr;
  std::vector<double> grid;
  lxw_col_t nextColumn = 1;
};

std::vector<const data::PatternFile*> RecordsInKeyOrder(const data::PatternSet& patterns,
                                                        const std::vector<std::string>& keys) {
  std::vector<const data::PatternFile*> records;
  for (const auto& [key, record] : patterns)
    if (std::find(keys.begin(), keys.end(), key) != keys.end()) records.push_back(&record);
  return records;
}

std::string FileNameSafe(std::string text) {
  std::replace(text.begin(), text.end(), '/', '_');
  std::replace(text.begin(), text.end(), '\\', '_');
  return text;
}

data::Result Failure(const std::string& path, lxw_error error) {
  LUMARET_LOG("%s%s: %s\r\n", kLogPrefix, path.c_str(), lxw_strerror(error));
  return data::Result::Fail(data::FailureCode::kCannotWrite,
                            std::string(kFileNotWritten) + ": " + path + " (" + lxw_strerror(error) + ")", path);
}

}  // namespace

std::string RawDataGroupKey(const data::PatternFile& record) {
  if (!record.IsCombined()) {
    const auto& f = record.nameFields;
    return f[6] + " " + f[9] + " " + f[8] + " " + f[10] + f[11];
  }
  const std::string name = CombinedName(record), frequency = CombinedFrequency(record);
  std::string key;
  std::size_t start = 0;
  while (start <= name.size()) {
    const std::size_t end = std::min(name.find('_', start), name.size());
    const std::string part = name.substr(start, end - start);
    if (frequency.empty() || part != frequency) key += (key.empty() ? "" : "_") + part;
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
  const std::string path = folder + (folder.empty() || folder.back() == '/' ? "" : "/") + fileName;

  lxw_workbook* workbook = workbook_new(path.c_str());
  if (!workbook) return Failure(path, LXW_ERROR_MEMORY_MALLOC_FAILED);
  SheetNamer namer;
  SheetFiller filler(workbook);
  workbook_add_worksheet(workbook, namer.Take("RawData").c_str());

  std::map<std::string, Group> groups;
  for (const data::PatternFile* record : records) {
    const std::vector<Column> columns = ColumnsOf(*record);
    const std::string key = RawDataGroupKey(*record);
    auto [it, isNew] = groups.try_emplace(key);
    Group& group = it->second;
    if (isNew) {
      std::size_t points = 0;
      for (const Column& c : columns) points = std::max(points, c.points.size());
      group.sheet = workbook_add_worksheet(workbook, namer.Take(key).c_str());
      if (!group.sheet) {
        workbook_close(workbook);
        return Failure(path, LXW_ERROR_MEMORY_MALLOC_FAILED);
      }
      group.grid = AngleGrid(points);
      for (std::size_t row = 0; row < group.grid.size(); ++row)
        filler.Cell(group.sheet, static_cast<lxw_row_t>(row + 1), 0, Format("%f", group.grid[row]));
    }
    for (const Column& column : columns) {
      const lxw_col_t at = group.nextColumn++;
      if (column.points.empty()) continue;
      filler.Cell(group.sheet, 0, at, column.header);
      const std::vector<float> levels = LevelsAtAngles(column.points, group.grid);
      for (std::size_t row = 0; row < levels.size(); ++row)
        filler.Cell(group.sheet, static_cast<lxw_row_t>(row + 1), at,
                    Format("%f", static_cast<double>(levels[row])));
    }
  }
  // As with a failed fill, what was filled is still saved; the failure is reported.
  const lxw_error fillError = filler.error();
  if (fillError != LXW_NO_ERROR) LUMARET_LOG("%s%s\r\n", kLogPrefix, lxw_strerror(fillError));
  const lxw_error closeError = workbook_close(workbook);
  if (closeError != LXW_NO_ERROR) return Failure(path, closeError);
  if (fillError != LXW_NO_ERROR) return Failure(path, fillError);
  return data::Result{data::FailureCode::kNone, "", path};
}

}  // namespace lumaret::exports

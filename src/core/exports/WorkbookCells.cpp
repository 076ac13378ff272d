#include "exports/WorkbookCells.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <unordered_set>

#include "data/DiagnosticLog.h"
#include "exports/OutputFile.h"

namespace lumaret::exports {

namespace {
constexpr const char* kLogPrefix = "Tessaly Unit log - ";
}  // namespace

void SheetFiller::Cell(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t column, const std::string& text) {
  if (error_ != LXW_NO_ERROR) return;
  const char* begin = text.c_str();
  char* end = nullptr;
  const double value = std::strtod(begin, &end);
  const bool numeric = !text.empty() && end == begin + text.size() && std::isfinite(value) &&
                       text.find_first_of("xXnNiI") == std::string::npos;  // no hex, inf or nan texts
  error_ = numeric ? worksheet_write_number(sheet, row, column, value, FormatFor(text))
                   : worksheet_write_string(sheet, row, column, text.c_str(), nullptr);
}

void SheetFiller::WrappedText(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t column, const std::string& text) {
  if (error_ != LXW_NO_ERROR) return;
  if (!wrapped_) {
    wrapped_ = workbook_add_format(workbook_);
    format_set_text_wrap(wrapped_);
  }
  const auto lines = std::count(text.begin(), text.end(), '\n') + 1;
  if (lines > 1) {
    // Spreadsheets do not grow a row for wrapped text on their own when printing.
    error_ = worksheet_set_row(sheet, row, 15.0 * static_cast<double>(lines), nullptr);
    if (error_ != LXW_NO_ERROR) return;
  }
  error_ = worksheet_write_string(sheet, row, column, text.c_str(), lines > 1 ? wrapped_ : nullptr);
}

lxw_format* SheetFiller::FormatFor(const std::string& text) {
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

std::vector<const data::PatternFile*> RecordsInKeyOrder(const data::PatternSet& patterns,
                                                        const std::vector<std::string>& keys) {
  const std::unordered_set<std::string> wanted(keys.begin(), keys.end());
  std::vector<const data::PatternFile*> records;
  for (const auto& [key, record] : patterns)
    if (wanted.count(key) != 0) records.push_back(&record);
  return records;
}

std::string FileNameSafe(std::string text) {
  std::replace(text.begin(), text.end(), '/', '_');
  std::replace(text.begin(), text.end(), '\\', '_');
  return text;
}

std::string PathInFolder(const std::string& folder, const std::string& fileName) {
  return folder + (folder.empty() || folder.back() == '/' ? "" : "/") + fileName;
}

data::Result WorkbookFailure(const std::string& path, lxw_error error) {
  LUMARET_LOG("%s%s: %s\r\n", kLogPrefix, path.c_str(), lxw_strerror(error));
  return data::Result::Fail(data::FailureCode::kCannotWrite,
                            std::string(kFileNotWritten) + ": " + path + " (" + lxw_strerror(error) + ")", path);
}

data::Result CloseWorkbook(lxw_workbook* workbook, const SheetFiller& filler, const std::string& path) {
  const lxw_error fillError = filler.error();
  if (fillError != LXW_NO_ERROR) LUMARET_LOG("%s%s\r\n", kLogPrefix, lxw_strerror(fillError));
  const lxw_error closeError = workbook_close(workbook);
  if (closeError != LXW_NO_ERROR) return WorkbookFailure(path, closeError);
  if (fillError != LXW_NO_ERROR) return WorkbookFailure(path, fillError);
  return data::Result{data::FailureCode::kNone, "", path};
}

}  // namespace lumaret::exports

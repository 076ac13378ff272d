#pragma once

#include <xlsxwriter.h>

#include <map>
#include <string>
#include <vector>

#include "data/PatternStore.h"
#include "data/Result.h"

namespace lumaret::exports {

// Fills the cells of one workbook; the first library error stops the filling and is kept,
// so that what was filled up to there can still be saved.
class SheetFiller {
 public:
  explicit SheetFiller(lxw_workbook* workbook) : workbook_(workbook) {}

  // A text that reads wholly as a finite number goes in as that number, shown with the
  // text's decimals (so the cell shows what the text would); any other text stays a text.
  void Cell(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t column, const std::string& text);
  // A text shown on several lines where it holds line breaks (the table headers), its row
  // made high enough for them.
  void WrappedText(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t column, const std::string& text);
  // Keeps a library error met outside the cell writes (adding a sheet, say).
  void Note(lxw_error error) {
    if (error_ == LXW_NO_ERROR) error_ = error;
  }
  lxw_error error() const { return error_; }

 private:
  lxw_format* FormatFor(const std::string& text);

  lxw_workbook* workbook_;
  std::map<std::size_t, lxw_format*> formats_;
  lxw_format* wrapped_ = nullptr;
  lxw_error error_ = LXW_NO_ERROR;
};

// The loaded records among the keys, in key order.
std::vector<const data::PatternFile*> RecordsInKeyOrder(const data::PatternSet& patterns,
                                                        const std::vector<std::string>& keys);

// The text with the path separators "/" and "\" turned into "_", for use as a file name.
std::string FileNameSafe(std::string text);

// folder + "/" + file name, with no doubled "/".
std::string PathInFolder(const std::string& folder, const std::string& fileName);

// Closes the workbook (saving it) and gives the outcome: the path on success, else a
// kCannotWrite failure naming the first error of the filling or the save. A failed fill
// still saves what was filled. Every library error is logged with the diagnostic prefix.
data::Result CloseWorkbook(lxw_workbook* workbook, const SheetFiller& filler, const std::string& path);

// The failure for a workbook that could not be started or filled (logged as above).
data::Result WorkbookFailure(const std::string& path, lxw_error error);

}  // namespace lumaret::exports

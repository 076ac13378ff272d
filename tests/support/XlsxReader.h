#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace lumaret::test {

// One cell as stored: numeric (no "t" attribute) with its <v> text, or a text cell with
// its string (shared or inline).
struct XlsxCell {
  bool numeric = false;
  std::string value;
};

// A written .xlsx read back for checks: the sheet names of xl/workbook.xml in order and
// the cells of each xl/worksheets/sheetN.xml (N counts from 1 in workbook order, as the
// writer lays the package out). Rows and columns count from 1.
class XlsxWorkbook {
 public:
  // nullopt when the file is not a readable workbook package.
  static std::optional<XlsxWorkbook> Open(const std::string& path);

  const std::vector<std::string>& SheetNames() const { return sheetNames_; }
  // Whether sheet N (from 1) is hidden; the sheet (from 1) that opens first.
  bool Hidden(std::size_t sheet) const { return sheet >= 1 && sheet <= hidden_.size() && hidden_[sheet - 1]; }
  std::size_t ActiveSheet() const { return activeSheet_; }
  std::optional<XlsxCell> Cell(std::size_t sheet, int row, int column) const;
  // The number of a numeric cell; nullopt for a missing or text cell.
  std::optional<double> Number(std::size_t sheet, int row, int column) const;

 private:
  std::vector<std::string> sheetNames_;
  std::vector<bool> hidden_;
  std::size_t activeSheet_ = 1;
  std::vector<std::map<std::pair<int, int>, XlsxCell>> sheets_;
};

}  // namespace lumaret::test

#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lumaret::data {

// Text helpers shared by the pattern, gain-level and envelope readers.

// Walks a text line by line without copying it, with the line ends of SplitLines.
class LineCursor {
 public:
  explicit LineCursor(std::string_view text) : text_(text) {}
  // The next line, its carriage return removed; false at the end of the text.
  bool Next(std::string_view& line);
  // 1-based number of the line last returned by Next (0 before the first).
  std::size_t LineNumber() const { return lineNumber_; }
  bool AtEnd() const { return position_ >= text_.size(); }

 private:
  std::string_view text_;
  std::size_t position_ = 0;
  std::size_t lineNumber_ = 0;
};

// Splits a file's text into lines at "\n". A carriage return at the end of a line is
// removed; a last line without a line break is included; a text ending with "\n" gives
// no empty line after it. The views point into `text`.
std::vector<std::string_view> SplitLines(std::string_view text);

// The usual decimal conversion of the leading number of a text, independent of the
// locale: leading white space is skipped, an optional sign, then digits with an optional
// fraction and exponent; conversion stops at the first character that cannot continue the
// number. Returns 0 when there is no number, +-infinity when the value overflows a
// double, NaN for "nan", and 0 (with its sign) when it underflows.
double LeadingNumber(std::string_view text);

// The integer at the start of a text (leading white space and a sign allowed), 0 when
// there is none; clamped to the 32-bit range.
std::int32_t LeadingInteger(std::string_view text);

// A number word of a data line read strictly: the whole word must be a finite decimal
// number (optional sign, digits, point, exponent) that fits a 32-bit float; a value too
// small for one reads as 0. "12,5", "n/a", "nan", "inf" and "1e999" are refused.
bool ParseNumberWord(std::string_view word, float& value);

// A data line: two numbers such as "0.00    0.02", "-179.5\t-25.3" or "12,-3.5".
// Leading blanks and tabs are skipped; the line is split at its first space or tab,
// whichever comes first, else at its first comma. The angle is the text before the
// separator (one trailing comma allowed), the level the first blank-separated word after
// it (further words, such as extra columns, are ignored). Both are read with
// ParseNumberWord. On any status but kOk the outputs are left unchanged.
enum class DataLineStatus { kOk, kNoSeparator, kBadAngle, kBadLevel };
DataLineStatus ReadDataLine(std::string_view line, float& first, float& second);
// ReadDataLine that only says whether the line was a data line.
bool ParseDataLine(std::string_view line, float& first, float& second);
// What was wrong with a line that ReadDataLine refused, for a read error message.
std::string DataLineProblem(DataLineStatus status);

}  // namespace lumaret::data

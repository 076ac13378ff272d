#include "data/DataLine.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace lumaret::data {
namespace {

bool IsWhiteSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::string_view SkipWhiteSpace(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsWhiteSpace(text[i])) ++i;
  return text.substr(i);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// from_chars reports both overflow and underflow as out of range. The value underflowed
// when its exponent is negative or its mantissa has no non-zero digit before the point.
bool IsUnderflow(std::string_view number) {
  const std::size_t e = number.find_first_of("eE");
  if (e != std::string_view::npos && e + 1 < number.size() && number[e + 1] == '-') return true;
  for (char c : number.substr(0, e)) {
    if (c == '.') return true;
    if (c >= '1' && c <= '9') return false;
  }
  return true;
}

bool ToFloat(double value, float& out) {
  if (!std::isfinite(value) || std::fabs(value) > std::numeric_limits<float>::max()) return false;
  out = static_cast<float>(value);
  return true;
}

// The position of the first blank (space or tab) at or after `from`, or npos. A plain loop:
// find_first_of would search the two-character set once per character of the line.
std::size_t FirstBlank(std::string_view line, std::size_t from) {
  for (std::size_t i = from; i < line.size(); ++i)
    if (line[i] == ' ' || line[i] == '\t') return i;
  return std::string_view::npos;
}

// The plain decimals of measured data ("-12.34": digits, an optional point with digits,
// at most 15 digits in all) read without from_chars: the digits form an exact integer and
// one division by an exact power of ten rounds once, so the double is the correctly
// rounded value from_chars gives. Anything else returns false and is left to from_chars.
bool ReadPlainDecimal(std::string_view digits, double& value) {
  static constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6, 1e7,
                                            1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
  constexpr int kMaxDigits = 15;
  std::int64_t mantissa = 0;
  int count = 0;
  int fraction = -1;  // digits after the point; -1 before a point is seen
  for (char c : digits) {
    if (c == '.') {
      if (fraction >= 0 || count == 0) return false;
      fraction = 0;
      continue;
    }
    if (!IsDigit(c) || ++count > kMaxDigits) return false;
    mantissa = mantissa * 10 + (c - '0');
    if (fraction >= 0) ++fraction;
  }
  if (count == 0 || fraction == 0) return false;
  value = static_cast<double>(mantissa) / kPowersOfTen[fraction < 0 ? 0 : fraction];
  return true;
}

}  // namespace

bool LineCursor::Next(std::string_view& line) {
  if (position_ >= text_.size()) return false;
  std::size_t end = text_.find('\n', position_);
  const std::size_t next = end == std::string_view::npos ? text_.size() : end + 1;
  if (end == std::string_view::npos) end = text_.size();
  line = text_.substr(position_, end - position_);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  position_ = next;
  ++lineNumber_;
  return true;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  LineCursor cursor(text);
  std::string_view line;
  while (cursor.Next(line)) lines.push_back(line);
  return lines;
}

double LeadingNumber(std::string_view text) {
  text = SkipWhiteSpace(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  // from_chars would accept a second sign; the usual conversion does not.
  if (text.empty() || text.front() == '+' || text.front() == '-') return 0.0;
  double value = 0.0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error == std::errc::result_out_of_range) {
    const std::string_view number(text.data(), static_cast<std::size_t>(end - text.data()));
    value = IsUnderflow(number) ? 0.0 : std::numeric_limits<double>::infinity();
  } else if (error != std::errc()) {
    value = 0.0;
  }
  return negative ? -value : value;
}

std::int32_t LeadingInteger(std::string_view text) {
  text = SkipWhiteSpace(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  std::int64_t value = 0;
  constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
  for (char c : text) {
    if (!IsDigit(c)) break;
    value = std::min<std::int64_t>(value * 10 + (c - '0'), kLimit);
  }
  if (negative) return static_cast<std::int32_t>(-value);
  return static_cast<std::int32_t>(std::min<std::int64_t>(value, kLimit - 1));
}

bool ParseNumberWord(std::string_view word, float& value) {
  std::string_view digits = word;
  const bool negative = !digits.empty() && digits.front() == '-';
  if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) digits.remove_prefix(1);
  // from_chars also reads "inf", "nan" and a second sign; none of them is a decimal number.
  if (digits.empty() || !(IsDigit(digits.front()) || digits.front() == '.')) return false;
  double number = 0.0;
  if (ReadPlainDecimal(digits, number)) {
    float plain = 0.0f;
    if (!ToFloat(negative ? -number : number, plain)) return false;
    value = plain;
    return true;
  }
  const char* const last = digits.data() + digits.size();
  const auto [end, error] = std::from_chars(digits.data(), last, number);
  if (end != last) return false;
  if (error == std::errc::result_out_of_range) {
    if (!IsUnderflow(digits)) return false;
    number = 0.0;
  } else if (error != std::errc()) {
    return false;
  }
  float stored = 0.0f;
  if (!ToFloat(negative ? -number : number, stored)) return false;
  value = stored;
  return true;
}

DataLineStatus ReadDataLine(std::string_view line, float& first, float& second) {
  auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
  std::size_t start = 0;
  while (start < line.size() && isBlank(line[start])) ++start;
  line = line.substr(start);
  std::size_t separator = FirstBlank(line, 0);
  if (separator == std::string_view::npos) separator = line.find(',');
  if (separator == std::string_view::npos) return DataLineStatus::kNoSeparator;
  std::string_view angleWord = line.substr(0, separator);
  if (!angleWord.empty() && angleWord.back() == ',' && line[separator] != ',') angleWord.remove_suffix(1);
  std::string_view rest = line.substr(separator + 1);
  std::size_t levelStart = 0;
  while (levelStart < rest.size() && isBlank(rest[levelStart])) ++levelStart;
  rest = rest.substr(levelStart);
  const std::string_view levelWord = rest.substr(0, std::min(FirstBlank(rest, 0), rest.size()));
  float angle = 0.0f;
  float level = 0.0f;
  if (!ParseNumberWord(angleWord, angle)) return DataLineStatus::kBadAngle;
  if (!ParseNumberWord(levelWord, level)) return DataLineStatus::kBadLevel;
  first = angle;
  second = level;
  return DataLineStatus::kOk;
}

bool ParseDataLine(std::string_view line, float& first, float& second) {
  return ReadDataLine(line, first, second) == DataLineStatus::kOk;
}

std::string DataLineProblem(DataLineStatus status) {
  switch (status) {
    case DataLineStatus::kOk:
      break;
    case DataLineStatus::kNoSeparator:
      return "not a data line (two numbers expected)";
    case DataLineStatus::kBadAngle:
      return "the angle is not a finite number";
    case DataLineStatus::kBadLevel:
      return "the level is not a finite number";
  }
  return "";
}

}  // namespace lumaret::data

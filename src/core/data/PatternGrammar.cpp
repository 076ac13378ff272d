#include "data/PatternGrammar.h"

#include <cmath>
#include <limits>

namespace lumaret::data {
namespace {

bool IsBlankOrTab(char c) { return c == ' ' || c == '\t'; }

char ToUpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

KeywordLine SplitKeyword(std::string_view line) {
  std::size_t start = 0;
  while (start < line.size() && IsBlankOrTab(line[start])) ++start;
  std::size_t end = start;
  while (end < line.size() && !IsBlankOrTab(line[end])) ++end;
  std::size_t valueStart = end;
  while (valueStart < line.size() && IsBlankOrTab(line[valueStart])) ++valueStart;
  std::size_t valueEnd = line.size();
  while (valueEnd > valueStart && IsBlankOrTab(line[valueEnd - 1])) --valueEnd;
  return {line.substr(start, end - start), line.substr(valueStart, valueEnd - valueStart)};
}

bool KeywordIs(std::string_view keyword, std::string_view upperCaseWord) {
  if (keyword.size() != upperCaseWord.size()) return false;
  for (std::size_t i = 0; i < keyword.size(); ++i) {
    if (ToUpperAscii(keyword[i]) != upperCaseWord[i]) return false;
  }
  return true;
}

bool IsBlankLine(std::string_view line) {
  for (char c : line) {
    if (!IsBlankOrTab(c)) return false;
  }
  return true;
}

std::string_view TextAfterFirstSpace(std::string_view line) {
  const std::size_t space = line.find(' ');
  return space == std::string_view::npos ? line : line.substr(space + 1);
}

std::string QuoteLine(std::string_view line) {
  constexpr std::size_t kMaxShown = 40;
  std::string quoted = "\"";
  for (std::size_t i = 0; i < line.size() && i < kMaxShown; ++i) {
    const auto c = static_cast<unsigned char>(line[i]);
    quoted += (c < 0x20 || c == 0x7f) ? '?' : line[i];
  }
  if (line.size() > kMaxShown) quoted += "...";
  return quoted + "\"";
}

float ToStoredFloat(double value) {
  if (!std::isfinite(value) || std::fabs(value) > std::numeric_limits<float>::max()) return kUnset;
  return static_cast<float>(value);
}

namespace {

bool StartsWithLetter(std::string_view line) {
  for (char c : line) {
    if (c == ' ' || c == '\t') continue;
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
  }
  return false;
}

}  // namespace

BlockResult ReadDataBlock(LineCursor& cursor, std::size_t limit, bool stopAtBlockHeaders,
                          const std::function<void(float angle, float level)>& append) {
  BlockResult result;
  if (limit == 0) {
    result.end = BlockEnd::kLimit;
    return result;
  }
  std::string_view line;
  while (cursor.Next(line)) {
    if (IsBlankLine(line)) continue;
    // A data line starts with a number; only a line starting with a letter can be a header.
    if (stopAtBlockHeaders && StartsWithLetter(line)) {
      const std::string_view keyword = SplitKeyword(line).keyword;
      if (KeywordIs(keyword, "HORIZONTAL") || KeywordIs(keyword, "VERTICAL")) {
        result.end = BlockEnd::kBlockHeader;
        result.header = line;
        result.headerLine = cursor.LineNumber();
        return result;
      }
    }
    float angle = 0.0f;
    float level = 0.0f;
    const DataLineStatus status = ReadDataLine(line, angle, level);
    if (status != DataLineStatus::kOk) {
      result.end = BlockEnd::kBadLine;
      result.badLine = cursor.LineNumber();
      result.problem = DataLineProblem(status) + ": " + QuoteLine(line);
      return result;
    }
    append(angle, level);
    if (++result.points == limit) {
      result.end = BlockEnd::kLimit;
      return result;
    }
  }
  result.end = BlockEnd::kEndOfText;
  return result;
}

bool FailAtBadLine(const BlockResult& block, GrammarError& error) {
  error.line = block.badLine;
  error.atEndOfFile = false;
  error.problem = block.problem;
  return false;
}

}  // namespace lumaret::data

#include "data/MsiGrammar.h"

#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace lumaret::data {
namespace {

constexpr double kDbdToDbi = 2.15;

bool Fail(GrammarError& error, std::size_t line, std::string problem, bool atEnd = false) {
  error.line = line;
  error.atEndOfFile = atEnd;
  error.problem = std::move(problem);
  return false;
}

std::string PointsText(std::size_t n) { return std::to_string(n) + (n == 1 ? " point" : " points"); }

// The count of a "HORIZONTAL n" or "VERTICAL n" line; 0 when the line gives none.
std::size_t DeclaredCount(std::string_view blockHeader) {
  const std::string_view value = SplitKeyword(blockHeader).value;
  if (value.empty() || value.front() < '0' || value.front() > '9') return 0;
  const std::int32_t count = LeadingInteger(value);
  return count > 0 ? static_cast<std::size_t>(count) : 0;
}

// Collects the header lines up to the "HORIZONTAL" line, which it consumes and returns.
bool ReadHeaderLines(LineCursor& cursor, std::vector<std::string_view>& header, std::string_view& horizontal,
                     GrammarError& error) {
  std::string_view line;
  while (cursor.Next(line)) {
    const std::string_view keyword = SplitKeyword(line).keyword;
    if (KeywordIs(keyword, "HORIZONTAL")) {
      horizontal = line;
      return true;
    }
    if (KeywordIs(keyword, "VERTICAL"))
      return Fail(error, cursor.LineNumber(), "\"VERTICAL\" line before any \"HORIZONTAL\" line");
    if (header.size() == kMaxMsiHeaderLines)
      return Fail(error, cursor.LineNumber(),
                  "no \"HORIZONTAL\" line within the first " + std::to_string(kMaxMsiHeaderLines) + " lines");
    header.push_back(line);
  }
  return Fail(error, cursor.LineNumber(), "no \"HORIZONTAL\" line", true);
}

// Keeps every header line by keyword; the first FREQUENCY and GAIN lines count.
void InterpretHeader(const std::vector<std::string_view>& header, ParsedPattern& out) {
  bool haveFrequency = false;
  for (std::string_view line : header) {
    const KeywordLine kv = SplitKeyword(line);
    if (kv.keyword.empty()) continue;
    out.declaredHeader.emplace_back(std::string(kv.keyword), std::string(kv.value));
    if (!haveFrequency && KeywordIs(kv.keyword, "FREQUENCY")) {
      haveFrequency = true;
      out.line2Value = ToStoredFloat(LeadingNumber(kv.value));
    } else if (!out.hasGainLine && KeywordIs(kv.keyword, "GAIN")) {
      out.hasGainLine = true;
      out.gain = GainFromText(kv.value);
    }
  }
  // Without a gain line the third line's integer is kept, as the six-line layout has it.
  if (!out.hasGainLine && header.size() >= 3) out.headerCount = LeadingInteger(header[2]);
}

bool CheckHorizontalBlock(const BlockResult& block, LineCursor& cursor, GrammarError& error) {
  const std::string expected = "; " + std::to_string(kMsiHorizontalPoints) + " expected";
  switch (block.end) {
    case BlockEnd::kLimit:
      return true;
    case BlockEnd::kBlockHeader:
      return Fail(error, block.headerLine,
                  QuoteLine(SplitKeyword(block.header).keyword) + " line after " + PointsText(block.points) +
                      " of the horizontal block" + expected);
    case BlockEnd::kBadLine:
      return FailAtBadLine(block, error);
    case BlockEnd::kEndOfText:
      break;
  }
  return Fail(error, cursor.LineNumber(),
              "the horizontal block ends after " + PointsText(block.points) + expected, true);
}

// After the 360th horizontal point: blank lines, then the "VERTICAL" line, returned.
bool ReadVerticalHeader(LineCursor& cursor, std::string_view& vertical, GrammarError& error) {
  const std::string expected =
      "\"VERTICAL\" line expected after " + std::to_string(kMsiHorizontalPoints) + " horizontal points";
  std::string_view line;
  while (cursor.Next(line)) {
    if (IsBlankLine(line)) continue;
    if (KeywordIs(SplitKeyword(line).keyword, "VERTICAL")) {
      vertical = line;
      return true;
    }
    return Fail(error, cursor.LineNumber(), expected + ", found " + QuoteLine(line));
  }
  return Fail(error, cursor.LineNumber(), expected, true);
}

// The vertical block: every line up to the end of the text, exactly `declared` data lines
// when the "VERTICAL" line gives a count.
bool ReadVerticalBlock(LineCursor& cursor, std::size_t declared,
                       const std::function<void(float, float)>& append, GrammarError& error) {
  const std::size_t limit = declared > 0 ? declared : std::numeric_limits<std::size_t>::max();
  const BlockResult block = ReadDataBlock(cursor, limit, true, append);
  switch (block.end) {
    case BlockEnd::kBlockHeader:
      return Fail(error, block.headerLine,
                  QuoteLine(SplitKeyword(block.header).keyword) + " line inside the vertical block");
    case BlockEnd::kBadLine:
      return FailAtBadLine(block, error);
    case BlockEnd::kEndOfText:
      if (declared == 0 || block.points == declared) return true;
      return Fail(error, cursor.LineNumber(),
                  "the vertical block ends after " + PointsText(block.points) + "; " + std::to_string(declared) +
                      " declared",
                  true);
    case BlockEnd::kLimit:
      break;
  }
  std::string_view line;
  while (cursor.Next(line)) {
    if (IsBlankLine(line)) continue;
    return Fail(error, cursor.LineNumber(),
                QuoteLine(line) + " after the " + std::to_string(declared) + " declared points of the vertical block");
  }
  return true;
}

}  // namespace

float GainFromText(std::string_view gainText) {
  double gain = LeadingNumber(gainText);
  // The unit is the three letters from the first "d"; "dBi" in any letter case is dBi,
  // anything else is dBd.
  const std::size_t d = gainText.find_first_of("dD");
  const std::string_view unit = d == std::string_view::npos ? std::string_view() : gainText.substr(d, 3);
  if (!KeywordIs(unit, "DBI")) gain += kDbdToDbi;
  return ToStoredFloat(gain);
}

bool ParseMsiText(std::string_view text, ParsedPattern& out, GrammarError& error) {
  LineCursor cursor(text);
  std::vector<std::string_view> header;
  std::string_view horizontalLine;
  if (!ReadHeaderLines(cursor, header, horizontalLine, error)) return false;
  InterpretHeader(header, out);
  // Combined files hold one point per degree in the horizontal cut; the split at position
  // 360 relies on it.
  if (const std::size_t declared = DeclaredCount(horizontalLine); declared != 0 && declared != kMsiHorizontalPoints)
    return Fail(error, cursor.LineNumber(),
                QuoteLine(horizontalLine) + ": the horizontal block must hold " +
                    std::to_string(kMsiHorizontalPoints) + " points");

  auto append = [&out](float angle, float level) {
    PatternPoint point;
    point.fDeg = angle > 180.0f ? angle - 360.0f : angle;
    point.fMag = -level;
    PatternPoint& peak = out.points.size() < kMsiHorizontalPoints ? out.hpeak : out.vmax;
    if (point.fMag > peak.fMag) peak = point;
    out.points.push_back(point);
  };
  out.points.reserve(2 * kMsiHorizontalPoints);
  const BlockResult horizontal = ReadDataBlock(cursor, kMsiHorizontalPoints, true, append);
  if (!CheckHorizontalBlock(horizontal, cursor, error)) return false;
  std::string_view verticalLine;
  if (!ReadVerticalHeader(cursor, verticalLine, error)) return false;
  return ReadVerticalBlock(cursor, DeclaredCount(verticalLine), append, error);
}

}  // namespace lumaret::data

#include "data/MsiGrammar.h"

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

// Collects the header lines up to the "HORIZONTAL" line, which it consumes.
bool ReadHeaderLines(LineCursor& cursor, std::vector<std::string_view>& header, GrammarError& error) {
  std::string_view line;
  while (cursor.Next(line)) {
    const std::string_view keyword = SplitKeyword(line).keyword;
    if (KeywordIs(keyword, "HORIZONTAL")) return true;
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
    case BlockEnd::kBlankLine:
      return Fail(error, cursor.LineNumber(),
                  "blank line ends the horizontal block after " + PointsText(block.points) + expected);
    case BlockEnd::kEndOfText:
      break;
  }
  return Fail(error, cursor.LineNumber(),
              "the horizontal block ends after " + PointsText(block.points) + expected, true);
}

// After the 360th horizontal point: blank lines, then the "VERTICAL" line.
bool ReadVerticalHeader(LineCursor& cursor, GrammarError& error) {
  const std::string expected =
      "\"VERTICAL\" line expected after " + std::to_string(kMsiHorizontalPoints) + " horizontal points";
  std::string_view line;
  while (cursor.Next(line)) {
    if (IsBlankLine(line)) continue;
    if (KeywordIs(SplitKeyword(line).keyword, "VERTICAL")) return true;
    return Fail(error, cursor.LineNumber(), expected + ", found " + QuoteLine(line));
  }
  return Fail(error, cursor.LineNumber(), expected, true);
}

}  // namespace

float GainFromText(std::string_view gainText) {
  double gain = LeadingNumber(gainText);
  const std::size_t d = gainText.find('d');
  const std::string_view unit = d == std::string_view::npos ? std::string_view() : gainText.substr(d, 3);
  if (unit != "dBi") gain += kDbdToDbi;
  return ToStoredFloat(gain);
}

bool ParseMsiText(std::string_view text, ParsedPattern& out, GrammarError& error) {
  LineCursor cursor(text);
  std::vector<std::string_view> header;
  if (!ReadHeaderLines(cursor, header, error)) return false;
  InterpretHeader(header, out);

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
  if (!ReadVerticalHeader(cursor, error)) return false;
  const BlockResult vertical = ReadDataBlock(cursor, std::numeric_limits<std::size_t>::max(), true, append);
  if (vertical.end == BlockEnd::kBlockHeader)
    return Fail(error, vertical.headerLine,
                QuoteLine(SplitKeyword(vertical.header).keyword) + " line inside the vertical block");
  return true;
}

}  // namespace lumaret::data

#include "data/ExactDataGrammar.h"

#include <limits>
#include <string>

namespace lumaret::data {

bool IsExactData(std::string_view text) {
  constexpr std::size_t kSniffBytes = 100;
  return text.substr(0, kSniffBytes).find("Exact Data") != std::string_view::npos;
}

bool ParseExactDataText(std::string_view text, ParsedPattern& out, GrammarError& error) {
  LineCursor cursor(text);
  std::string_view header[3];
  for (std::string_view& line : header) {
    if (cursor.Next(line)) continue;
    error.line = cursor.LineNumber();
    error.atEndOfFile = true;
    error.problem = "the exact-data header needs 3 lines, the file has " + std::to_string(cursor.LineNumber());
    return false;
  }
  out.line2Value = ToStoredFloat(LeadingNumber(TextAfterFirstSpace(header[1])));
  const std::string_view line = header[2];
  if (line.find("Gain") != std::string_view::npos) {
    out.hasGainLine = true;
    out.gain = ToStoredFloat(LeadingNumber(TextAfterFirstSpace(line)));
    std::string_view pointCount;
    cursor.Next(pointCount);  // the point count after a gain line is not used
  } else {
    out.headerCount = LeadingInteger(line);
  }
  const BlockResult block = ReadDataBlock(cursor, std::numeric_limits<std::size_t>::max(), false,
                                         [&out](float angle, float level) { out.points.push_back({angle, level}); });
  if (block.end == BlockEnd::kBadLine) return FailAtBadLine(block, error);
  return true;
}

}  // namespace lumaret::data

#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "data/DataLine.h"
#include "data/PatternFile.h"
#include "data/PatternPoint.h"

namespace lumaret::data {

// What a pattern grammar read from a file's text, before it is stored in a record.
struct ParsedPattern {
  PointSequence points;
  float line2Value = 0.0f;
  std::int32_t headerCount = 0;
  bool hasGainLine = false;
  float gain = kUnset;  // dBi; unset without a gain line
  PatternPoint hpeak;   // combined files: maximum of the horizontal cut
  PatternPoint vmax;    // combined files: maximum of the vertical cut
  std::vector<std::pair<std::string, std::string>> declaredHeader;
};

// Why a grammar refused a text: the 1-based line it stopped at and what was wrong there.
struct GrammarError {
  std::size_t line = 0;
  bool atEndOfFile = false;  // the text ended where more was expected
  std::string problem;
};

// A header line split into its keyword (the first blank- or tab-separated word after any
// leading blanks) and its value (the rest after the blanks and tabs that follow the
// keyword, trailing blanks and tabs removed).
struct KeywordLine {
  std::string_view keyword;
  std::string_view value;
};
KeywordLine SplitKeyword(std::string_view line);
// Compares a keyword with an upper-case word without regard to ASCII case.
bool KeywordIs(std::string_view keyword, std::string_view upperCaseWord);

// A line holding nothing but blanks and tabs (or nothing at all).
bool IsBlankLine(std::string_view line);

// The text after the first space of a line; the whole line when it has no space.
std::string_view TextAfterFirstSpace(std::string_view line);

// A line as quoted in a message: at most 40 characters, control bytes shown as "?".
std::string QuoteLine(std::string_view line);

// A number as stored in a 32-bit field: the unset marker when it is not finite or does
// not fit a float.
float ToStoredFloat(double value);

// How a data block ended.
enum class BlockEnd {
  kEndOfText,
  kBlockHeader,  // a line whose keyword is HORIZONTAL or VERTICAL (left in `header`)
  kLimit,        // the point limit was reached; the next line is unread
  kBadLine,      // a non-blank line that is not a data line (`badLine`, `problem`)
};
struct BlockResult {
  BlockEnd end = BlockEnd::kEndOfText;
  std::size_t points = 0;
  std::string_view header;  // the block header line that ended the block
  std::size_t headerLine = 0;
  std::size_t badLine = 0;  // 1-based number of the refused line
  std::string problem;      // why it was refused, with the line quoted
};

// Reads the data lines of one block and hands each (angle, level) to `append`. Blank
// lines are skipped; any other line must be a data line (ReadDataLine), or the block
// ends with kBadLine. With `stopAtBlockHeaders`, a HORIZONTAL or VERTICAL line ends the
// block instead of being read as data.
BlockResult ReadDataBlock(LineCursor& cursor, std::size_t limit, bool stopAtBlockHeaders,
                          const std::function<void(float angle, float level)>& append);

// A read error of a block that ended with kBadLine.
bool FailAtBadLine(const BlockResult& block, GrammarError& error);

}  // namespace lumaret::data

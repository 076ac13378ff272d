#include "data/DataLine.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

using lumaret::data::LeadingInteger;
using lumaret::data::LeadingNumber;
using lumaret::data::ParseDataLine;
using lumaret::data::SplitLines;

TEST(DataLine, SplitLinesHandlesLineEndsAndALastLineWithoutBreak) {
  struct Case {
    std::string text;
    std::vector<std::string> lines;
  };
  const std::vector<Case> cases = {
      {"", {}},           {"a", {"a"}},          {"a\n", {"a"}},           {"a\r\nb\r\n", {"a", "b"}},
      {"a\nb", {"a", "b"}}, {"\n", {""}},       {"a\n\nb\n", {"a", "", "b"}}, {"a\r\n\r\nb", {"a", "", "b"}},
      {"x\r\r\n", {"x\r"}},  // only one carriage return belongs to the line end
  };
  for (const Case& c : cases) {
    const auto got = SplitLines(c.text);
    ASSERT_EQ(got.size(), c.lines.size()) << "text: " << c.text;
    for (std::size_t i = 0; i < got.size(); ++i) EXPECT_EQ(got[i], c.lines[i]) << "text: " << c.text;
  }
}

TEST(DataLine, LeadingNumberFollowsTheUsualDecimalConversion) {
  struct Case {
    const char* text;
    double value;
  };
  const Case cases[] = {
      {"12.5", 12.5},     {"  -3.25dB", -3.25}, {"+7", 7},       {"\t1e3x", 1000},
      {".5", 0.5},        {"5.", 5},            {"1e", 1},       {"abc", 0},
      {"", 0},            {"-", 0},             {"--5", 0},      {"+-5", 0},
      {"17.5 dBi", 17.5}, {"1e-400", 0},        {"0,5", 0},      {"1845\r", 1845},
  };
  for (const Case& c : cases) EXPECT_DOUBLE_EQ(LeadingNumber(c.text), c.value) << c.text;
  EXPECT_TRUE(std::isinf(LeadingNumber("1e400")));
  EXPECT_LT(LeadingNumber("-1e400"), 0);
  EXPECT_TRUE(std::isnan(LeadingNumber("nan")));
}

TEST(DataLine, LeadingIntegerStopsAtTheFirstNonDigitAndClamps) {
  EXPECT_EQ(LeadingInteger(" 360 points"), 360);
  EXPECT_EQ(LeadingInteger("-12.9"), -12);
  EXPECT_EQ(LeadingInteger("GAIN"), 0);
  EXPECT_EQ(LeadingInteger("99999999999999999999"), 2147483647);
  EXPECT_EQ(LeadingInteger("-99999999999999999999"), -2147483647 - 1);
}

TEST(DataLine, ParseDataLineSplitsAtTheFirstBlankElseComma) {
  struct Case {
    const char* line;
    bool ok;
    float angle;
    float level;
  };
  const Case cases[] = {
      {"270 12.5", true, 270.0f, 12.5f},
      {"  0.00    0.02", true, 0.0f, 0.02f},  // right-aligned, padded columns
      {"\t-179.5\t-25.25", true, -179.5f, -25.25f},
      {"12,-3.5", true, 12.0f, -3.5f},
      {"1.5, 2.5", true, 1.5f, 2.5f},         // a space before any comma wins
      {"0.00, 1.5", true, 0.0f, 1.5f},        // one trailing comma on the angle
      {"5 -12.5 0.3 x", true, 5.0f, -12.5f},  // extra columns are ignored
      {"+7 -1e-2", true, 7.0f, -0.01f},
      // Letters, a decimal comma (not read as 12), one number, numbers that do not fit a float.
      {"10 abc", false, 0, 0}, {"0 n/a", false, 0, 0},   {"0 12,5", false, 0, 0}, {"abc def", false, 0, 0},
      {"3 ", false, 0, 0},     {"0 1e999", false, 0, 0}, {"0x1p3 1", false, 0, 0}, {"1 --2", false, 0, 0},
      {"", false, 0, 0},       {"   ", false, 0, 0},     {"HORIZONTAL", false, 0, 0}, {"42", false, 0, 0},
      {"1e39 5", false, 0, 0}, {"5 1e400", false, 0, 0}, {"inf 1", false, 0, 0},  {"1 nan", false, 0, 0},
  };
  for (const Case& c : cases) {
    float angle = -1.0f;
    float level = -1.0f;
    EXPECT_EQ(ParseDataLine(c.line, angle, level), c.ok) << c.line;
    if (c.ok) {
      EXPECT_FLOAT_EQ(angle, c.angle) << c.line;
      EXPECT_FLOAT_EQ(level, c.level) << c.line;
    } else {
      EXPECT_EQ(angle, -1.0f) << c.line;
      EXPECT_EQ(level, -1.0f) << c.line;
    }
  }
}

// Plain decimals take a fast path; it must give exactly the float the general conversion
// gives (the double from_chars reads, narrowed), for every digit count and point position.
TEST(DataLine, PlainDecimalsReadAsTheGeneralConversionReadsThem) {
  std::mt19937_64 random(7);
  for (int i = 0; i < 200000; ++i) {
    const int digits = 1 + static_cast<int>(random() % 17);
    std::string word = (random() % 2) ? "-" : "";
    const int point = static_cast<int>(random() % (digits + 1));
    for (int d = 0; d < digits; ++d) {
      if (d == point && d > 0) word += '.';
      word += static_cast<char>('0' + random() % 10);
    }
    double reference = 0.0;
    const char* first = word.data() + (word[0] == '-' ? 1 : 0);
    std::from_chars(first, word.data() + word.size(), reference);
    if (word[0] == '-') reference = -reference;
    float read = 1.0f;
    ASSERT_TRUE(lumaret::data::ParseNumberWord(word, read)) << word;
    ASSERT_EQ(std::bit_cast<std::uint32_t>(read), std::bit_cast<std::uint32_t>(static_cast<float>(reference))) << word;
  }
}

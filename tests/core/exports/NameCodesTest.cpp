#include "exports/NameCodes.h"

#include <gtest/gtest.h>

namespace lumaret::exports {
namespace {

TEST(NameCodesTest, FrequencyCodeGainsOneZeroBelowFourCharacters) {
  const std::pair<const char*, const char*> cases[] = {
      {"900", "0900"}, {"90", "090"}, {"1710", "1710"}, {"12345", "12345"}, {"", "0"}};
  for (const auto& [frequency, code] : cases) EXPECT_EQ(FrequencyCode(frequency), code) << frequency;
}

TEST(NameCodesTest, TiltCodesByLengthAndMethod) {
  struct Case {
    const char* tilt;
    const char* method;
    const char* code;
    const char* tmvCode;
  };
  const Case cases[] = {
      {"2", "None", "02t", "02FT"},          {"2", "Mechanical", "02t", "02FT"},
      {"2", "Electrical", "02t", "02ET"},    {"10", "Electrical", "10t", "10ET"},
      {"10.5", "Electrical", "", ""},        {"", "None", "", ""},
      {"6", "electrical", "06t", ""},  // the method is compared exactly
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TiltCode(c.tilt), c.code) << c.tilt;
    EXPECT_EQ(TmvTiltCode(c.tilt, c.method), c.tmvCode) << c.tilt << " " << c.method;
  }
}

TEST(NameCodesTest, TmvPolarizationCodeNeedsExactLowerCase) {
  EXPECT_EQ(TmvPolarizationCode("m45"), "N45");
  EXPECT_EQ(TmvPolarizationCode("p45"), "P45");
  EXPECT_EQ(TmvPolarizationCode("P45"), "");
  EXPECT_EQ(TmvPolarizationCode("v90"), "");
}

// The pattern information upper-cases extensions and lower-cases port names; the file's
// port text may be in any case, so they must meet without regard to case.
TEST(NameCodesTest, PortNameMatchesWithoutRegardToCaseLastMatchWins) {
  const std::map<std::string, std::string> table{{"P1", "r1"}, {"P1A", "r1a"}, {"Q2", "y2"}};
  EXPECT_EQ(PortName("p1", table), "R1");
  EXPECT_EQ(PortName("P1", table), "R1");
  EXPECT_EQ(PortName("p1a", table), "R1A");  // "P1" and "P1A" both match; the later key wins
  EXPECT_EQ(PortName("q2", table), "Y2");
  EXPECT_EQ(PortName("p3", table), "");
  EXPECT_EQ(PortName("p1", {}), "");
}

}  // namespace
}  // namespace lumaret::exports

#include <gtest/gtest.h>

#include <cmath>

#include "analysis/HorizontalIndicators.h"
#include "support/CutBuilder.h"

namespace lumaret::analysis {
namespace {

using data::kUnset;
using data::PatternFile;
using test::CutFromPairs;

const CPerformance kPerf;

// Every 60 degrees; 0 dB (power 1) everywhere but 10 dB (power 10) at 0 degrees.
PatternFile SixtyDegreeFile() {
  return test::SplitCutFile("1700_1900_ANTX65_20261206_A_B", "P1_p45_h_co_2_0_1710.txt",
                            CutFromPairs({{-180, 0}, {-120, 0}, {-60, 0}, {0, 10}, {60, 0}, {120, 0}, {180, 0}}));
}

// With the sector [-60, 60] and the last collected value of each sum left out:
//   S  = 60 (1/2 + 10)           samples -60 (half), 0, [60 half, left out]
//   U1 = 60 (1/2 + 1)            walked down: -60 (half), -120, [-180 half, left out]
//   U2 = 60 (1/2 + 1)            60 (half), 120, [180 half, left out]
//   T  = 60 (1 + 1 + 1 + 10 + 1 + 1)
// Had U1 and U2 given half weight at lo and hi of the sector, U would be 60 (2.5).
TEST(HorizontalSpr, EachRatioWithHalfWeightsAtEachSumsOwnBounds) {
  struct Case {
    int ratio;
    double expected;
  } cases[] = {{0, 3 / 10.5}, {1, 10.5 / 3}, {2, 10.5 / 15}, {3, 3.0 / 15}, {7, 3 / 10.5}};
  for (const auto& c : cases) {
    PatternFile f = SixtyDegreeFile();
    HPara h;
    h.SPR_mode = 0;
    h.SPR_Xdeg = 60;
    h.SPR_ratio = c.ratio;
    ComputeSpr(kPerf, f, h);
    EXPECT_NEAR(f.result.spr, c.expected, 1e-6) << "ratio " << c.ratio;
  }
}

TEST(HorizontalSpr, SectorWithoutIntegralIsUnset) {
  struct Case {
    const char* name;
    float halfWidth;
  } cases[] = {
      {"sector holds one sample", 10},
      {"remainders hold one sample each", 180},
      {"equal bounds", 0},
  };
  for (const auto& c : cases) {
    PatternFile f = SixtyDegreeFile();
    f.result.spr = 1;
    HPara h;
    h.SPR_mode = 0;
    h.SPR_Xdeg = c.halfWidth;
    ComputeSpr(kPerf, f, h);
    EXPECT_EQ(f.result.spr, kUnset) << c.name;
  }
}

TEST(HorizontalSpr, DbSectorComesFromTheBeamCrossings) {
  // -3 dB crossings at -1.25 and 1.5: the sector holds -1, 0 and 1 (left out).
  PatternFile f = test::SplitCutFile(
      "1700_1900_ANTX65_20261206_A_B", "P1_p45_h_co_2_0_1710.txt",
      CutFromPairs({{-180, -20}, {-90, -20}, {-2, -6}, {-1, -2}, {0, 0}, {1, -1}, {2, -5}, {90, -20}, {180, -20}}));
  f.result.hmax = {0, 0};
  HPara h;
  h.SPR_mode = 1;
  h.SPR_XdB = 3;
  h.SPR_ratio = 2;
  ComputeSpr(kPerf, f, h);
  auto p = [](double level) { return std::pow(10.0, level / 10); };
  const double inside = (p(-2) + p(0)) * 2.75 / 2;
  const double total = (2 * p(-20) + p(-6) + p(-2) + p(0) + p(-1) + p(-5) + p(-20)) * 360 / 8;
  EXPECT_NEAR(f.result.spr, inside / total, 1e-6);

  h.SPR_XdB = 30;  // never reached: no sector
  ComputeSpr(kPerf, f, h);
  EXPECT_EQ(f.result.spr, kUnset);
}

}  // namespace
}  // namespace lumaret::analysis

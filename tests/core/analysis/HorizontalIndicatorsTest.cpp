#include "analysis/HorizontalIndicators.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "data/UserMessages.h"
#include "session/CTessalyUnitDoc.h"
#include "support/CutBuilder.h"
#include "support/LogCapture.h"

namespace lumaret::analysis {
namespace {

using data::kUnset;
using data::PatternFile;
using data::PatternPoint;
using data::PointSequence;
using test::AsymmetricBeam;
using test::CutFromPairs;
using test::GaussianBeam;
using test::SampledCut;

const CPerformance kPerf;
constexpr const char* kFolder = "1700_1900_ANTX65_20261206_A_B";

PatternFile HorizontalFile(PointSequence points, const char* nominal = "0") {
  return test::SplitCutFile(kFolder, std::string("P1_p45_h_co_2_") + nominal + "_1710.txt",
                            std::move(points));
}

TEST(HorizontalExtremes, FlatTopPeakIsItsMiddleAndSquintUsesIt) {
  PatternFile f = HorizontalFile(CutFromPairs({{-20, -15}, {-10, -1}, {0, -1}, {10, -1}, {20, -14}, {30, -15}}), "5");
  ComputeHPeakAndHMin(kPerf, f);
  ComputeSquint(f);
  EXPECT_EQ(f.result.hpeak, (PatternPoint{0, -1}));
  EXPECT_EQ(f.result.hmin, (PatternPoint{-20, -15}));
  EXPECT_EQ(f.result.squint, -5);
}

TEST(HorizontalReference, LevelAndDirectionChoicesAreIndependent) {
  struct Case {
    int levelRef, dirRef;
    const char* nominal;
    PatternPoint expected;
  } cases[] = {
      {0, 0, "0", {10, 0}},   {1, 0, "0", {10, -2}},  {0, 1, "0", {0, 0}},
      {1, 1, "0", {0, -2}},   {1, 0, "5", {10, -4.5f}},  // no sample at 5: the level stays
      {1, 1, "-10", {-10, -7}},                          // the last sample at -10 wins
  };
  for (const auto& c : cases) {
    PatternFile f = HorizontalFile(CutFromPairs({{-10, -6}, {-10, -7}, {0, -2}, {10, 0}, {20, -7}}), c.nominal);
    f.result.hmax.fMag = -4.5f;
    HPara h;
    h.levelRef = c.levelRef;
    h.dirRef = c.dirRef;
    ComputeHmax(kPerf, f, h);
    EXPECT_EQ(f.result.hmax, c.expected) << c.levelRef << c.dirRef << " nominal " << c.nominal;
  }
}

TEST(HorizontalBeam, WidthsLeanAndXLevelsFromTheReferenceLevel) {
  PatternFile f = HorizontalFile(AsymmetricBeam(), "1");
  HPara h;
  ComputeHmax(kPerf, f, h);
  EXPECT_FLOAT_EQ(HorizontalBeamWidth(kPerf, f, 3.0), 2.75f);
  // 8 dB down is only reached at the first sample, which the search never examines.
  EXPECT_EQ(HorizontalBeamWidth(kPerf, f, 8.0), kUnset);
  h.Lean_XdB = 3.0f;
  ComputeLean(kPerf, f, h);
  EXPECT_FLOAT_EQ(f.result.lean, (-1.25f + 1.5f) / 2 - 1);
  h.Lean_XdB = 8.0f;
  ComputeLean(kPerf, f, h);
  EXPECT_EQ(f.result.lean, kUnset);
  EXPECT_EQ(f.result.vmax, PatternPoint{});  // a horizontal record never receives vertical values


  PatternFile x = HorizontalFile(AsymmetricBeam());
  x.result.hmax = {0, -0.5f};
  h.PX_deg = 2;
  h.NX_deg = 1;
  ComputeXLevels(x, h);
  EXPECT_FLOAT_EQ(x.result.pxLevel, -4.5f);
  EXPECT_FLOAT_EQ(x.result.nxLevel, -1.5f);
}

TEST(HorizontalFbrCo, BackWindowReachesToTheSeam) {
  // Main beam at 0; back levels chosen so that each window edge picks a different sample.
  PatternFile f = HorizontalFile(CutFromPairs({{-180, -25}, {-170, -22}, {-160, -29}, {-150, -35}, {-140, -20},
                                               {-90, -30}, {0, 0}, {90, -30}, {140, -10}, {150, -30}, {160, -28},
                                               {170, -26}, {180, -25}}),
                                 "10");
  f.result.hmax = {0, 0};
  HPara h;
  h.FBR_xdeg = 180;
  h.FBR_tdeg = 30;
  ComputeFbrCo(kPerf, f, h);
  EXPECT_FLOAT_EQ(f.result.fbrCo, 22);  // windows [150, 180] and [-180, -150]
  h.dirRef = 1;                         // centred on 190: windows [160, 180] and [-180, -140]
  ComputeFbrCo(kPerf, f, h);
  EXPECT_FLOAT_EQ(f.result.fbrCo, 20);
}

TEST(HorizontalFbrCo, NoFrontToBackDifferenceIsLoggedAndStored) {
  test::LogCapture log;
  PatternFile f = HorizontalFile(SampledCut(-180, 180, 10, [](double) { return -3.0; }));
  f.result.hmax = {0, -3};
  ComputeFbrCo(kPerf, f, HPara{});
  EXPECT_EQ(f.result.fbrCo, 0);
  const std::string text = log.Text();
  EXPECT_NE(text.find("] FBRCO Error! myResult.Hmax.fMag: -3.000000,MaxLevelTemp1:-3.000000,"
                      "MaxLevelTemp2:-3.000000,StartDeg:150.000000,StopDeg:-150.000000,"
                      "Hpara.FBR_xdeg: 180,Hpara.FBR_tdeg: 30\r\n"),
            std::string::npos)
      << text;
}

TEST(HorizontalSsMax, HighestLobeMoreThanTenDbDown) {
  // Lobes at -60 (-12, counts), 0 (main beam), 60 (-8, too close), 100 (-18, lower); the
  // cut ends while climbing towards -11 at 130, which is never taken.
  PatternFile f = HorizontalFile(CutFromPairs(
      {{-90, -30}, {-80, -25}, {-70, -20}, {-60, -12}, {-50, -20}, {-40, -25}, {-30, -10}, {-20, -5}, {-10, -2},
       {0, 0},     {10, -3},   {20, -6},   {30, -15},  {40, -12},  {50, -8},   {60, -8},   {70, -14}, {80, -20},
       {90, -30},  {100, -18}, {110, -24}, {120, -30}, {130, -11}}));
  f.result.hmax = {0, -0.5f};
  ComputeSsMax(f);
  EXPECT_EQ(f.result.ssMax, (PatternPoint{-60, -11.5f}));
  EXPECT_EQ(f.result.ssMaxLobe, (PatternPoint{-60, -12}));
}

TEST(HorizontalRoundnessAndHps, BothRoundnessFormulasAndTheLastSampleAtSixty) {
  PatternFile f = HorizontalFile(CutFromPairs({{0, 0}, {10, -2}, {20, -4}, {30, -10}}));
  ComputeHPeakAndHMin(kPerf, f);
  HPara h;
  h.selSPR = 0;
  ComputeRoundness(f, h);
  EXPECT_FLOAT_EQ(f.result.roundness, 6);  // mean -4: max(0 - -4, |-10 - -4|)
  h.selSPR = 1;
  ComputeRoundness(f, h);
  EXPECT_FLOAT_EQ(f.result.roundness, 5);
  PatternFile hps = HorizontalFile(CutFromPairs({{-60, -9}, {0, 0}, {60, -4}, {60, -7}}));
  ComputeHps(hps);
  EXPECT_FLOAT_EQ(hps.result.hps, 2);
}

// Every 60 degrees; 0 dB (power 1) everywhere but 10 dB (power 10) at 0 degrees. With the
// sector [-60, 60] and the last collected value of each sum left out:
//   S  = 60 (1/2 + 10)           samples -60 (half), 0, [60 half, left out]
//   U1 = 60 (1/2 + 1)            walked down: -60 (half), -120, [-180 half, left out]
//   U2 = 60 (1/2 + 1)            60 (half), 120, [180 half, left out]
//   T  = 60 (1 + 1 + 1 + 10 + 1 + 1)
// Had U1 and U2 given half weight at lo and hi of the sector, U would be 60 (2.5).
TEST(HorizontalSpr, EachRatioWithHalfWeightsAtEachSumsOwnBounds) {
  struct Case {
    int ratio;
    float halfWidth;
    double expected;
  } cases[] = {{0, 60, 3 / 10.5}, {1, 60, 10.5 / 3}, {2, 60, 10.5 / 15}, {3, 60, 3.0 / 15}, {7, 60, 3 / 10.5},
               // no integral: the sector or the remainders hold one sample each, or equal bounds
               {0, 10, kUnset},     {0, 180, kUnset},    {0, 0, kUnset}};
  for (const auto& c : cases) {
    PatternFile f = HorizontalFile(CutFromPairs({{-180, 0}, {-120, 0}, {-60, 0}, {0, 10}, {60, 0}, {120, 0}, {180, 0}}));
    f.result.spr = 1;
    HPara h;
    h.SPR_mode = 0;
    h.SPR_Xdeg = c.halfWidth;
    h.SPR_ratio = c.ratio;
    ComputeSpr(kPerf, f, h);
    EXPECT_NEAR(f.result.spr, c.expected, 1e-6) << "ratio " << c.ratio << " half width " << c.halfWidth;
  }
}

constexpr double kWidth = 60;  // 3 dB width of both beams

constexpr double kMineCentre = 2.0;
constexpr double kPairCentre = -1.5;

// Level of the test beams (0 dB peak, Gaussian in dB) at an angle.
double BeamLevel(double centre, double angle) { return GaussianBeam(centre, kWidth, -40)(angle); }

// Two slant partners (port 1 +45, port 2 -45) with beams at +2 and -1.5 degrees.
class SlantPair : public ::testing::Test {
 protected:
  PatternFile& Add(const std::string& fileName, double centre) {
    return test::AddSplitCut(doc.patterns, kFolder, fileName, SampledCut(-179.5, 180, 0.5, GaussianBeam(centre, kWidth, -40)));
  }
  PatternFile& Mine() { return *doc.Find(data::ToKey(std::string(kFolder) + "/P1_p45_h_co_2_0_1710.txt")); }
  PatternFile& Pair() { return *doc.Find(data::ToKey(std::string(kFolder) + "/P2_m45_h_co_2_0_1710.txt")); }
  void SetUp() override {
    Add("P1_p45_h_co_2_0_1710.txt", kMineCentre);
    Add("P2_m45_h_co_2_0_1710.txt", kPairCentre);
    ComputeHPeakAndHMin(kPerf, Mine());
    ComputeHmax(kPerf, Mine(), doc.hPara);
  }

  data::RecordingMessages messages;
  session::CTessalyUnitDoc doc{messages};
};

TEST_F(SlantPair, SquintErrorIsTheDifferenceOfTheTwoSquints) {
  ComputeSquintError(kPerf, doc, Mine());
  EXPECT_FLOAT_EQ(Mine().result.squintError, 3.5f);
}

TEST_F(SlantPair, SquintErrorWithoutAUsablePartnerIsUnset) {
  Pair().points.clear();  // a partner without points has no peak
  ComputeSquintError(kPerf, doc, Mine());
  EXPECT_EQ(Mine().result.squintError, kUnset);
  EXPECT_EQ(Pair().result.squint, kUnset);

  const std::string pairKey = Pair().key;
  doc.patterns.erase(pairKey);
  Mine().result.squintError = 1;
  ComputeSquintError(kPerf, doc, Mine());
  EXPECT_EQ(Mine().result.squintError, kUnset);

  // A name without slant markers is its own partner.
  PatternFile& alone = Add("P1_v90_h_co_2_0_1710.txt", 0);
  alone.result.squintError = 1;
  ComputeSquintError(kPerf, doc, alone);
  EXPECT_EQ(alone.result.squintError, kUnset);
}

// Largest difference between each beam's X dB edge level and the other beam's level at
// that edge. Both beams are 0 dB at their peaks and the edges lie on the 0.5 degree grid
// for X = 3, so the levels are read at samples.
double ExpectedTracking3dB() {
  const double half = kWidth / 2;
  const double mineEdges[] = {kMineCentre - half, kMineCentre + half};
  const double pairEdges[] = {kPairCentre - half, kPairCentre + half};
  double worst = 0;
  for (double a : mineEdges) worst = std::max(worst, std::fabs(-3 - BeamLevel(kPairCentre, a)));
  for (double b : pairEdges) worst = std::max(worst, std::fabs(-3 - BeamLevel(kMineCentre, b)));
  return worst;
}

TEST_F(SlantPair, TrackingInDbModeStopsAtTheFirstDropWithoutCrossings) {
  doc.hPara.THP_mode = 1;
  doc.hPara.THP_XdB = {3, 50, 10};  // 50 dB is below the -40 dB floor: no crossings
  ComputeThp(kPerf, doc, Mine(), doc.hPara);
  const data::ResultList& thp = Mine().result.thp;
  EXPECT_NEAR(thp[0], ExpectedTracking3dB(), 1e-5);
  EXPECT_EQ(thp[1], kUnset);
  EXPECT_EQ(thp[2], kUnset);  // not evaluated after the failure
  EXPECT_GT(Mine().result.thp10dB, 0);
  EXPECT_EQ(Pair().result.hmax, (PatternPoint{-1.5f, 0}));  // stored in the partner's record
}

TEST_F(SlantPair, TrackingInAngleModeComparesTheLevelsAtPlusAndMinusX) {
  doc.hPara.THP_mode = 0;
  doc.hPara.THP_Xdeg = 30;
  ComputeThp(kPerf, doc, Mine(), doc.hPara);
  const double plus = std::fabs(BeamLevel(kMineCentre, 30) - BeamLevel(kPairCentre, 30));
  const double minus = std::fabs(BeamLevel(kMineCentre, -30) - BeamLevel(kPairCentre, -30));
  EXPECT_NEAR(Mine().result.thp[0], std::max(plus, minus), 1e-5);
  EXPECT_EQ(Mine().result.thp[1], kUnset);
}

}  // namespace
}  // namespace lumaret::analysis

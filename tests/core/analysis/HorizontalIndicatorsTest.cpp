#include "analysis/HorizontalIndicators.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>

#include "data/DiagnosticLog.h"
#include "support/CutBuilder.h"
#include "support/TempDir.h"

namespace lumaret::analysis {
namespace {

using data::kUnset;
using data::PatternFile;
using data::PatternPoint;
using data::PointSequence;
using test::CutFromPairs;
using test::GaussianBeam;
using test::SampledCut;

const CPerformance kPerf;
constexpr const char* kFolder = "1700_1900_ANTX65_20261206_A_B";

PatternFile HorizontalFile(PointSequence points, const char* nominal = "0", const char* fileName = nullptr) {
  const std::string name = fileName ? fileName : std::string("P1_p45_h_co_2_") + nominal + "_1710.txt";
  return test::SplitCutFile(kFolder, name, std::move(points));
}

// Peak 0 dB at 0; -3 dB crossed at -1.25 and 1.5.
PointSequence AsymmetricBeam() { return CutFromPairs({{-3, -10}, {-2, -6}, {-1, -2}, {0, 0}, {1, -1}, {2, -5}, {3, -9}}); }

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

TEST(HorizontalBeam, WidthsAndLeanFromTheReferenceLevel) {
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
  // A horizontal record never receives vertical values.
  EXPECT_EQ(f.result.vmax, PatternPoint{});
  EXPECT_EQ(f.result.vmin, PatternPoint{});
}

TEST(HorizontalBeam, CrossingWithoutSlopeLeavesHbwUnset) {
  PatternFile f = HorizontalFile(CutFromPairs({{-3, -12}, {-1, -6}, {-1, -2}, {0, 0}, {1, -1}, {2, -5}, {3, -9}}));
  ComputeHmax(kPerf, f, HPara{});
  EXPECT_EQ(HorizontalBeamWidth(kPerf, f, 3.0), kUnset);
}

TEST(HorizontalXLevels, AbsoluteAnglesRelativeToTheReference) {
  PatternFile f = HorizontalFile(AsymmetricBeam());
  f.result.hmax = {0, -0.5f};
  HPara h;
  h.PX_deg = 2;
  h.NX_deg = 1;
  ComputeXLevels(f, h);
  EXPECT_FLOAT_EQ(f.result.pxLevel, -4.5f);
  EXPECT_FLOAT_EQ(f.result.nxLevel, -1.5f);

  PatternFile coarse = HorizontalFile(SampledCut(-180, 180, 2, GaussianBeam(0, 60, -40)));
  h.PX_deg = 65;
  h.NX_deg = 65;
  ComputeXLevels(coarse, h);
  EXPECT_EQ(coarse.result.pxLevel, kUnset);
  EXPECT_EQ(coarse.result.nxLevel, kUnset);
}

// Main beam at 0; back levels chosen so that each window edge picks a different sample.
PointSequence BackLobeCut() {
  return CutFromPairs({{-180, -25}, {-170, -22}, {-160, -29}, {-150, -35}, {-140, -20}, {-90, -30}, {0, 0},
                       {90, -30}, {140, -10}, {150, -30}, {160, -28}, {170, -26}, {180, -25}});
}

TEST(HorizontalFbrCo, BackWindowReachesToTheSeam) {
  HPara h;
  h.FBR_xdeg = 180;
  h.FBR_tdeg = 30;
  PatternFile f = HorizontalFile(BackLobeCut(), "10");
  f.result.hmax = {0, 0};
  ComputeFbrCo(kPerf, f, h);
  EXPECT_FLOAT_EQ(f.result.fbrCo, 22);  // windows [150, 180] and [-180, -150]

  h.dirRef = 1;  // centred on 190: windows [160, 180] and [-180, -140]
  ComputeFbrCo(kPerf, f, h);
  EXPECT_FLOAT_EQ(f.result.fbrCo, 20);
}

TEST(HorizontalFbrCo, NoFrontToBackDifferenceIsLoggedAndStored) {
  test::TempDir dir;
  data::CDiagnosticLog& log = data::CDiagnosticLog::Instance();
  log.SetFolder(dir.path().string());
  PatternFile f = HorizontalFile(SampledCut(-180, 180, 10, [](double) { return -3.0; }));
  f.result.hmax = {0, -3};
  ComputeFbrCo(kPerf, f, HPara{});
  log.Close();
  log.SetFolder(".");
  EXPECT_EQ(f.result.fbrCo, 0);
  std::ifstream in(dir.path() / "Log.txt", std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  EXPECT_NE(text.str().find("] FBRCO Error! myResult.Hmax.fMag: -3.000000,MaxLevelTemp1:-3.000000,"
                            "MaxLevelTemp2:-3.000000,StartDeg:150.000000,StopDeg:-150.000000,"
                            "Hpara.FBR_xdeg: 180,Hpara.FBR_tdeg: 30\r\n"),
            std::string::npos)
      << text.str();
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

  PatternFile noLobe = HorizontalFile(AsymmetricBeam());
  noLobe.result.hmax = {0, 0};
  ComputeSsMax(noLobe);
  EXPECT_EQ(noLobe.result.ssMaxLobe, (PatternPoint{-3, -10}));  // the first sample
}

TEST(HorizontalRoundness, BothFormulas) {
  PatternFile f = HorizontalFile(CutFromPairs({{0, 0}, {10, -2}, {20, -4}, {30, -10}}));
  ComputeHPeakAndHMin(kPerf, f);
  HPara h;
  h.selSPR = 0;
  ComputeRoundness(f, h);
  EXPECT_FLOAT_EQ(f.result.roundness, 6);  // mean -4: max(0 - -4, |-10 - -4|)
  h.selSPR = 1;
  ComputeRoundness(f, h);
  EXPECT_FLOAT_EQ(f.result.roundness, 5);

  PatternFile flat = HorizontalFile(SampledCut(-180, 180, 10, [](double) { return -7.0; }));
  ComputeHPeakAndHMin(kPerf, flat);
  for (int formula : {0, 1}) {
    h.selSPR = formula;
    ComputeRoundness(flat, h);
    EXPECT_EQ(flat.result.roundness, 0);
  }
}

TEST(HorizontalHps, LastSampleAtSixtyAndZeroWhenAbsent) {
  PatternFile f = HorizontalFile(CutFromPairs({{-60, -9}, {0, 0}, {60, -4}, {60, -7}}));
  ComputeHps(f);
  EXPECT_FLOAT_EQ(f.result.hps, 2);
  PatternFile oneSided = HorizontalFile(CutFromPairs({{0, 0}, {60, -7}}));
  ComputeHps(oneSided);
  EXPECT_FLOAT_EQ(oneSided.result.hps, 7);
}

}  // namespace
}  // namespace lumaret::analysis

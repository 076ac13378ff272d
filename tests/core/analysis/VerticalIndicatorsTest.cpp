#include "analysis/VerticalIndicators.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "data/DiagnosticLog.h"
#include "data/UserMessages.h"
#include "support/CutBuilder.h"
#include "support/TempDir.h"
#include "session/CTessalyUnitDoc.h"

namespace lumaret::analysis {
namespace {

using data::kUnset;
using data::PatternPoint;
using data::PointSequence;
using test::SampledCut;

// A cut sampled every degree from -60 to 60: the given levels, `rest` elsewhere.
PointSequence DegreeCut(const std::map<int, float>& levels, float rest = -30.0f) {
  PointSequence cut;
  for (int a = -60; a <= 60; ++a) {
    const auto it = levels.find(a);
    cut.push_back({static_cast<float>(a), it == levels.end() ? rest : it->second});
  }
  return cut;
}

// Main beam at 0 dB, 0 degrees. Upper side: null at -7 (-22), lobes at -11 (-15.5),
// -18 (-20) and -23 (-25). Lower side: a 0.08 dB ripple at 7, null at 8 (-24), lobe at 11
// (-17).
const std::map<int, float> kLobedLevels = {
    {-24, -26.0f}, {-23, -25.0f}, {-22, -26.0f}, {-21, -28.0f}, {-20, -24.0f}, {-19, -21.0f}, {-18, -20.0f},
    {-17, -21.0f}, {-16, -23.0f}, {-15, -25.0f}, {-14, -21.0f}, {-13, -18.0f}, {-12, -16.0f}, {-11, -15.5f},
    {-10, -16.0f}, {-9, -17.0f},  {-8, -20.0f},  {-7, -22.0f},  {-6, -18.0f},  {-5, -14.0f},  {-4, -10.0f},
    {-3, -6.0f},   {-2, -3.0f},   {-1, -1.0f},   {0, 0.0f},     {1, -0.5f},    {2, -2.0f},    {3, -5.0f},
    {4, -9.0f},    {5, -13.0f},   {6, -19.0f},   {7, -18.92f},  {8, -24.0f},   {9, -21.0f},   {10, -18.0f},
    {11, -17.0f},  {12, -17.5f},  {13, -20.0f},  {14, -25.0f}};

data::PatternFile ElevationFile(PointSequence cut, const std::string& tilt = "2") {
  return test::SplitCutFile("1700_2200_ANT_20261206_A_B", "P1_p45_e_co_" + tilt + "_0_1710.cm", std::move(cut));
}

class VerticalStage : public ::testing::Test {
 protected:
  VerticalStage() : doc_(messages_) { doc_.indicators.SetAll(true); }

  data::PatternFile Analysed(PointSequence cut) {
    data::PatternFile file = ElevationFile(std::move(cut));
    perf_.GetMaxMin(file.points, file.result);
    RunVerticalCoSteps(perf_, doc_, file);
    return file;
  }

  CPerformance perf_;
  data::RecordingMessages messages_;
  session::CTessalyUnitDoc doc_;
};

TEST_F(VerticalStage, SideLobesAndNullsOfAHandMadeCut) {
  const data::PatternFile file = Analysed(DegreeCut(kLobedLevels));
  const data::PerformanceResult& r = file.result;
  EXPECT_EQ(r.fsu, (PatternPoint{-11.0f, 15.5f}));
  EXPECT_EQ(r.fsuLobe, (PatternPoint{-11.0f, -15.5f}));
  EXPECT_EQ(r.ssu, (PatternPoint{-18.0f, 20.0f}));
  EXPECT_EQ(r.tsu, (PatternPoint{-23.0f, 25.0f}));
  EXPECT_EQ(r.fsd, (PatternPoint{11.0f, 17.0f}));
  EXPECT_EQ(r.firstLowerNull, 8.0f);  // the 0.08 dB ripple at 7 does not end the walk
  EXPECT_EQ(r.nf, 19.0f);             // null fill stops at the first rise
  EXPECT_EQ(r.fn, -7.0f);
}

TEST_F(VerticalStage, DeselectedSideLobesStayUnset) {
  doc_.indicators.Set(Indicator::FSU, false);
  doc_.indicators.Set(Indicator::SS, false);
  doc_.vPara.ssRanges = {{"-20", "-15"}};
  const data::PatternFile file = Analysed(DegreeCut(kLobedLevels));
  EXPECT_EQ(file.result.fsu, PatternPoint{});
  // SSU still runs, but starts from the FSU lobe, which was not computed.
  EXPECT_EQ(file.result.ssu, PatternPoint{});
  EXPECT_EQ(file.result.ss, data::UnsetList());
  EXPECT_TRUE(file.ssRangesUsed.empty());
}

// A cut whose only upper lobe lies `lobeAngle` degrees above the maximum.
PointSequence FarLobeCut(int lobeAngle) {
  std::map<int, float> levels;
  const int valley = lobeAngle + 2;
  for (int a = valley; a <= 0; ++a) levels[a] = 20.0f * static_cast<float>(a) / static_cast<float>(-valley);
  levels[lobeAngle + 1] = -18.0f;
  levels[lobeAngle] = -16.0f;
  levels[lobeAngle - 1] = -17.0f;
  for (int a = 1; a <= 60; ++a) levels[a] = -static_cast<float>(a);
  return DegreeCut(levels, -25.0f);
}

TEST_F(VerticalStage, UpperLobeCountsUpToFortyDegrees) {
  EXPECT_EQ(Analysed(FarLobeCut(-40)).result.fsu, (PatternPoint{-40.0f, 16.0f}));
  const data::PatternFile beyond = Analysed(FarLobeCut(-41));
  EXPECT_EQ(beyond.result.fsu, PatternPoint{});
  EXPECT_EQ(beyond.result.ssu, PatternPoint{});
  EXPECT_EQ(beyond.result.tsu, PatternPoint{});
}

TEST_F(VerticalStage, BeamWidthsPeakAndElectricalDowntilt) {
  // 3 dB down at +-5 degrees from 4, 10 dB down at +-9.13.
  data::PatternFile file = Analysed(SampledCut(-180, 180, 0.5, test::GaussianBeam(4.0, 10.0, -40.0)));
  EXPECT_NEAR(file.result.vbw, 10.0f, 0.02f);
  EXPECT_NEAR(file.result.vbwXdB, 2.0 * 10.0 * std::sqrt(10.0 / 12.0), 0.05);
  EXPECT_NEAR(file.result.vbp, 4.0f, 1e-4f);
  EXPECT_NEAR(file.result.ede, 2.0f, 1e-4f);  // peak 4, tilt 2
}

TEST(VerticalEde, FoldsNearTheBackDirection) {
  struct Case {
    double peak;
    std::string tilt;
    float ede;
  };
  const Case cases[] = {{-171.0, "0", 9.0f}, {170.0, "-5", -5.0f}, {-150.0, "10", -160.0f}, {30.0, "2.5", 27.5f}};
  CPerformance perf;
  for (const Case& c : cases) {
    data::PatternFile file = ElevationFile(SampledCut(-180, 180, 0.5, test::GaussianBeam(c.peak, 12.0, -40.0)), c.tilt);
    ComputeEde(perf, file, file.result);
    EXPECT_NEAR(file.result.ede, c.ede, 1e-3f) << "peak " << c.peak << " tilt " << c.tilt;
  }
}

// Samples at -180, -90, 0, 90 and 180 with linear powers 1, 1, 4, 2, 1. With the bound at
// 0 each partial sum weights its own bounds by one half and leaves its last value out:
// P1 = 45 * 4 = 180, P2 = 90 * (4/2 + 1) = 270, P3 = 45 * 2 = 90, VBR = 180 / 540.
TEST(VerticalPowerRatio, HalfWeightsOnlyAtTheSumsOwnBounds) {
  auto dB = [](double p) { return static_cast<float>(10.0 * std::log10(p)); };
  const PointSequence cut = test::CutFromPairs(
      {{-180.0f, dB(1)}, {-90.0f, dB(1)}, {0.0f, dB(4)}, {90.0f, dB(2)}, {180.0f, dB(1)}});
  CPerformance perf;
  EXPECT_NEAR(PowerRatioBelow(perf, cut, 0.0f), 100.0 / 3.0, 1e-4);
}

TEST(VerticalPowerRatio, AllPowerBelowTheHorizonApproachesHundred) {
  // P1 = 179.5 * 90 / 180; P2 and P3 hold little more than the half-weighted 0 dB
  // samples at 0 and 90: 0.5 * 180 / 360 and 0.5 * 90 / 180.
  const PointSequence cut =
      SampledCut(-180, 180, 0.5, [](double a) { return (a >= 0.0 && a <= 90.0) ? 0.0 : -100.0; });
  CPerformance perf;
  EXPECT_NEAR(PowerRatioBelow(perf, cut, 0.0f), 89.75 * 100.0 / 90.25, 1e-3);
  EXPECT_EQ(PowerRatioBelow(perf, test::CutFromPairs({{0.0f, 0.0f}}), 0.0f), kUnset);  // too few samples
}

TEST(VerticalPowerRatio, BoundsOfTheThreeRatios) {
  // Peak at 4; the 10 dB crossing above it lies between -6 (-12 dB) and -5 (-9.72 dB).
  const PointSequence cut = SampledCut(-180, 180, 1.0, test::GaussianBeam(4.0, 10.0, -30.0));
  CPerformance perf;
  data::PerformanceResult r;
  perf.GetMaxMin(cut, r);
  ComputePowerRatios(perf, cut, r);
  EXPECT_EQ(r.vbrR, PowerRatioBelow(perf, cut, 4.0f));
  EXPECT_EQ(r.vbrU, PowerRatioBelow(perf, cut, -1.6f));
  EXPECT_EQ(r.vbr10dB, PowerRatioBelow(perf, cut, -6.0f));
  EXPECT_GT(r.vbrU, r.vbrR);
}

// Cuts for the four cases of the envelope refinement (FSU_env = -35, FSD_env = 35).
struct RefinementCase {
  const char* name;
  std::map<int, float> levels;
  float scope;
  PatternPoint fsu;
};

std::map<int, float> Merge(std::map<int, float> a, const std::map<int, float>& b) {
  a.insert(b.begin(), b.end());
  return a;
}

std::map<int, float> Falling(int from, int to, int step) {
  std::map<int, float> levels;
  for (int a = from; a != to + step; a += step) levels[a] = -static_cast<float>(std::abs(a - from) + 1);
  return levels;
}

TEST(VerticalFsuRefinement, FourCasesOfTheTwoEnvelopeLobes) {
  // Max 0 dB at 2; upper valley at -3, upper lobe U at -6; lower lobe D at 5.
  const std::map<int, float> nearUpper = {{-8, -20.0f}, {-7, -15.0f}, {-6, -14.5f}, {-5, -16.0f},
                                          {-4, -18.0f}, {-3, -20.0f}, {-2, -14.0f}, {-1, -9.0f},
                                          {0, -5.0f},   {1, -2.0f},   {2, 0.0f}};
  const std::map<int, float> nearLower = {{3, -3.0f}, {4, -20.0f}, {5, -16.0f}, {6, -17.0f}, {7, -25.0f}};
  // Max 0 dB at 0; a shallow upper lobe at -4 (the envelope's U) before the 15 dB lobe at -10.
  const std::map<int, float> shallowUpper = {{-12, -30.0f}, {-11, -18.0f}, {-10, -16.0f}, {-9, -17.0f},
                                             {-8, -20.0f},  {-7, -14.0f},  {-6, -10.0f},  {-5, -6.0f},
                                             {-4, -3.0f},   {-3, -3.5f},   {-2, -4.0f},   {-1, -2.0f},
                                             {0, 0.0f}};
  const std::map<int, float> zeroPeakLower = {{0, 0.0f},    {1, -3.0f}, {2, -20.0f},
                                              {3, -16.0f}, {4, -17.0f}, {5, -25.0f}};
  const RefinementCase cases[] = {
      // U and D within 30 degrees, U further out than D and the valley too: the mirror of D.
      {"mirror", Merge(nearUpper, nearLower), 0.0f, {-1.0f, 9.0f}},
      {"scope keeps U", Merge(nearUpper, nearLower), 6.0f, {-6.0f, 14.5f}},
      // U beyond -30 (the upper side only falls): the sample at -A(D).
      {"beyond -30", Merge(Falling(-1, -60, -1), zeroPeakLower), 0.0f, {-3.0f, 3.0f}},
      // D beyond 30 (the lower side only falls): U.
      {"D beyond 30", Merge(shallowUpper, Falling(1, 60, 1)), 0.0f, {-4.0f, 3.0f}},
  };
  for (const RefinementCase& c : cases) {
    data::PatternFile file = ElevationFile(DegreeCut(c.levels, -30.0f));
    CPerformance perf;
    perf.GetMaxMin(file.points, file.result);
    VPara v;
    v.FSU_envcal = 1;
    v.FSU_env = -35.0f;
    v.FSD_env = 35.0f;
    v.env_scope = c.scope;
    IndicatorFlags flags;
    flags.Set(Indicator::FSU, true);
    ComputeFsu(file.points, v, flags, file.result);
    EXPECT_EQ(file.result.fsu, c.fsu) << c.name;
    EXPECT_EQ(file.result.fsuLobe, (PatternPoint{c.fsu.fDeg, -c.fsu.fMag})) << c.name;
  }
}

TEST(VerticalFsuRefinement, BothLobesOutsideLogsAndKeepsFsu) {
  test::TempDir logDir;
  data::CDiagnosticLog& log = data::CDiagnosticLog::Instance();
  const std::string previous = log.FilePath().substr(0, log.FilePath().size() - std::string("/Log.txt").size());
  log.SetFolder(logDir.path().string());
  data::PatternFile file = ElevationFile(DegreeCut(Merge(Falling(-1, -60, -1), Falling(1, 60, 1)), -30.0f));
  file.points[60].fMag = 0.0f;
  CPerformance perf;
  perf.GetMaxMin(file.points, file.result);
  VPara v;
  v.FSU_envcal = 1;
  v.FSU_env = -35.0f;
  v.FSD_env = 35.0f;
  IndicatorFlags flags;
  flags.Set(Indicator::FSU, true);
  ComputeFsu(file.points, v, flags, file.result);
  log.Close();
  log.SetFolder(previous);
  EXPECT_EQ(file.result.fsu, PatternPoint{});
  std::ifstream in(logDir.path() / "Log.txt");
  std::stringstream text;
  text << in.rdbuf();
  EXPECT_NE(text.str().find("] FSU Error! \r\n"), std::string::npos);
}

}  // namespace
}  // namespace lumaret::analysis

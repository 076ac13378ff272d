#include "analysis/VerticalIndicators.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>

#include "data/UserMessages.h"
#include "session/CTessalyUnitDoc.h"
#include "support/CutBuilder.h"
#include "support/LogCapture.h"

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

// Main beam at 0 dB, 0 degrees. Upper side: null at -7 (-22), lobes at -11 (-15.5, the FSU
// lobe), -18 (-20) and -23 (-25), -24 dB at -20. Lower side: a 0.08 dB ripple at 7, first
// lower null at 8 (-24), lobe at 11 (-17).
const std::map<int, float> kLobedLevels = {
    {-24, -26.0f}, {-23, -25.0f}, {-22, -26.0f}, {-21, -28.0f}, {-20, -24.0f}, {-19, -21.0f}, {-18, -20.0f},
    {-17, -21.0f}, {-16, -23.0f}, {-15, -25.0f}, {-14, -21.0f}, {-13, -18.0f}, {-12, -16.0f}, {-11, -15.5f},
    {-10, -16.0f}, {-9, -17.0f},  {-8, -20.0f},  {-7, -22.0f},  {-6, -18.0f},  {-5, -14.0f},  {-4, -10.0f},
    {-3, -6.0f},   {-2, -3.0f},   {-1, -1.0f},   {0, 0.0f},     {1, -0.5f},    {2, -2.0f},    {3, -5.0f},
    {4, -9.0f},    {5, -13.0f},   {6, -19.0f},   {7, -18.92f},  {8, -24.0f},   {9, -21.0f},   {10, -18.0f},
    {11, -17.0f},  {12, -17.5f},  {13, -20.0f},  {14, -25.0f}};

data::PatternFile ElevationFile(PointSequence cut, const std::string& tilt = "2", const std::string& freq = "1710") {
  return test::SplitCutFile("1700_2200_ANT_20261206_A_B", "P1_p45_e_co_" + tilt + "_0_" + freq + ".cm", std::move(cut));
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
  data::PatternFile SideLobes(const std::string& frequency = "1710") {
    data::PatternFile file = ElevationFile(DegreeCut(kLobedLevels), "2", frequency);
    perf_.GetMaxMin(file.points, file.result);
    ComputeFirstLowerNull(file.points, file.result);
    ComputeSideLobeList(perf_, doc_, file);
    return file;
  }

  CPerformance perf_;
  data::RecordingMessages messages_;
  session::CTessalyUnitDoc doc_;
};

TEST_F(VerticalStage, SideLobesAndNullsOfAHandMadeCut) {
  const data::PerformanceResult r = Analysed(DegreeCut(kLobedLevels)).result;
  EXPECT_EQ(r.fsu, (PatternPoint{-11.0f, 15.5f}));
  EXPECT_EQ(r.fsuLobe, (PatternPoint{-11.0f, -15.5f}));
  EXPECT_EQ(r.ssu, (PatternPoint{-18.0f, 20.0f}));
  EXPECT_EQ(r.tsu, (PatternPoint{-23.0f, 25.0f}));
  EXPECT_EQ(r.fsd, (PatternPoint{11.0f, 17.0f}));
  EXPECT_EQ(r.firstLowerNull, 8.0f);  // the 0.08 dB ripple at 7 does not end the walk
  EXPECT_EQ(r.nf, 19.0f);             // null fill stops at the first rise
  EXPECT_EQ(r.fn, -7.0f);
}

TEST_F(VerticalStage, ManualSideLobeRangesKeepTheirBoundsOutOfTheMainBeam) {
  doc_.vPara.ssRanges = {
      {"-20", "-15"},  // plain window: the lobe at -18
      {"-5", "10"},    // start inside the beam above the maximum, end below: [null 8, 10]
      {"-30", "-30"},  // empty range
      {"-5", "5"},     // both bounds moved to the first lower null
      {"-3", "-1"},    // start moved up to the FSU lobe: [-11, -1]
      {"-20", "20"},   // straddles the maximum: the highest level beyond either bound
  };
  const data::PatternFile file = SideLobes();
  EXPECT_EQ(file.result.ss, (data::ResultList{20.0f, 18.0f, kUnset, 24.0f, 1.0f, 24.0f, kUnset, kUnset, kUnset, kUnset}));
  EXPECT_EQ(file.ssRangesUsed, doc_.vPara.ssRanges);
  doc_.vPara.ssRanges.assign(12, {"-20", "-15"});
  for (float v : SideLobes().result.ss) EXPECT_EQ(v, 20.0f);  // at most ten slots
}

TEST_F(VerticalStage, AutomaticSideLobeRangesFromTheEnvelopeOfTheFilesBand) {
  doc_.vPara.automatic = "TRUE";
  doc_.vPara.manual = "FALSE";
  auto addEnvelope = [&](const std::string& key, PointSequence curve) {
    data::AuxRecord& record = doc_.envelopeMap[key];
    record.path = key;
    record.fileName = key.substr(key.rfind('/') + 1);
    record.points = std::move(curve);
  };
  // Sorted before the right one: a cross-polar mask of the band and a mask of another band.
  const PointSequence other = test::CutFromPairs({{-50, -5}, {-30, -9}, {0, 0}});
  addEnvelope("/cfg/config file/1700_2200/v/v-plane xpd.txt", other);
  addEnvelope("/cfg/config file/1600_1690/v/v-plane.txt", other);
  // Knees at -40, -20 and -10; a flat top starts at -35. -40 and -35 are only 5 apart.
  addEnvelope("/cfg/config file/1700_2200/v/v-plane.txt",
              test::CutFromPairs({{-60, -30}, {-40, -30}, {-35, -20}, {-20, -20}, {-10, -15}, {0, 0}}));
  const data::PatternFile file = SideLobes("1710");
  EXPECT_EQ(file.ssRangesUsed, (SideLobeRanges{{"-35.00", "-20.00"}, {"-20.00", "-10.00"}}));
  // [-35, -20]: -24 dB at -20; [-20, -10]: the FSU lobe at -11.
  EXPECT_EQ(file.result.ss, (data::ResultList{24.0f, 15.5f, kUnset, kUnset, kUnset, kUnset, kUnset, kUnset, kUnset, kUnset}));
  EXPECT_TRUE(doc_.vPara.ssRanges.empty());  // the settings keep their own list
  const data::PatternFile outOfBand = SideLobes("2300");
  EXPECT_TRUE(outOfBand.ssRangesUsed.empty());
  EXPECT_EQ(outOfBand.result.ss, data::UnsetList());
  // Without breakpoints the kept list is used; a curve without knees gives none.
  const SideLobeRanges kept = {{"1", "2"}};
  EXPECT_EQ(RangesFromEnvelope({}, kept), kept);
  EXPECT_TRUE(RangesFromEnvelope(test::CutFromPairs({{0.0f, 0.0f}, {1.0f, -1.0f}}), kept).empty());
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
  EXPECT_EQ(PowerRatioBelow(perf, test::CutFromPairs({{0.0f, 0.0f}}), 0.0f), kUnset);  // too few samples
}

std::map<int, float> Merge(std::map<int, float> a, const std::map<int, float>& b) {
  a.insert(b.begin(), b.end());
  return a;
}

std::map<int, float> Falling(int from, int to, int step) {
  std::map<int, float> levels;
  for (int a = from; a != to + step; a += step) levels[a] = -static_cast<float>(std::abs(a - from) + 1);
  return levels;
}

// The envelope refinement with FSU_env = -35 and FSD_env = 35.
PatternPoint RefinedFsu(const std::map<int, float>& levels, float scope) {
  data::PatternFile file = ElevationFile(DegreeCut(levels, -30.0f));
  if (levels.find(0) == levels.end()) file.points[60].fMag = 0.0f;
  CPerformance perf;
  perf.GetMaxMin(file.points, file.result);
  VPara v;
  v.FSU_envcal = 1;
  v.FSU_env = -35.0f;
  v.FSD_env = 35.0f;
  v.env_scope = scope;
  IndicatorFlags flags;
  flags.Set(Indicator::FSU, true);
  ComputeFsu(file.points, v, flags, file.result);
  if (file.result.fsu != PatternPoint{}) {
    EXPECT_EQ(file.result.fsuLobe, (PatternPoint{file.result.fsu.fDeg, -file.result.fsu.fMag}));
  }
  return file.result.fsu;
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
  const std::map<int, float> zeroPeakLower = {{0, 0.0f}, {1, -3.0f}, {2, -20.0f}, {3, -16.0f}, {4, -17.0f}, {5, -25.0f}};
  struct Case {
    const char* name;
    std::map<int, float> levels;
    float scope;
    PatternPoint fsu;
  };
  const Case cases[] = {
      // U and D within 30 degrees, U further out than D and the valley too: the mirror of D.
      {"mirror", Merge(nearUpper, nearLower), 0.0f, {-1.0f, 9.0f}},
      {"scope keeps U", Merge(nearUpper, nearLower), 6.0f, {-6.0f, 14.5f}},
      // U beyond -30 (the upper side only falls): the sample at -A(D).
      {"beyond -30", Merge(Falling(-1, -60, -1), zeroPeakLower), 0.0f, {-3.0f, 3.0f}},
      // D beyond 30 (the lower side only falls): U.
      {"D beyond 30", Merge(shallowUpper, Falling(1, 60, 1)), 0.0f, {-4.0f, 3.0f}},
  };
  for (const Case& c : cases) EXPECT_EQ(RefinedFsu(c.levels, c.scope), c.fsu) << c.name;
}

TEST(VerticalFsuRefinement, BothLobesOutsideLogsAndKeepsFsu) {
  test::LogCapture log;
  EXPECT_EQ(RefinedFsu(Merge(Falling(-1, -60, -1), Falling(1, 60, 1)), 0.0f), PatternPoint{});
  EXPECT_NE(log.Text().find("] FSU Error! \r\n"), std::string::npos);
}

}  // namespace
}  // namespace lumaret::analysis

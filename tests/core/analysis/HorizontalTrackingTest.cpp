#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "session/CTessalyUnitDoc.h"
#include "analysis/HorizontalIndicators.h"
#include "data/UserMessages.h"
#include "support/CutBuilder.h"

namespace lumaret::analysis {
namespace {

using data::kUnset;
using data::PatternFile;
using data::PatternPoint;
using test::GaussianBeam;
using test::SampledCut;

const CPerformance kPerf;
constexpr const char* kFolder = "1700_1900_ANTX65_20261206_A_B";
constexpr double kWidth = 60;  // 3 dB width of both beams

constexpr double kMineCentre = 2.0;
constexpr double kPairCentre = -1.5;

// Level of the test beams (0 dB peak, Gaussian in dB) at an angle.
double BeamLevel(double centre, double angle) { return GaussianBeam(centre, kWidth, -40)(angle); }

// Two slant partners (port 1 +45, port 2 -45) with beams at +2 and -1.5 degrees.
class SlantPair : public ::testing::Test {
 protected:
  PatternFile& Add(const std::string& fileName, double centre) {
    PatternFile f = test::SplitCutFile(kFolder, fileName, SampledCut(-179.5, 180, 0.5, GaussianBeam(centre, kWidth, -40)));
    const std::string key = f.key;
    return doc.patterns[key] = std::move(f);
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

TEST_F(SlantPair, SquintErrorStoresThePartnersValuesInItsOwnRecord) {
  ComputeSquintError(kPerf, doc, Mine());
  EXPECT_FLOAT_EQ(Mine().result.squintError, 3.5f);
  EXPECT_EQ(Mine().result.squint, 2.0f);
  EXPECT_EQ(Pair().result.hpeak, (PatternPoint{-1.5f, 0}));
  EXPECT_EQ(Pair().result.squint, -1.5f);
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
  EXPECT_NE(Mine().result.thp10dB, kUnset);
  EXPECT_EQ(Pair().result.hmax, (PatternPoint{-1.5f, 0}));  // stored in the partner's record
}

TEST_F(SlantPair, TrackingAtTenDbEqualsTheTenDbSlot) {
  doc.hPara.THP_mode = 1;
  doc.hPara.THP_XdB = {3, 10};
  ComputeThp(kPerf, doc, Mine(), doc.hPara);
  EXPECT_EQ(Mine().result.thp[1], Mine().result.thp10dB);
  EXPECT_NE(Mine().result.thp[1], Mine().result.thp[0]);
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

TEST_F(SlantPair, TrackingWithoutPartnerWritesNothing) {
  const std::string pairKey = Pair().key;
  doc.patterns.erase(pairKey);
  Mine().result.thp[0] = 5;
  ComputeThp(kPerf, doc, Mine(), doc.hPara);
  EXPECT_EQ(Mine().result.thp[0], 5);
  EXPECT_EQ(Mine().result.thp10dB, kUnset);
}

}  // namespace
}  // namespace lumaret::analysis

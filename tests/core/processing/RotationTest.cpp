#include "processing/Rotation.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/CutBuilder.h"
#include "session/CTessalyUnitDoc.h"

using namespace lumaret;
using data::PatternFile;
using data::PointSequence;
using processing::RotationMode;

namespace {

constexpr const char* kFolder = "/camp/1700_2200_ANTX65_20261206_A_B";

// A horizontal cut in 0.5-degree steps with its beam at `peak` degrees.
PointSequence BeamAt(double peak) {
  return test::SampledCut(-179.5, 180.0, 0.5, test::GaussianBeam(peak, 65.0, -40.0));
}

class RotationTest : public ::testing::Test {
 protected:
  PatternFile& Add(const std::string& fileName, PointSequence points) {
    return test::AddSplitCut(doc.patterns, kFolder, fileName, std::move(points));
  }
  void Select(const std::vector<std::string>& keys) { doc.currentSelection = keys; }
  void Mode(RotationMode mode, float target = 0, float angle = 0) {
    doc.processing.rotation = {mode, target, angle};
  }
  static float PeakAngle(const PointSequence& cut) {
    return std::max_element(cut.begin(), cut.end(), [](auto& a, auto& b) { return a.fMag < b.fMag; })->fDeg;
  }
  static float LevelAt(const PointSequence& cut, float angle) {
    for (const auto& p : cut)
      if (p.fDeg == angle) return p.fMag;
    return data::kUnset;
  }

  data::RecordingMessages messages;
  session::CTessalyUnitDoc doc{messages};
};

}  // namespace

TEST_F(RotationTest, ToZeroMovesTheHorizontalPeakToZeroAndWrapsTheRest) {
  PatternFile& f = Add("P1_p45_h_co_2_0_1710.cm", BeamAt(30.0));
  f.result.hpeak = {30.0f, 0.0f};
  const float levelAtMinus160 = LevelAt(f.points, -160.0f);
  Select({f.key});
  Mode(RotationMode::ToZero);
  EXPECT_EQ(processing::RotateWithHistory(doc), f.key);
  EXPECT_EQ(PeakAngle(f.points), 0.0f);
  EXPECT_EQ(LevelAt(f.points, 170.0f), levelAtMinus160);  // -160 - 30 = -190, wrapped to 170
  EXPECT_TRUE(std::is_sorted(f.points.begin(), f.points.end(), [](auto& a, auto& b) { return a.fDeg < b.fDeg; }));
  EXPECT_EQ(f.result.hpeak.fDeg, 0.0f) << "the file is analysed again";
  EXPECT_EQ(f.switches[2], 0);
}

TEST_F(RotationTest, ByAngleWrapsOncePassSubtractionFirst) {
  PatternFile& f = Add("P1_p45_h_co_2_0_1710.cm",
                       test::CutFromPairs({{-179.5f, -30}, {0.25f, -1}, {0.5f, 0}, {90.0f, -10}}));
  Select({f.key});
  Mode(RotationMode::ByAngle, 0, -180.0f);
  processing::RotateWithHistory(doc);
  // 0.25 - 180 = -179.75 < -179.5 becomes 180.25 and is not wrapped again; 0.5 - 180 stays.
  EXPECT_EQ(LevelAt(f.points, 180.25f), -1.0f);
  EXPECT_EQ(LevelAt(f.points, -179.5f), 0.0f);
  EXPECT_EQ(LevelAt(f.points, 0.5f), -30.0f);  // -179.5 - 180 + 360
}

TEST_F(RotationTest, NonRotateAfterTwoRotationsRestoresTheOriginalPoints) {
  PatternFile& f = Add("P1_p45_h_co_2_0_1710.cm", BeamAt(30.0));
  const PointSequence original = f.points;
  Select({f.key});
  Mode(RotationMode::ByAngle, 0, 12.5f);
  processing::RotateWithHistory(doc);
  Mode(RotationMode::ToZero);
  processing::RotateWithHistory(doc);
  ASSERT_NE(f.points, original);
  Mode(RotationMode::NonRotate);
  processing::RotateWithHistory(doc);
  EXPECT_EQ(f.points, original);
}

TEST_F(RotationTest, MissingCoPolarPartnerIsReportedAndModeZeroTurnsNothing) {
  PatternFile& cr = Add("P1_p45_h_cr_2_0_1710.cm", BeamAt(-50.0));
  const PointSequence before = cr.points;
  Select({cr.key});
  Mode(RotationMode::ToZero);
  processing::RotateWithHistory(doc);
  EXPECT_EQ(cr.points, before);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, processing::kNoMainPolarizationMessage);
}

TEST_F(RotationTest, NominalDirectionComesFromTheTiltOfAnElevationCut) {
  PatternFile& e = Add("P1_p45_e_co_6_0_1710.cm", BeamAt(2.0));
  e.result.vmax = {2.0f, 0.0f};
  Select({e.key});
  Mode(RotationMode::ToNominal);
  processing::RotateWithHistory(doc);
  EXPECT_EQ(PeakAngle(e.points), 6.0f);
}

TEST_F(RotationTest, RotateSelectionKeepsABackupAndNeitherWrapsNorSorts) {
  PatternFile& a = Add("P1_p45_h_co_2_0_1710.cm", test::CutFromPairs({{170, -3}, {175, 0}, {180, -2}}));
  PatternFile& b = Add("P1_p45_h_co_2_0_1880.cm", test::CutFromPairs({{0, -1}, {5, 0}}));
  a.result.hpeak = {175.0f, 0.0f};
  b.result.hpeak = {5.0f, 0.0f};
  const PointSequence aBefore = a.points, bBefore = b.points;
  Select({a.key, "/not/loaded.cm", b.key});
  Mode(RotationMode::ByAngle, 0, 10.0f);
  processing::RotateSelection(doc);
  EXPECT_EQ(a.points[2].fDeg, 190.0f) << "no wrap";
  EXPECT_EQ(a.secondPoints, aBefore);
  EXPECT_EQ(b.secondPoints, bBefore);
  EXPECT_EQ(a.switches[2], 1);
  EXPECT_EQ(a.result.hpeak.fDeg, 175.0f) << "no re-analysis";

  Mode(RotationMode::NonRotate);
  const PointSequence aTurned = a.points;
  b.secondPoints.reset();
  processing::RotateSelection(doc);
  EXPECT_EQ(a.points, aTurned);
  EXPECT_EQ(a.secondPoints, aTurned) << "the first file is backed up";
  EXPECT_FALSE(b.secondPoints.has_value()) << "the walk ends after the first file";
}

TEST_F(RotationTest, DialogTextsThatAreNotNumbersGiveZero) {
  processing::ConfirmRotationDialog(doc, RotationMode::ToDirection, "abc", "12.5deg");
  EXPECT_EQ(doc.processing.rotation.targetDirection, 0.0f);
  EXPECT_EQ(doc.processing.rotation.rotationAngle, 12.5f);
  EXPECT_EQ(doc.processing.rotation.mode, RotationMode::ToDirection);
}

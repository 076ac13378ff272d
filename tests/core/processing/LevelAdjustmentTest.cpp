#include "processing/LevelAdjustment.h"

#include <gtest/gtest.h>

#include "processing/MainPolarization.h"
#include "support/CutBuilder.h"
#include "support/TempDir.h"
#include "session/CTessalyUnitDoc.h"

using namespace lumaret;
using data::PatternFile;
using data::PointSequence;

namespace {

constexpr const char* kFolder = "/camp/1700_2200_ANTX65_20261206_A_B";

class LevelAdjustmentTest : public ::testing::Test {
 protected:
  void SetUp() override { doc.settings.SetPath((dir.path() / "Config.xml").string()); }

  PatternFile& Add(const std::string& fileName, PointSequence points) {
    return test::AddSplitCut(doc.patterns, kFolder, fileName, std::move(points));
  }
  static PointSequence Beam(double peakDb) {
    return test::SampledCut(-179.5, 180.0, 0.5, [peakDb](double a) {
      return peakDb + test::GaussianBeam(0.0, 65.0, -40.0)(a);
    });
  }
  void Confirm(bool overall, const std::string& left, const std::string& right, bool deltaMode, float value,
               const std::vector<std::string>& keys) {
    processing::LevelDialogInput in;
    in.overall = overall;
    in.leftText = left;
    in.rightText = right;
    in.deltaMode = deltaMode;
    (deltaMode ? in.adjustedValue : in.adjustToLevel) = value;
    in.chosenKeys = keys;
    processing::ConfirmLevelDialog(doc, in);
  }

  test::TempDir dir;
  data::RecordingMessages messages;
  session::CTessalyUnitDoc doc{messages};
};

}  // namespace

TEST_F(LevelAdjustmentTest, AdjustToZeroRaisesACutPeakedAtMinus3Point2) {
  PatternFile& f = Add("P1_p45_h_co_2_0_1710.cm", Beam(-3.2));
  const PointSequence before = f.points;
  Confirm(true, "-30", "30", false, 0.0f, {f.key});
  const auto markers = processing::ApplyLevelAdjustment(doc);
  ASSERT_TRUE(markers.has_value());
  for (std::size_t i = 0; i < before.size(); ++i) {
    EXPECT_EQ(f.points[i].fDeg, before[i].fDeg);
    EXPECT_NEAR(f.points[i].fMag - before[i].fMag, 3.2f, 1e-5);
  }
  EXPECT_NEAR(markers->max.fMag, 0.0f, 1e-5);
  EXPECT_EQ(markers->max.fDeg, 0.0f);
}

TEST_F(LevelAdjustmentTest, SectorChangesOnlyPointsStrictlyInsideAndIsPersisted) {
  PatternFile& f = Add("P1_p45_h_co_2_0_1710.cm", test::CutFromPairs({{-31, -9}, {-30, -8}, {0, 0}, {30, -8}, {31, -9}}));
  Confirm(false, "-30", "30", true, -2.0f, {f.key});
  ASSERT_TRUE(processing::ApplyLevelAdjustment(doc).has_value());
  const float expected[] = {-9, -8, -2, -8, -9};
  for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(f.points[i].fMag, expected[i]) << i;

  const processing::LevelDialogState stored = processing::LoadLevelDialogState(doc.settings);
  EXPECT_FALSE(stored.overall);
  EXPECT_EQ(stored.leftText, "-30");
  EXPECT_EQ(doc.settings.Read("IDC_RADIO_PART", processing::kLevelSection), "TRUE");
}

TEST_F(LevelAdjustmentTest, CrossPolarCutKeepsItsDistanceToTheCoPolarCut) {
  Add("P1_p45_h_co_2_0_1710.cm", Beam(-1.0));
  PatternFile& cr = Add("P1_p45_h_cr_2_0_1710.cm", Beam(-25.0));
  const float before = cr.points[359].fMag;
  Confirm(true, "", "", false, 0.0f, {cr.key});
  processing::ApplyLevelAdjustment(doc);
  EXPECT_NEAR(cr.points[359].fMag - before, 1.0f, 1e-5);
}

TEST_F(LevelAdjustmentTest, NothingChangesWithoutALoadedChosenFileOrWithoutAReferenceMaximum) {
  PatternFile& cr = Add("P1_p45_h_cr_2_0_1710.cm", Beam(-25.0));
  const PointSequence before = cr.points;
  Confirm(true, "", "", true, 5.0f, {"/not/loaded.cm"});
  EXPECT_FALSE(processing::ApplyLevelAdjustment(doc).has_value());
  EXPECT_EQ(cr.points, before);

  // A co-polar file without points has no maximum: "adjust to" must not move by 999 dB.
  PatternFile& empty = Add("P2_m45_h_co_2_0_1710.cm", {});
  Confirm(true, "", "", false, 0.0f, {empty.key});
  EXPECT_FALSE(processing::ApplyLevelAdjustment(doc).has_value());
}

TEST(LevelValues, TheTwoDecibelEntriesMustBeNumbers) {
  const struct {
    const char* adjusted;
    const char* adjustTo;
    int badEntry;
  } cases[] = {{"-2", " 3.5 ", -1}, {"", "0", 0}, {"1x", "0", 0}, {"nan", "0", 0},
               {"1", "abc", 1},     {"1", "1e39", 1}};
  for (const auto& c : cases) {
    const processing::ParsedLevelValues p = processing::ParseLevelValues(c.adjusted, c.adjustTo);
    EXPECT_EQ(p.badEntry, c.badEntry) << c.adjusted << " / " << c.adjustTo;
    EXPECT_EQ(p.message.empty(), c.badEntry < 0);
  }
  const processing::ParsedLevelValues ok = processing::ParseLevelValues("-2", " 3.5 ");
  EXPECT_FLOAT_EQ(ok.adjustedValue, -2.0f);
  EXPECT_FLOAT_EQ(ok.adjustToLevel, 3.5f);
}

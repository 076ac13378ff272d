#include "exports/DataSection.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/exports/WriterFixture.h"
#include "support/CutBuilder.h"

namespace lumaret::exports {
namespace {

using test::CutFromPairs;
using test::SampledCut;

// Every line of a section ends with CRLF.
std::vector<std::string> Lines(const std::string& text) {
  EXPECT_TRUE(text.empty() || text.ends_with("\r\n"));
  return test::CrlfLines(text);
}

// A level that differs at every angle and is easy to predict: -(mapped angle) / 10.
double Ramp(double angle) { return -(angle < 0 ? angle + 360.0 : angle) / 10.0; }

TEST(DataSectionTest, IntegerCutWritesSortedAttenuationBelowThePeak) {
  const std::vector<std::string> lines = Lines(DataSection(SampledCut(-179, 180, 1, Ramp), 0.0f));
  ASSERT_EQ(lines.size(), 360u);
  EXPECT_EQ(lines[0], "0.00 0.00");
  EXPECT_EQ(lines[180], "180.00 18.00");
  EXPECT_EQ(lines[181], "181.00 18.10");  // stored as -179
  EXPECT_EQ(lines[359], "359.00 35.90");  // stored as -1
}

TEST(DataSectionTest, PeakShiftsEveryValue) {
  const std::vector<std::string> lines = Lines(DataSection(SampledCut(-179, 180, 1, Ramp), 2.5f));
  EXPECT_EQ(lines[0], "0.00 2.50");
  EXPECT_EQ(lines[10], "10.00 3.50");
}

TEST(DataSectionTest, HalfDegreePointsAreLeftOut) {
  // Half-degree samples carry a level far off the line, so any use of them shows.
  data::PointSequence cut = SampledCut(-179.5, 180, 0.5, [](double a) {
    return a == std::floor(a) ? Ramp(a) : -80.0;
  });
  const std::vector<std::string> lines = Lines(DataSection(cut, 0.0f));
  ASSERT_EQ(lines.size(), 360u);
  EXPECT_EQ(lines[1], "1.00 0.10");
  EXPECT_EQ(lines[359], "359.00 35.90");
}

TEST(DataSectionTest, MinusAndPlus180CollapseToOneLineFirstStoredKept) {
  data::PointSequence cut = SampledCut(-179, 179, 1, Ramp);
  cut.insert(cut.begin(), {-180.0f, -7.0f});
  cut.push_back({180.0f, -9.0f});
  const std::vector<std::string> lines = Lines(DataSection(cut, 0.0f));
  ASSERT_EQ(lines.size(), 360u);
  EXPECT_EQ(lines[180], "180.00 7.00");
}

// A cut rotated by a fraction of a degree has no sample at an integer angle; every
// integer angle then gets the straight line between its neighbours.
TEST(DataSectionTest, CutRotatedByAFractionIsInterpolated) {
  const data::PointSequence cut = SampledCut(-179.75, 179.25, 1, [](double a) { return -std::fabs(a) / 10.0; });
  const std::vector<float> levels = LevelsAtIntegerAngles(cut);
  ASSERT_EQ(levels.size(), 360u);
  EXPECT_NEAR(levels[10], -1.0f, 1e-5);    // between 9.25 and 10.25
  EXPECT_NEAR(levels[0], -0.0375f, 1e-5);  // 3/4 of the way from -0.75 to 0.25: the line, not a sample
  EXPECT_NEAR(levels[350], -1.0f, 1e-5);   // -10 lies between -10.75 and -9.75
  // 180 lies between 179.25 and -179.75 (180.25): the wrap across +-180.
  EXPECT_NEAR(levels[180], -(17.925 + 0.75 * (17.975 - 17.925)), 1e-5);
  EXPECT_EQ(Lines(DataSection(cut, 0.0f)).size(), 360u);
}

TEST(DataSectionTest, TwoDegreeCutFillsTheOddAngles) {
  const data::PointSequence cut = SampledCut(-178, 180, 2, Ramp);
  const std::vector<std::string> lines = Lines(DataSection(cut, 0.0f));
  ASSERT_EQ(lines.size(), 360u);
  EXPECT_EQ(lines[2], "2.00 0.20");
  EXPECT_EQ(lines[3], "3.00 0.30");
  // 359 lies between 358 (stored -2, level -35.8) and 360 (stored 0, level 0).
  EXPECT_EQ(lines[359], "359.00 17.90");
}

TEST(DataSectionTest, PartialCutWrapsAcrossTheGap) {
  const data::PointSequence cut = CutFromPairs({{-90, -20}, {0, 0}, {90, -10}});
  const std::vector<float> levels = LevelsAtIntegerAngles(cut);
  ASSERT_EQ(levels.size(), 360u);
  EXPECT_FLOAT_EQ(levels[45], -5.0f);
  EXPECT_FLOAT_EQ(levels[180], -15.0f);  // halfway from 90 (-10) to 270 (-20)
  EXPECT_FLOAT_EQ(levels[315], -10.0f);
}

TEST(DataSectionTest, AngleOf360MeetsZeroAndEmptyCutWritesNothing) {
  const data::PointSequence cut = CutFromPairs({{0, -1}, {180, -5}, {360, -3}});
  EXPECT_FLOAT_EQ(LevelsAtIntegerAngles(cut)[0], -1.0f);
  EXPECT_EQ(DataSection({}, 0.0f), "");
  EXPECT_FLOAT_EQ(LevelsAtIntegerAngles(CutFromPairs({{12.5f, -4}}))[300], -4.0f);
}

}  // namespace
}  // namespace lumaret::exports

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

// A level that differs at every angle and is easy to predict: -(mapped angle) / 10.
double Ramp(double angle) { return -(angle < 0 ? angle + 360.0 : angle) / 10.0; }

data::PointSequence WithSeamSamples() {
  data::PointSequence cut = SampledCut(-179, 179, 1, Ramp);
  cut.insert(cut.begin(), {-180.0f, -7.0f});
  cut.push_back({180.0f, -9.0f});
  return cut;
}

TEST(DataSectionTest, SectionsHold360SortedLinesOfAttenuationBelowThePeak) {
  struct Case {
    const char* name;
    data::PointSequence cut;
    float peak;
    std::vector<std::pair<int, std::string>> lines;
  };
  const Case cases[] = {
      {"integer cut", SampledCut(-179, 180, 1, Ramp), 0.0f,
       {{0, "0.00 0.00"}, {180, "180.00 18.00"}, {181, "181.00 18.10"}, {359, "359.00 35.90"}}},
      {"peak shifts every value", SampledCut(-179, 180, 1, Ramp), 2.5f, {{0, "0.00 2.50"}, {10, "10.00 3.50"}}},
      // Half-degree samples carry a level far off the line, so any use of them shows.
      {"half-degree points are left out",
       SampledCut(-179.5, 180, 0.5, [](double a) { return a == std::floor(a) ? Ramp(a) : -80.0; }), 0.0f,
       {{1, "1.00 0.10"}, {359, "359.00 35.90"}}},
      {"-180 and 180 collapse to one line, the first stored kept", WithSeamSamples(), 0.0f, {{180, "180.00 7.00"}}},
      // 359 lies between 358 (stored -2, level -35.8) and 360 (stored 0, level 0).
      {"two-degree cut fills the odd angles", SampledCut(-178, 180, 2, Ramp), 0.0f,
       {{2, "2.00 0.20"}, {3, "3.00 0.30"}, {359, "359.00 17.90"}}},
  };
  for (const Case& c : cases) {
    const std::string text = DataSection(c.cut, c.peak);
    EXPECT_TRUE(text.ends_with("\r\n")) << c.name;
    const std::vector<std::string> lines = test::CrlfLines(text);
    ASSERT_EQ(lines.size(), 360u) << c.name;
    for (const auto& [index, line] : c.lines) EXPECT_EQ(lines[index], line) << c.name;
  }
  EXPECT_EQ(DataSection({}, 0.0f), "");
}

TEST(DataSectionTest, IntegerAnglesWithoutASampleGetTheLineBetweenTheirNeighbours) {
  // A cut rotated by a fraction of a degree has no sample at an integer angle.
  const std::vector<float> turned =
      LevelsAtIntegerAngles(SampledCut(-179.75, 179.25, 1, [](double a) { return -std::fabs(a) / 10.0; }));
  ASSERT_EQ(turned.size(), 360u);
  EXPECT_NEAR(turned[10], -1.0f, 1e-5);    // between 9.25 and 10.25
  EXPECT_NEAR(turned[0], -0.0375f, 1e-5);  // 3/4 of the way from -0.75 to 0.25: the line, not a sample
  EXPECT_NEAR(turned[350], -1.0f, 1e-5);   // -10 lies between -10.75 and -9.75
  // 180 lies between 179.25 and -179.75 (180.25): the wrap across +-180.
  EXPECT_NEAR(turned[180], -(17.925 + 0.75 * (17.975 - 17.925)), 1e-5);

  // A partial cut wraps across its gap; 360 meets 0; a single sample fills everything.
  const std::vector<float> partial = LevelsAtIntegerAngles(CutFromPairs({{-90, -20}, {0, 0}, {90, -10}}));
  EXPECT_FLOAT_EQ(partial[45], -5.0f);
  EXPECT_FLOAT_EQ(partial[180], -15.0f);  // halfway from 90 (-10) to 270 (-20)
  EXPECT_FLOAT_EQ(partial[315], -10.0f);
  EXPECT_FLOAT_EQ(LevelsAtIntegerAngles(CutFromPairs({{0, -1}, {180, -5}, {360, -3}}))[0], -1.0f);
  EXPECT_FLOAT_EQ(LevelsAtIntegerAngles(CutFromPairs({{12.5f, -4}}))[300], -4.0f);
}

}  // namespace
}  // namespace lumaret::exports

#include "display/PlotMapping.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace lumaret::display;

namespace {

// Polar plot START 0, END -40 in a 560 x 560 client area: r = 200 px, centre at (280, 280).
PlotState PolarState(bool normalised = false) {
  DrawSetting setting;
  setting.rmStart = 0;
  setting.rmEnd = -40;
  return MakePlotState(CoordinateMode::Polar, setting, normalised);
}

PlotState CartesianState() { return MakePlotState(CoordinateMode::Cartesian, DrawSetting{}, false); }

constexpr int kSide = 560;
constexpr PixelPoint kCentre{280, 280};

PixelPoint PolarPixel(const PlotState& s, float angle, float level, float offset = 0.0f) {
  return LogicalToPixel(PolarScreenMapping(s, kSide, kSide), PolarPoint(s, angle, level, offset));
}

}  // namespace

TEST(PlotMapping, PolarSamplesLandWhereTheClockwiseDialPutsThem) {
  const PlotState s = PolarState();
  ASSERT_EQ(PolarPixelRadius(kSide, kSide), 200);
  struct Case {
    float angle, level;
    PixelPoint expected;
  };
  const Case cases[] = {
      {90.0f, -20.0f, {380, 280}},   // half way out, to the right
      {0.0f, -20.0f, {280, 180}},    // straight up
      {180.0f, -20.0f, {280, 380}},  // straight down
      {270.0f, -20.0f, {180, 280}},  // left
      {45.0f, -20.0f, {350, 209}},   // up and to the right
      {37.0f, -50.0f, kCentre},      // below END: on the centre
      {0.0f, 3.0f, {280, 80}},       // above START: on the outer circle
  };
  for (const auto& c : cases) EXPECT_EQ(PolarPixel(s, c.angle, c.level), c.expected) << c.angle << " " << c.level;
}

TEST(PlotMapping, NormalisedMaximumSitsOnTheOuterCircle) {
  const PlotState s = PolarState(true);
  EXPECT_EQ(PolarPixel(s, 0.0f, -12.5f, -12.5f), (PixelPoint{280, 80}));
  EXPECT_EQ(CartesianY(CartesianState(), -12.5f, -12.5f), 0);
}

TEST(PlotMapping, CartesianXNudgesTruncatesAndWraps) {
  struct Case {
    float angle;
    int x;
  };
  const Case cases[] = {
      {180.0f, 1800}, {181.0f, -1790}, {-0.04f, 0},     {-181.0f, 1790}, {0.0f, 0},          {-180.0f, -1800},
      {12.34f, 123},  {-12.34f, -123}, {540.0f, 1800},  {-540.0f, -1800},
  };
  for (const auto& c : cases) EXPECT_EQ(CartesianX(c.angle), c.x) << c.angle;
  // A huge angle still lands on the plot instead of overflowing.
  EXPECT_LE(std::abs(CartesianX(1e30f)), 1800);
}

TEST(PlotMapping, CartesianLevelsAreClampedToThePlot) {
  const PlotState s = CartesianState();
  EXPECT_EQ(CartesianY(s, 5.0f, 0.0f), 0);
  EXPECT_EQ(CartesianY(s, -60.0f, 0.0f), -5000);
  EXPECT_EQ(CartesianY(s, -12.345f, 0.0f), -1234);
}

TEST(PlotMapping, PixelToLogicalInvertsTheMapping) {
  const PlotMapping m = CartesianScreenMapping(CartesianState(), 850, 550);
  EXPECT_EQ(PixelToLogical(m, {30, 25}), (LogicalPoint{-1800, 0}));
  EXPECT_EQ(PixelToLogical(m, {430, 275}), (LogicalPoint{0, -2500}));
  // 1 pixel = 4.5 tenths of a degree: truncated toward zero.
  EXPECT_EQ(PixelToLogical(m, {31, 25}).x, -1796);
  PlotMapping degenerate = m;
  degenerate.viewportExtX = 0;
  EXPECT_EQ(PixelToLogical(degenerate, {500, 25}).x, -1800);
}

TEST(PlotMapping, PolarCursorReadsAngleClockwiseFromTheTop) {
  const PlotState s = PolarState();
  const PlotMapping m = PolarScreenMapping(s, kSide, kSide);
  struct Case {
    PixelPoint mouse;
    float angle, level;
    bool outside;
  };
  const Case cases[] = {
      {{180, 280}, -90.0f, -20.0f, false},  // left of the centre
      {{380, 280}, 90.0f, -20.0f, false},   // right of the centre
      {{280, 180}, 0.0f, -20.0f, false},    // above
      {{280, 380}, 180.0f, -20.0f, false},  // below
      {{280, 60}, 0.0f, 4.0f, true},        // beyond the outer circle
  };
  for (const auto& c : cases) {
    const CursorReadout r = ReadCursor(s, m, c.mouse);
    EXPECT_NEAR(r.angle, c.angle, 1e-4) << c.mouse.x << "," << c.mouse.y;
    EXPECT_NEAR(r.level, c.level, 1e-4);
    EXPECT_EQ(r.outside, c.outside);
  }
  EXPECT_EQ(ReadCursor(s, m, {380, 280}).markInformation, "90.0\xC2\xB0\xE3\x80\x80-20.00dB\xE3\x80\x80");
}

TEST(PlotMapping, CartesianCursorIsOutsideBeyondAnyEdge) {
  const PlotState s = CartesianState();
  const PlotMapping m = CartesianScreenMapping(s, 850, 550);
  const CursorReadout inside = ReadCursor(s, m, {430, 275});
  EXPECT_FLOAT_EQ(inside.angle, 0.0f);
  EXPECT_FLOAT_EQ(inside.level, -25.0f);
  EXPECT_FALSE(inside.outside);
  EXPECT_TRUE(ReadCursor(s, m, {430, 20}).outside);   // above START
  EXPECT_TRUE(ReadCursor(s, m, {430, 540}).outside);  // below END
  EXPECT_TRUE(ReadCursor(s, m, {20, 275}).outside);   // left of -180
}

#include "analysis/CPerformance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "support/CutBuilder.h"

namespace lumaret::analysis {
namespace {

using data::kUnset;
using data::PatternPoint;
using data::PointSequence;
using test::CutFromPairs;
using test::SampledCut;

const CPerformance kPerf;

TEST(GetMaxMin, KeepsTheEarliestOfEqualExtremes) {
  const PointSequence cut = CutFromPairs({{-10, -5}, {0, -1}, {10, -1}, {20, -7}, {30, -7}});
  data::PerformanceResult r;
  kPerf.GetMaxMin(cut, r);
  EXPECT_EQ(r.vmax, (PatternPoint{0, -1}));
  EXPECT_EQ(r.vmin, (PatternPoint{20, -7}));
}

TEST(GetMaxMin, EmptyCutLeavesTheResultAlone) {
  data::PerformanceResult r;
  r.vmax = {1, 2};
  kPerf.GetMaxMin({}, r);
  EXPECT_EQ(r.vmax, (PatternPoint{1, 2}));
  EXPECT_EQ(r.vmin, PatternPoint{});
}

struct WindowCase {
  const char* name;
  double a, b;
  float level, angle;
};

TEST(GetWindowMax, WindowsOverOneCut) {
  // Two equal maxima at -10 and 10, a lower lobe at 150 and the seam samples at +-180.
  const PointSequence cut = CutFromPairs(
      {{-180, -20}, {-170, -25}, {-10, -2}, {0, -4}, {10, -2}, {150, -12}, {170, -30}, {180, -18}});
  const WindowCase cases[] = {
      {"flat top reports the mean angle", -30, 30, -2, 0},
      {"one of the two maxima", -15, 5, -2, -10},
      {"bounds in either order", 5, -15, -2, -10},
      {"both bounds inclusive", 150, 180, -12, 150},
      {"seam side of the back window", -180, -150, -20, -180},
      {"nothing above the first sample: the first sample", 160, 175, -20, -180},
  };
  for (const auto& c : cases) {
    float level = 1, angle = 1;
    kPerf.GetWindowMax(cut, c.a, c.b, level, angle);
    EXPECT_EQ(level, c.level) << c.name;
    EXPECT_EQ(angle, c.angle) << c.name;
  }
}

TEST(GetWindowMax, BoundsAreComparedWithoutRoundingToFloat) {
  const PointSequence cut = CutFromPairs({{0, -9}, {10, -1}, {20, -5}});
  float level = 0, angle = 0;
  // 10.0000001 rounds to the float 10, but as a bound it lies above the sample at 10.
  kPerf.GetWindowMax(cut, 10.0000001, 30, level, angle);
  EXPECT_EQ(level, -5);
  EXPECT_EQ(angle, 20);
}

TEST(GetLevelAtAngle, ExactInterpolatedAndOutside) {
  const PointSequence cut = CutFromPairs({{0, -2}, {10, -6}, {10, -9}, {20, -4}});
  struct Case {
    float angle, expected;
  } cases[] = {{0, -2}, {2.5f, -3}, {10, -6}, {15, -6.5f}, {20, -4}, {25, 42}, {-1, 42}};
  for (const auto& c : cases) {
    float level = 42;
    kPerf.GetLevelAtAngle(cut, c.angle, level);
    EXPECT_FLOAT_EQ(level, c.expected) << "at " << c.angle;
  }
}

TEST(Integrate, SumsTheFirstNValuesOverTheSpan) {
  const std::vector<double> values{1, 2, 3, 4};
  EXPECT_DOUBLE_EQ(kPerf.Integrate(values, -10, 10, 3), 40.0);
  EXPECT_DOUBLE_EQ(kPerf.Integrate(values, 10, -10, 3), 40.0);
  EXPECT_EQ(kPerf.Integrate(values, -10, 10, 0), kUnset);
  EXPECT_EQ(kPerf.Integrate(values, -10, 10, 5), kUnset);
}

TEST(RotateCut, HalfTurnOfAHalfDegreeCutKeepsItsAngles) {
  const PointSequence cut = SampledCut(-179.5, 180, 0.5, [](double a) { return a / 10; });
  PointSequence turned = cut;
  kPerf.RotateCut(turned, 180);
  ASSERT_EQ(turned.size(), cut.size());
  for (std::size_t i = 0; i < cut.size(); ++i) EXPECT_EQ(turned[i].fDeg, cut[i].fDeg);
  // The sample that stood at 0 now stands at 180, the one at -90 at 90.
  EXPECT_EQ(turned.back(), (PatternPoint{180, 0}));
  EXPECT_EQ(turned[539], (PatternPoint{90, -9}));
  kPerf.RotateCut(turned, -180);
  EXPECT_EQ(turned, cut);
}

TEST(RotateCut, WrapsDownwardFirstThenUpward) {
  PointSequence cut = CutFromPairs({{0.25f, -1}, {0.5f, -2}, {-0.5f, -3}, {10, -4}});
  kPerf.RotateCut(cut, -180);
  // -179.75 is lifted to 180.25 and stays there; -179.5 is inside the range.
  EXPECT_EQ(cut, CutFromPairs({{-179.5f, -2}, {-170, -4}, {179.5f, -3}, {180.25f, -1}}));
  PointSequence up = CutFromPairs({{0.5f, -1}, {-10, -2}});
  kPerf.RotateCut(up, 180);
  EXPECT_EQ(up, CutFromPairs({{-179.5f, -1}, {170, -2}}));
}

// The ordering as the selection passes describe it, one pass per sample.
PointSequence SortBySelectionPasses(const PointSequence& cut) {
  PointSequence out;
  float previous = -9999.0f;
  std::size_t picked = 0;
  for (std::size_t pass = 0; pass < cut.size(); ++pass) {
    float best = 9999.0f;
    for (std::size_t i = 0; i < cut.size(); ++i) {
      if (cut[i].fDeg > previous && cut[i].fDeg < best) {
        best = cut[i].fDeg;
        picked = i;
      }
    }
    if (best != 9999.0f) previous = best;
    out.push_back(cut[picked]);
  }
  return out;
}

TEST(SortCut, RepeatedAnglesKeepTheFirstSampleAndRepeatTheLastPick) {
  PointSequence cut = CutFromPairs({{5, -1}, {1, -2}, {5, -3}, {1, -4}, {3, -5}});
  kPerf.SortCut(cut);
  EXPECT_EQ(cut, CutFromPairs({{1, -2}, {3, -5}, {5, -1}, {5, -1}, {5, -1}}));
}

TEST(SortCut, EqualsTheSelectionPassesOnRandomCutsWithRepeats) {
  std::mt19937 rng(20261206);
  std::uniform_int_distribution<int> angleIndex(0, 12);
  std::uniform_real_distribution<float> level(-40.0f, 0.0f);
  std::uniform_int_distribution<int> length(1, 40);
  const float angles[] = {-180, -179.5f, -90, -0.0f, 0.0f, 0.5f, 1, 2.25f, 45, 90, 179.5f, 180, 180.25f};
  for (int trial = 0; trial < 500; ++trial) {
    PointSequence cut;
    const int n = length(rng);
    for (int i = 0; i < n; ++i) cut.push_back({angles[angleIndex(rng)], level(rng)});
    const PointSequence expected = SortBySelectionPasses(cut);
    kPerf.SortCut(cut);
    ASSERT_EQ(cut, expected) << "trial " << trial;
    // -0 and 0 compare equal; the first of them in position order must be the one kept.
    for (std::size_t i = 0; i < cut.size(); ++i) {
      ASSERT_EQ(std::signbit(cut[i].fDeg), std::signbit(expected[i].fDeg)) << "trial " << trial;
    }
  }
}

}  // namespace
}  // namespace lumaret::analysis

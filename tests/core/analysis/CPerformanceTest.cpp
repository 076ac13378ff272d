#include "analysis/CPerformance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>
#include <vector>

#include "support/CutBuilder.h"

namespace lumaret::analysis {
namespace {

using data::kUnset;
using data::PatternPoint;
using data::PointSequence;
using test::AsymmetricBeam;
using test::CutFromPairs;

const CPerformance kPerf;

TEST(GetMaxMin, KeepsTheEarliestOfEqualExtremesAndIgnoresAnEmptyCut) {
  const PointSequence cut = CutFromPairs({{-10, -5}, {0, -1}, {10, -1}, {20, -7}, {30, -7}});
  data::PerformanceResult r;
  kPerf.GetMaxMin(cut, r);
  EXPECT_EQ(r.vmax, (PatternPoint{0, -1}));
  EXPECT_EQ(r.vmin, (PatternPoint{20, -7}));
  kPerf.GetMaxMin({}, r);  // an empty cut leaves the result alone
  EXPECT_EQ(r.vmax, (PatternPoint{0, -1}));
}

TEST(GetWindowMax, WindowsOverOneCut) {
  // Two equal maxima at -10 and 10, a lower lobe at 150 and the seam samples at +-180.
  const PointSequence cut = CutFromPairs(
      {{-180, -20}, {-170, -25}, {-10, -2}, {0, -4}, {10, -2}, {150, -12}, {170, -30}, {180, -18}});
  const struct {
    const char* name;
    double a, b;
    float level, angle;
  } cases[] = {
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

CutIdentity Names(const char* polarization, const char* cutWord) {
  data::PatternFile file;
  file.nameFields[data::kFieldPolarization] = polarization;
  file.nameFields[data::kFieldCut] = cutWord;
  file.nameFields[data::kFieldComponent] = "co";
  file.kind = data::ClassifyCut(file.nameFields);
  return IdentityOf(file);
}

TEST(GetXdBAngles, InterpolatesBothCrossingsFromTheCutsReference) {
  // An elevation cut starts at its maximum and stores its extremes.
  PointSequence cut = AsymmetricBeam();
  data::PerformanceResult r;
  float a1 = 7, a2 = 7;
  kPerf.GetXdBAngles(cut, r, Names("p45", "e"), 3.0, a1, a2);
  EXPECT_FLOAT_EQ(a1, -1.25f);
  EXPECT_FLOAT_EQ(a2, 1.5f);
  EXPECT_EQ(r.vmax, (PatternPoint{0, 0}));
  EXPECT_EQ(r.vmin, (PatternPoint{-3, -10}));

  // A horizontal cut starts at its reference level (that of the sample at 1 degree) and
  // leaves the vertical fields unset.
  data::PerformanceResult h;
  h.hmax = {1, -1};
  kPerf.GetXdBAngles(cut, h, Names("p45", "h"), 3.0, a1, a2);
  EXPECT_FLOAT_EQ(a1, -1.5f);
  EXPECT_FLOAT_EQ(a2, 1.75f);
  EXPECT_EQ(h.vmax, PatternPoint{});
  EXPECT_EQ(h.vbp, kUnset);
}

TEST(FitPeak, ParabolaThroughThePeakAndItsNeighbours) {
  struct Case {
    const char* name;
    PointSequence cut;
    float x0, y0;
    double angle, level;
  } cases[] = {
      {"symmetric half-degree peak", CutFromPairs({{9.5f, -1}, {10, 0}, {10.5f, -1}}), 10, 0, 10, 0},
      {"one-degree data uses the nearest samples", CutFromPairs({{9, -2.5f}, {10, -0.5f}, {11, -1.5f}}), 10, -0.5f,
       10 + 1.0 / 6, -0.5 + 1.0 / 24},
      {"samples at exactly +-0.5 win over nearer ones",
       CutFromPairs({{9.5f, -2}, {9.75f, -0.2f}, {10, 0}, {10.25f, -0.9f}, {10.5f, -1}}), 10, 0, 10 + 1.0 / 12,
       1.0 / 24},
      {"no sample below the peak", CutFromPairs({{10, 0}, {10.5f, -1}}), 10, 0, 10, 0},
      {"collinear points have no vertex", CutFromPairs({{9, -2}, {10, -1}, {11, 0}}), 10, -1, 10, -1},
  };
  for (const auto& c : cases) {
    float angle = 99, level = 99;
    kPerf.FitPeak(c.cut, c.x0, c.y0, angle, level);
    EXPECT_NEAR(angle, c.angle, 1e-5) << c.name;
    EXPECT_NEAR(level, c.level, 1e-5) << c.name;
  }
}

TEST(ComputeVBP, FindsTheTrueBeamPeakOnOneDegreeData) {
  // A Gaussian beam is a parabola in dB, so the refinement recovers its centre exactly.
  const PointSequence cut = test::SampledCut(-180, 180, 1, test::GaussianBeam(0.3, 10, -40));
  data::PerformanceResult r;
  kPerf.ComputeVBP(cut, r);
  EXPECT_EQ(r.vmax.fDeg, 0.0f);
  EXPECT_NEAR(r.vbp, 0.3, 1e-4);
}

// A combined-file cut: 0 ... 180, then -179 ... -1 degrees.
void AppendMsiCut(PointSequence& seq, const std::function<double(double)>& level) {
  for (int i = 0; i < 360; ++i) {
    const double angle = i <= 180 ? i : i - 360;
    seq.push_back({static_cast<float>(angle), static_cast<float>(level(angle))});
  }
}

// Falls `lowerSlope` dB per degree below `centre` and `upperSlope` above it, floored at -30.
std::function<double(double)> Wedge(double centre, double lowerSlope, double upperSlope) {
  return [=](double a) {
    const double d = a - centre;
    return std::max(d < 0 ? d * lowerSlope : -d * upperSlope, -30.0);
  };
}

TEST(GetMsi3dBWidth, BeamsAcrossTheSeamAndAwayFromIt) {
  PointSequence seq;
  AppendMsiCut(seq, Wedge(0, 1 / 6.4, 0.1));    // -3 dB at -19.2 and +30, across the seam
  AppendMsiCut(seq, Wedge(90, 1 / 6.4, 0.25));  // -3 dB at 70.8 and 102
  data::PerformanceResult r;
  r.hpeak = {0, 0};
  r.vmax = {90, 0};
  kPerf.GetMsi3dBWidth(seq, r);
  EXPECT_NEAR(r.hbw, 49.2, 1e-4);
  EXPECT_NEAR(r.vbw, 31.2, 1e-4);

  // Beam centred on -30 whose upper edge (-0.5) lies between -1 and 0 degrees: the crossing
  // pairs with the start sample. No vertical cut: the vertical width stays.
  PointSequence one;
  AppendMsiCut(one, Wedge(-30, 3 / 29.5, 3 / 29.5));
  r.hpeak = {-30, 0};
  r.vbw = 12;
  kPerf.GetMsi3dBWidth(one, r);
  EXPECT_NEAR(r.hbw, 59.0, 1e-4);
  EXPECT_EQ(r.vbw, 12);
}

TEST(GetMsi3dBWidth, UnfoundCrossingLeavesTheWidthUnset) {
  PointSequence seq;
  AppendMsiCut(seq, [](double) { return -1.0; });
  AppendMsiCut(seq, [](double) { return -1.0; });
  data::PerformanceResult r;
  r.hpeak = {0, -1};
  r.vmax = {0, -1};
  r.hbw = 65;
  kPerf.GetMsi3dBWidth(seq, r);
  EXPECT_EQ(r.hbw, kUnset);
  EXPECT_EQ(r.vbw, kUnset);
}

}  // namespace
}  // namespace lumaret::analysis

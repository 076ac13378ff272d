#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "analysis/CPerformance.h"
#include "support/CutBuilder.h"

namespace lumaret::analysis {
namespace {

using data::kUnset;
using data::PatternPoint;
using data::PointSequence;
using test::CutFromPairs;
using test::GaussianBeam;
using test::SampledCut;

const CPerformance kPerf;

CutIdentity Names(const char* polarization, const char* cutWord) {
  data::PatternFile file;
  file.nameFields[data::kFieldPolarization] = polarization;
  file.nameFields[data::kFieldCut] = cutWord;
  file.nameFields[data::kFieldComponent] = "co";
  file.kind = data::ClassifyCut(file.nameFields);
  return IdentityOf(file);
}

// Peak 0 dB at 0; -3 dB crossed at -1.25 (between -2 and -1) and 1.5 (between 1 and 2).
PointSequence AsymmetricBeam() { return CutFromPairs({{-3, -10}, {-2, -6}, {-1, -2}, {0, 0}, {1, -1}, {2, -5}, {3, -9}}); }

TEST(GetXdBAngles, ElevationCutInterpolatesBothCrossingsAndStoresItsExtremes) {
  PointSequence cut = AsymmetricBeam();
  data::PerformanceResult r;
  float a1 = 7, a2 = 7;
  kPerf.GetXdBAngles(cut, r, Names("p45", "e"), 3.0, a1, a2);
  EXPECT_FLOAT_EQ(a1, -1.25f);
  EXPECT_FLOAT_EQ(a2, 1.5f);
  EXPECT_EQ(r.vmax, (PatternPoint{0, 0}));
  EXPECT_EQ(r.vmin, (PatternPoint{-3, -10}));
}

TEST(GetXdBAngles, HorizontalCutStartsAtTheReferenceLevelAndKeepsVerticalFieldsUnset) {
  PointSequence cut = AsymmetricBeam();
  data::PerformanceResult r;
  r.hmax = {1, -1};  // the reference level is that of the sample at 1 degree
  float a1 = 7, a2 = 7;
  kPerf.GetXdBAngles(cut, r, Names("p45", "h"), 3.0, a1, a2);
  EXPECT_FLOAT_EQ(a1, -1.5f);
  EXPECT_FLOAT_EQ(a2, 1.75f);
  EXPECT_EQ(r.vmax, PatternPoint{});
  EXPECT_EQ(r.vmin, PatternPoint{});
  EXPECT_EQ(r.vbp, kUnset);
}

TEST(GetXdBAngles, ReportsZeroPairWhenNoCrossingPairExists) {
  struct Case {
    const char* name;
    PointSequence cut;
    double x;
  } cases[] = {
      {"only the first sample is below the threshold", CutFromPairs({{-2, -10}, {-1, -1}, {0, 0}, {1, -1}, {2, -10}}), 3},
      {"upper side never drops", CutFromPairs({{-2, -10}, {-1, -1}, {0, 0}, {1, -1}, {2, -2}}), 3},
      {"drop below 0.1 dB", AsymmetricBeam(), 0.05},
      {"repeated angle at the crossing gives no slope",
       CutFromPairs({{-3, -12}, {-1, -6}, {-1, -2}, {0, 0}, {1, -1}, {2, -5}, {3, -9}}), 3},
  };
  for (auto& c : cases) {
    data::PerformanceResult r;
    float a1 = 7, a2 = 7;
    kPerf.GetXdBAngles(c.cut, r, Names("p45", "e"), c.x, a1, a2);
    EXPECT_EQ(a1, 0.0f) << c.name;
    EXPECT_EQ(a2, 0.0f) << c.name;
  }
}

struct V90Case {
  const char* name;
  const char* polarization;
  double beamCentre;
  float angle1, angle2;
};

TEST(GetXdBAngles, VerticalPolarizationTurnsTheCutForTheSearchAndBack) {
  const V90Case cases[] = {
      {"v90 peaked at -90 is searched turned by +180", "V90", -90, 85, 95},
      {"v90 peaked at +90 is searched turned by -180", "v90", 90, -95, -85},
      {"slant polarization is never turned", "p45", -90, -95, -85},
  };
  for (const auto& c : cases) {
    const PointSequence original = SampledCut(-179.5, 180, 0.5, GaussianBeam(c.beamCentre, 10, -40));
    PointSequence cut = original;
    data::PerformanceResult r;
    float a1 = 0, a2 = 0;
    kPerf.GetXdBAngles(cut, r, Names(c.polarization, "e"), 3.0, a1, a2);
    EXPECT_FLOAT_EQ(a1, c.angle1) << c.name;
    EXPECT_FLOAT_EQ(a2, c.angle2) << c.name;
    EXPECT_EQ(cut, original) << c.name;
  }
}

struct FitCase {
  const char* name;
  PointSequence cut;
  float x0, y0;
  double angle, level;
};

TEST(FitPeak, ParabolaThroughThePeakAndItsNeighbours) {
  const FitCase cases[] = {
      {"symmetric half-degree peak", CutFromPairs({{9.5f, -1}, {10, 0}, {10.5f, -1}}), 10, 0, 10, 0},
      {"asymmetric half-degree peak", CutFromPairs({{9.5f, -2}, {10, 0}, {10.5f, -1}}), 10, 0, 10 + 1.0 / 12, 1.0 / 24},
      {"one-degree data uses the nearest samples", CutFromPairs({{9, -2.5f}, {10, -0.5f}, {11, -1.5f}}), 10, -0.5f,
       10 + 1.0 / 6, -0.5 + 1.0 / 24},
      {"uneven neighbours", CutFromPairs({{8, -4}, {10, 0}, {11, -1}}), 10, 0, 10, 0},
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
    EXPECT_TRUE(std::isfinite(angle) && std::isfinite(level)) << c.name;
  }
}

TEST(ComputeVBP, FindsTheTrueBeamPeakOnOneDegreeData) {
  // A Gaussian beam is a parabola in dB, so the refinement recovers its centre exactly.
  const PointSequence cut = SampledCut(-180, 180, 1, GaussianBeam(0.3, 10, -40));
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
}

TEST(GetMsi3dBWidth, CrossingAtMinusOneDegreePairsWithTheStartSample) {
  // Beam centred on -30 whose upper edge (-0.5) lies between -1 and 0 degrees.
  PointSequence seq;
  AppendMsiCut(seq, Wedge(-30, 3 / 29.5, 3 / 29.5));
  data::PerformanceResult r;
  r.hpeak = {-30, 0};
  r.vbw = 12;
  kPerf.GetMsi3dBWidth(seq, r);
  EXPECT_NEAR(r.hbw, 59.0, 1e-4);
  EXPECT_EQ(r.vbw, 12);  // no vertical cut
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

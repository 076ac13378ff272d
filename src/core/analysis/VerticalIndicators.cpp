#include "analysis/VerticalIndicators.h"

#include <cmath>
#include <vector>

#include "analysis/StoredValue.h"
#include "analysis/VerticalWalks.h"
#include "data/DataLine.h"

namespace lumaret::analysis {

using data::kUnset;
using data::PatternPoint;
using data::PerformanceResult;
using data::PointSequence;
using namespace vertical;

namespace {

constexpr double kBeamDrop = 3.0;
constexpr float kHorizonLimit = 90.0f;
constexpr float kCutEnd = 180.0f;
constexpr float kCutStart = -180.0f;
constexpr float kUpperTiltOffset = 5.6f;  // VBR(u): the bound lies this far above the maximum
constexpr double kTenDbDrop = 10.0;
constexpr double kWalkLimitDeg = 40.0;
constexpr double kNullRise = 0.25;  // a rise beyond this ends a null walk
constexpr double kLobeDescentFloor = 15.0;
constexpr double kDescentRise = 0.1;
constexpr double kLowerClimbRise = 0.05;
constexpr double kEdeFold = 160.0;
constexpr double kHalfTurn = 180.0;

float BeamWidth(const CPerformance& perf, data::PatternFile& file, double drop) {
  float angle1 = 0.0f;
  float angle2 = 0.0f;
  perf.GetXdBAngles(file.points, file.result, IdentityOf(file), drop, angle1, angle2);
  if (angle1 == 0.0f && angle2 == 0.0f) return kUnset;
  return StoredValue(std::fabs(static_cast<double>(angle1) - angle2));
}

double LinearPower(const PatternPoint& p) { return std::pow(10.0, static_cast<double>(p.fMag) / 10.0); }

// One partial sum: full weight strictly between lo and hi, half weight at exactly lo or
// hi, nothing elsewhere; integrated over [lo, hi] with the last collected value left out.
double PartialPower(const CPerformance& perf, const std::vector<const PatternPoint*>& walk, float lo, float hi) {
  std::vector<double> values;
  for (const PatternPoint* p : walk) {
    if (p->fDeg == lo || p->fDeg == hi) {
      values.push_back(LinearPower(*p) / 2.0);
    } else if (lo < p->fDeg && p->fDeg < hi) {
      values.push_back(LinearPower(*p));
    }
  }
  return perf.Integrate(values, lo, hi, static_cast<int>(values.size()) - 1);
}

// VBR(10dB)'s bound: the last sample above the maximum that lies more than 10 dB below it
// while the next sample lies less than 10 dB below; 0 when there is none.
float TenDbBound(const PointSequence& cut, const PatternPoint& vmax) {
  float bound = 0.0f;
  for (Index i = 0; i + 1 < cut.size(); ++i) {
    if (cut[i].fDeg < vmax.fDeg && Rise(vmax, cut[i]) < -kTenDbDrop && Rise(vmax, cut[i + 1]) > -kTenDbDrop) {
      bound = cut[i].fDeg;
    }
  }
  return bound;
}

// A null walk from the maximum, one sample at a time in `direction` (+1 lower, -1 upper):
// it stops at the end of the cut, beyond 40 degrees from the maximum, or before the first
// step that rises by more than `riseLimit`. Returns the sample where it stopped.
Index WalkToNull(const PointSequence& cut, Index m, float maxAngle, int direction, double riseLimit) {
  Index i = m;
  for (;;) {
    const bool atEnd = direction > 0 ? i + 1 == cut.size() : i == 0;
    if (atEnd || std::fabs(AngleFrom(cut[i], maxAngle)) > kWalkLimitDeg) return i;
    const Index next = direction > 0 ? i + 1 : i - 1;
    if (Rise(cut[i], cut[next]) > riseLimit) return i;
    i = next;
  }
}

// The null found by a walk, or nothing when the cut is empty, the maximum is not a sample
// of it, or the null lies more than 40 degrees from the maximum.
std::optional<Index> NullOf(const PointSequence& cut, const PerformanceResult& result, int direction,
                            double riseLimit) {
  const std::optional<Index> m = FirstAtLevel(cut, result.vmax.fMag);
  if (!m) return std::nullopt;
  const Index null = WalkToNull(cut, *m, result.vmax.fDeg, direction, riseLimit);
  if (std::fabs(AngleFrom(cut[null], result.vmax.fDeg)) > kWalkLimitDeg) return std::nullopt;
  return null;
}

// FSD's search towards larger angles: descend while the next level stays above the
// maximum less 15 dB or rises by no more than 0.1 dB, then climb while each step rises by
// at least 0.05 dB. Never beyond 40 degrees below the maximum; the last sample is never a
// lobe.
std::optional<Index> FindLowerLobe(const PointSequence& cut, Index m, const PatternPoint& vmax) {
  const Index last = cut.size() - 1;
  Index i = m;
  for (;;) {
    if (i == last || AngleFrom(cut[i], vmax.fDeg) > kWalkLimitDeg) return std::nullopt;
    if (Rise(vmax, cut[i + 1]) > -kLobeDescentFloor || Rise(cut[i], cut[i + 1]) <= kDescentRise) {
      ++i;
      continue;
    }
    break;
  }
  Index k = i;
  while (k != last && AngleFrom(cut[k], vmax.fDeg) <= kWalkLimitDeg && Rise(cut[k], cut[k + 1]) >= kLowerClimbRise) {
    ++k;
  }
  if (k == last || AngleFrom(cut[k], vmax.fDeg) > kWalkLimitDeg) return std::nullopt;
  return k;
}

}  // namespace

void ComputeBeamWidths(const CPerformance& perf, const VPara& vPara, data::PatternFile& file) {
  if (file.points.empty()) return;
  file.result.vbw = BeamWidth(perf, file, kBeamDrop);
  file.result.vbwXdB = BeamWidth(perf, file, vPara.VBW_XdB);
  perf.ComputeVBP(file.points, file.result);
}

float PowerRatioBelow(const CPerformance& perf, const PointSequence& cut, float bound) {
  std::vector<const PatternPoint*> forward;
  std::vector<const PatternPoint*> backward;
  for (const PatternPoint& p : cut) forward.push_back(&p);
  backward.assign(forward.rbegin(), forward.rend());
  const double p1 = PartialPower(perf, forward, bound, kHorizonLimit);
  const double p2 = PartialPower(perf, backward, kCutStart, bound);
  const double p3 = PartialPower(perf, forward, kHorizonLimit, kCutEnd);
  if (p1 == kUnset || p2 == kUnset || p3 == kUnset) return kUnset;
  const double total = p1 + p2 + p3;
  if (total == 0.0) return kUnset;
  return StoredValue(p1 * 100.0 / total);
}

void ComputePowerRatios(const CPerformance& perf, const PointSequence& cut, PerformanceResult& result) {
  if (cut.empty()) return;
  const PatternPoint vmax = result.vmax;
  result.vbrR = PowerRatioBelow(perf, cut, vmax.fDeg);
  result.vbrU = PowerRatioBelow(perf, cut, static_cast<float>(static_cast<double>(vmax.fDeg) - kUpperTiltOffset));
  result.vbr10dB = PowerRatioBelow(perf, cut, TenDbBound(cut, vmax));
}

void ComputeEde(const CPerformance& perf, const data::PatternFile& file, PerformanceResult& result) {
  if (file.points.empty()) return;
  perf.GetMaxMin(file.points, result);
  float vertexAngle = 0.0f;
  float vertexLevel = 0.0f;
  perf.FitPeak(file.points, result.vmax.fDeg, result.vmax.fMag, vertexAngle, vertexLevel);
  const float tilt = static_cast<float>(data::LeadingNumber(file.nameFields[10]));
  double ede = static_cast<double>(vertexAngle) - tilt;
  if (-kHalfTurn < ede && ede < -kEdeFold) {
    ede += kHalfTurn;
  } else if (kEdeFold < ede && ede < kHalfTurn) {
    ede -= kHalfTurn;
  }
  result.ede = StoredValue(ede);
}

void ComputeFsd(const PointSequence& cut, PerformanceResult& result) {
  if (cut.empty()) return;
  const std::optional<Index> m = FirstAtLevel(cut, result.vmax.fMag);
  const std::optional<Index> lobe = m ? FindLowerLobe(cut, *m, result.vmax) : std::nullopt;
  result.fsd = lobe ? PatternPoint{cut[*lobe].fDeg, Suppression(result.vmax.fMag, cut[*lobe].fMag)} : PatternPoint{};
}

void ComputeFirstLowerNull(const PointSequence& cut, PerformanceResult& result) {
  if (cut.empty()) return;
  const std::optional<Index> null = NullOf(cut, result, +1, kNullRise);
  result.firstLowerNull = null ? cut[*null].fDeg : kUnset;
}

void ComputeNullFill(const PointSequence& cut, PerformanceResult& result) {
  if (cut.empty()) return;
  const std::optional<Index> null = NullOf(cut, result, +1, 0.0);
  result.nf = null ? Suppression(result.vmax.fMag, cut[*null].fMag) : kUnset;
}

void ComputeFirstUpperNull(const PointSequence& cut, PerformanceResult& result) {
  if (cut.empty()) return;
  const std::optional<Index> null = NullOf(cut, result, -1, kNullRise);
  result.fn = null ? cut[*null].fDeg : kUnset;
}

void RunVerticalCoSteps(const CPerformance& perf, const AnalysisDocument& doc, data::PatternFile& file) {
  if (file.points.empty()) return;
  const PointSequence& cut = file.points;
  PerformanceResult& result = file.result;
  ComputeBeamWidths(perf, doc.vPara, file);
  ComputePowerRatios(perf, cut, result);
  ComputeEde(perf, file, result);
  ComputeFsu(cut, doc.vPara, doc.indicators, result);
  ComputeFsd(cut, result);
  ComputeFirstLowerNull(cut, result);
  ComputeNullFill(cut, result);
  ComputeFirstUpperNull(cut, result);
  ComputeSideLobeList(perf, doc, file);
  ComputeSsu(cut, doc.vPara, doc.indicators, result);
  ComputeTsu(cut, doc.vPara, doc.indicators, result);
}

}  // namespace lumaret::analysis

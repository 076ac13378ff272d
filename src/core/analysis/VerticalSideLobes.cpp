// The upper side lobes of an elevation cut: FSU with its envelope refinement, SSU, TSU.
#include <cmath>

#include "analysis/StoredValue.h"
#include "analysis/VerticalIndicators.h"
#include "analysis/VerticalWalks.h"
#include "data/DiagnosticLog.h"

namespace lumaret::analysis {

using data::kUnset;
using data::PatternPoint;
using data::PerformanceResult;
using data::PointSequence;
using namespace vertical;

namespace {

constexpr double kWalkLimitDeg = 40.0;
constexpr double kDescentRise = 0.1;
constexpr double kClimbDrop = 0.05;
constexpr double kFsuFloor = 15.0;  // FSU's descent goes on while within 15 dB of the maximum
constexpr double kNextLobeFloor = 3.0;  // SSU and TSU: within 3 dB of the previous lobe
constexpr float kRefinementEdge = 30.0f;
constexpr double kMirrorTolerance = 0.001;

void SetFsu(PerformanceResult& result, const PatternPoint& lobe) {
  result.fsu = {lobe.fDeg, Suppression(result.vmax.fMag, lobe.fMag)};
  result.fsuLobe = lobe;
}

// The refinement's walks from the maximum, bounded by `limit` degrees on either side and
// by the ends of the cut. `direction` is -1 towards smaller angles, +1 towards larger.
struct BoundedWalk {
  const PointSequence& cut;
  float maxAngle;
  double limit;
  int direction;

  bool CanStep(Index i) const {
    const bool atEnd = direction < 0 ? i == 0 : i + 1 == cut.size();
    return !atEnd && std::fabs(AngleFrom(cut[i], maxAngle)) <= limit;
  }
  Index Next(Index i) const { return direction < 0 ? i - 1 : i + 1; }
  // Steps on while the next level rises by no more than `maxRise`.
  Index Descend(Index i, double maxRise) const {
    while (CanStep(i) && Rise(cut[i], cut[Next(i)]) <= maxRise) i = Next(i);
    return i;
  }
  // Steps on while each step drops by no more than 0.05 dB.
  Index Climb(Index i) const {
    while (CanStep(i) && -Rise(cut[i], cut[Next(i)]) <= kClimbDrop) i = Next(i);
    return i;
  }
};

// The last sample whose angle lies within 0.001 degrees of the target.
std::optional<Index> LastNearAngle(const PointSequence& cut, double target) {
  std::optional<Index> found;
  for (Index i = 0; i < cut.size(); ++i) {
    if (std::fabs(static_cast<double>(cut[i].fDeg) - target) < kMirrorTolerance) found = i;
  }
  return found;
}

std::optional<Index> FirstAtExactAngle(const PointSequence& cut, double target) {
  for (Index i = 0; i < cut.size(); ++i) {
    if (static_cast<double>(cut[i].fDeg) == target) return i;
  }
  return std::nullopt;
}

// Compares the upper lobe U (found within FSU_env, after the valley V1) with the lower lobe
// D (within FSD_env) and may replace the FSU lobe. The first case that holds applies.
void RefineWithEnvelope(const PointSequence& cut, Index m, const VPara& vPara, PerformanceResult& result) {
  const float maxAngle = result.vmax.fDeg;
  const BoundedWalk up{cut, maxAngle, std::fabs(static_cast<double>(vPara.FSU_env)), -1};
  const BoundedWalk down{cut, maxAngle, std::fabs(static_cast<double>(vPara.FSD_env)), +1};
  const Index valley = up.Descend(m, 0.0);
  const PatternPoint upper = cut[up.Climb(valley)];
  const PatternPoint lower = cut[down.Climb(down.Descend(m, kDescentRise))];

  const double toUpper = std::fabs(static_cast<double>(maxAngle) - upper.fDeg);
  const double toLower = std::fabs(static_cast<double>(maxAngle) - lower.fDeg);
  const double toValley = std::fabs(static_cast<double>(maxAngle) - cut[valley].fDeg);

  if (upper.fDeg >= -kRefinementEdge && lower.fDeg <= kRefinementEdge) {
    if (toUpper > toLower + vPara.env_scope && toValley > toLower) {
      const double mirror = -std::fabs(2.0 * maxAngle - lower.fDeg);
      if (const std::optional<Index> i = FirstAtExactAngle(cut, mirror)) SetFsu(result, cut[*i]);
    } else {
      SetFsu(result, upper);
    }
  } else if (upper.fDeg <= -kRefinementEdge && lower.fDeg <= kRefinementEdge) {
    if (const std::optional<Index> i = LastNearAngle(cut, -static_cast<double>(lower.fDeg))) SetFsu(result, cut[*i]);
  } else if (upper.fDeg > -kRefinementEdge && lower.fDeg > kRefinementEdge) {
    SetFsu(result, upper);
  } else if (upper.fDeg < -kRefinementEdge && lower.fDeg > kRefinementEdge) {
    LUMARET_LOG("FSU Error! \r\n");
  }
}

// The lobe above the one stored at `previousAngle`: the search starts at the first sample
// at that angle and descends while within 3 dB of that sample's level.
std::optional<Index> NextUpperLobe(const PointSequence& cut, const PatternPoint& vmax, float previousAngle) {
  const std::optional<Index> start = FirstAtAngle(cut, previousAngle);
  if (!start) return std::nullopt;
  return FindUpperLobe(cut, *start, vmax.fDeg, cut[*start].fMag, kNextLobeFloor);
}

PatternPoint SuppressionPoint(const PointSequence& cut, const PatternPoint& vmax, std::optional<Index> lobe) {
  if (!lobe) return PatternPoint{};
  return {cut[*lobe].fDeg, Suppression(vmax.fMag, cut[*lobe].fMag)};
}

}  // namespace

namespace vertical {

std::optional<Index> FindUpperLobe(const PointSequence& cut, Index start, float maxAngle, float floorLevel,
                                   double floorDrop) {
  Index i = start;
  for (;;) {
    if (i == 0 || AngleFrom(cut[i], maxAngle) < -kWalkLimitDeg) return std::nullopt;
    const PatternPoint& next = cut[i - 1];
    const bool aboveFloor = static_cast<double>(next.fMag) - floorLevel > -floorDrop;
    if (!aboveFloor && Rise(cut[i], next) > kDescentRise) break;
    --i;
  }
  Index k = i;
  while (k != 0 && AngleFrom(cut[k], maxAngle) >= -kWalkLimitDeg && -Rise(cut[k], cut[k - 1]) <= kClimbDrop) --k;
  if (k == 0 || AngleFrom(cut[k], maxAngle) < -kWalkLimitDeg) return std::nullopt;
  return k;
}

float Suppression(float maxLevel, float lobeLevel) {
  return StoredValue(std::fabs(static_cast<double>(maxLevel) - lobeLevel));
}

}  // namespace vertical

void ComputeFsu(const PointSequence& cut, const VPara& vPara, const IndicatorFlags& flags, PerformanceResult& result) {
  if (!flags.IsSet(Indicator::FSU) || cut.empty()) return;
  result.fsu = PatternPoint{};
  result.fsuLobe = PatternPoint{};
  const std::optional<Index> m = FirstAtLevel(cut, result.vmax.fMag);
  if (!m) return;
  if (const std::optional<Index> lobe = FindUpperLobe(cut, *m, result.vmax.fDeg, result.vmax.fMag, kFsuFloor)) {
    SetFsu(result, cut[*lobe]);
  }
  if (vPara.FSU_envcal != 0) RefineWithEnvelope(cut, *m, vPara, result);
}

void ComputeSsu(const PointSequence& cut, const VPara& vPara, const IndicatorFlags& flags, PerformanceResult& result) {
  if (!flags.IsSet(Indicator::SSU) || cut.empty()) return;
  ComputeFsu(cut, vPara, flags, result);
  result.ssu = SuppressionPoint(cut, result.vmax, NextUpperLobe(cut, result.vmax, result.fsuLobe.fDeg));
}

void ComputeTsu(const PointSequence& cut, const VPara& vPara, const IndicatorFlags& flags, PerformanceResult& result) {
  if (!flags.IsSet(Indicator::TSU) || cut.empty()) return;
  ComputeSsu(cut, vPara, flags, result);
  result.tsu = SuppressionPoint(cut, result.vmax, NextUpperLobe(cut, result.vmax, result.ssu.fDeg));
}

}  // namespace lumaret::analysis

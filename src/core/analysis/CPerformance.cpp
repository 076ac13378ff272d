#include "analysis/CPerformance.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numeric>

#include "analysis/StoredValue.h"

namespace lumaret::analysis {

namespace {

// Bounds of the selection passes that order a cut: a pass only considers angles strictly
// between them.
constexpr float kSortFloor = -9999.0f;
constexpr float kSortCeiling = 9999.0f;

float WrapAfterRotation(float angle) {
  // Applied one after the other: an angle pushed above 180 comes down first, and only
  // then is an angle below -179.5 lifted.
  if (angle > 180.0f) angle -= 360.0f;
  if (angle < -179.5f) angle += 360.0f;
  return angle;
}

}  // namespace

void CPerformance::GetMaxMin(const PointSequence& cut, PerformanceResult& result) const {
  if (cut.empty()) return;
  const PatternPoint* maxPoint = &cut.front();
  const PatternPoint* minPoint = &cut.front();
  for (const PatternPoint& p : cut) {
    if (p.fMag > maxPoint->fMag) maxPoint = &p;
    if (p.fMag < minPoint->fMag) minPoint = &p;
  }
  result.vmax = *maxPoint;
  result.vmin = *minPoint;
}

void CPerformance::GetWindowMax(const PointSequence& cut, double a, double b, float& level,
                                float& angle) const {
  if (cut.empty()) return;
  const double lo = std::min(a, b);
  const double hi = std::max(a, b);
  auto inWindow = [lo, hi](const PatternPoint& p) { return lo <= p.fDeg && p.fDeg <= hi; };

  const PatternPoint* best = &cut.front();
  for (const PatternPoint& p : cut) {
    if (inWindow(p) && p.fMag > best->fMag) best = &p;
  }
  level = best->fMag;
  angle = best->fDeg;

  // A flat top reports the mean angle of its samples.
  double angleSum = 0.0;
  int count = 0;
  for (const PatternPoint& p : cut) {
    if (inWindow(p) && p.fMag == best->fMag) {
      angleSum += p.fDeg;
      ++count;
    }
  }
  if (count != 0) angle = StoredValue(angleSum / count);
}

void CPerformance::GetLevelAtAngle(const PointSequence& cut, float angle, float& level) const {
  for (std::size_t i = 0; i < cut.size(); ++i) {
    const PatternPoint& cur = cut[i];
    if (cur.fDeg == angle) {
      level = cur.fMag;
      return;
    }
    if (cur.fDeg > angle) {
      // A first sample already beyond the target has nothing to interpolate with.
      if (i == 0) return;
      const PatternPoint& prev = cut[i - 1];
      const double slope = (static_cast<double>(cur.fMag) - prev.fMag) /
                           (static_cast<double>(cur.fDeg) - prev.fDeg);
      level = StoredValue(prev.fMag + (static_cast<double>(angle) - prev.fDeg) * slope);
      return;
    }
  }
}

void CPerformance::RotateCut(PointSequence& cut, float delta) const {
  if (cut.empty()) return;
  for (PatternPoint& p : cut) p.fDeg = WrapAfterRotation(p.fDeg + delta);
  SortCut(cut);
}

// The result equals that of repeated selection passes, each appending the sample with the
// smallest angle strictly above the previous pick (first of equals): the distinct angles
// in ascending order, each carried by its first sample in position order, and the last
// pick repeated until the cut has its former length.
void CPerformance::SortCut(PointSequence& cut) const {
  if (cut.empty()) return;
  PointSequence candidates;
  candidates.reserve(cut.size());
  for (const PatternPoint& p : cut) {
    if (p.fDeg > kSortFloor && p.fDeg < kSortCeiling) candidates.push_back(p);
  }
  // No pass would find a first sample to pick; leave the cut as it is.
  if (candidates.empty()) return;

  std::stable_sort(candidates.begin(), candidates.end(),
                   [](const PatternPoint& l, const PatternPoint& r) { return l.fDeg < r.fDeg; });
  auto sameAngle = [](const PatternPoint& l, const PatternPoint& r) { return l.fDeg == r.fDeg; };
  candidates.erase(std::unique(candidates.begin(), candidates.end(), sameAngle), candidates.end());

  const PatternPoint lastPick = candidates.back();
  candidates.resize(cut.size(), lastPick);
  cut = std::move(candidates);
}

double CPerformance::Integrate(const std::vector<double>& values, double a, double b, int n) const {
  if (n <= 0 || static_cast<std::size_t>(n) > values.size()) return data::kUnset;
  const double sum = std::accumulate(values.begin(), values.begin() + n, 0.0);
  const double integral = sum * std::fabs(b - a) / n;
  return std::isfinite(integral) ? integral : data::kUnset;
}

}  // namespace lumaret::analysis

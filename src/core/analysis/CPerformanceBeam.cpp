// Main-beam primitives: the X dB crossings of the beam and the parabolic peak refinement.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <optional>
#include <string>

#include "analysis/CPerformance.h"
#include "analysis/StoredValue.h"
#include "analysis/AnalysisDocument.h"

namespace lumaret::analysis {

namespace {

// The sample of the cut that the crossing searches start from.
std::size_t PeakPosition(const PointSequence& cut, float peakLevel) {
  for (std::size_t i = 0; i < cut.size(); ++i) {
    if (cut[i].fMag == peakLevel) return i;
  }
  return 0;
}

// Crossing angle on the line from `crossing` towards `inner` (the neighbour nearer the
// peak). The slope's magnitude is taken from the two samples; `sign` orients it for the
// side of the beam. Empty when the two samples give no slope.
std::optional<double> CrossingAngle(const PatternPoint& crossing, const PatternPoint& inner, double threshold,
                                    double sign) {
  const double run = std::fabs(static_cast<double>(inner.fDeg) - crossing.fDeg);
  const double rise = std::fabs(static_cast<double>(inner.fMag) - crossing.fMag);
  if (run == 0.0 || rise == 0.0) return std::nullopt;
  const double angle = crossing.fDeg + (threshold - crossing.fMag) / (sign * rise / run);
  if (!std::isfinite(angle)) return std::nullopt;
  return angle;
}

// The exact sample at `target`, else the sample on the given side of x0 (above when
// `above`) nearest to x0; the first in position order wins among equals.
const PatternPoint* Neighbour(const PointSequence& cut, float x0, float target, bool above) {
  for (const PatternPoint& p : cut) {
    if (p.fDeg == target) return &p;
  }
  const PatternPoint* nearest = nullptr;
  for (const PatternPoint& p : cut) {
    const bool onSide = above ? p.fDeg > x0 : p.fDeg < x0;
    if (!onSide) continue;
    if (nearest == nullptr || std::fabs(p.fDeg - x0) < std::fabs(nearest->fDeg - x0)) nearest = &p;
  }
  return nearest;
}

}  // namespace

CutIdentity IdentityOf(const data::PatternFile& file) {
  return {file.kind, data::ToKey(file.nameFields[data::kFieldPolarization]) == "v90"};
}

void CPerformance::GetXdBAngles(PointSequence& cut, PerformanceResult& result, CutIdentity identity, double x,
                                float& angle1, float& angle2) const {
  if (cut.empty()) return;

  // An elevation cut of the vertical polarization may have its beam far from 0 degrees;
  // turn it so that the search does not run into the ends of the cut.
  int turned = 0;
  const bool v90Elevation = identity.verticalPolarization && data::IsVerticalCut(identity.kind);
  if (v90Elevation) {
    ComputeVBP(cut, result);
    if (-180.0f < result.vbp && result.vbp < -20.0f) {
      RotateCut(cut, 180.0f);
      turned = 1;
    } else if (20.0f < result.vbp && result.vbp < 180.0f) {
      RotateCut(cut, -180.0f);
      turned = -1;
    }
  }

  // A horizontal record keeps its vertical fields unset: its extremes go to a scratch record.
  PerformanceResult scratch;
  const bool horizontal = data::IsHorizontalCut(identity.kind);
  PerformanceResult& extremes = horizontal ? scratch : result;
  GetMaxMin(cut, extremes);

  std::size_t peak = 0;
  if (data::IsVerticalCut(identity.kind)) peak = PeakPosition(cut, extremes.vmax.fMag);
  if (horizontal) peak = PeakPosition(cut, result.hmax.fMag);

  angle1 = 0.0f;
  angle2 = 0.0f;
  if (x >= 0.1) {
    const double threshold = static_cast<double>(cut[peak].fMag) - x;
    auto crossed = [&](std::size_t i) { return cut[i].fMag - threshold <= 0.0; };

    // The first sample of the cut is never examined on the lower side.
    std::optional<std::size_t> lower;
    for (std::size_t i = peak; i > 1 && !lower;) {
      --i;
      if (crossed(i)) lower = i;
    }
    std::optional<std::size_t> upper;
    for (std::size_t i = peak + 1; i < cut.size() && !upper; ++i) {
      if (crossed(i)) upper = i;
    }
    if (lower && upper) {
      const auto a1 = CrossingAngle(cut[*lower], cut[*lower + 1], threshold, 1.0);
      const auto a2 = CrossingAngle(cut[*upper], cut[*upper - 1], threshold, -1.0);
      if (a1 && a2 && std::isfinite(static_cast<float>(*a1)) && std::isfinite(static_cast<float>(*a2))) {
        angle1 = static_cast<float>(*a1);
        angle2 = static_cast<float>(*a2);
      }
    }
  }

  if (turned == 1) RotateCut(cut, -180.0f);
  if (turned == -1) RotateCut(cut, 180.0f);
}

void CPerformance::FitPeak(const PointSequence& cut, float x0, float y0, float& vertexAngle,
                           float& vertexLevel) const {
  if (cut.empty()) return;
  vertexAngle = x0;
  vertexLevel = y0;
  const PatternPoint* plus = Neighbour(cut, x0, x0 + 0.5f, true);
  const PatternPoint* minus = Neighbour(cut, x0, x0 - 0.5f, false);
  if (plus == nullptr || minus == nullptr) return;

  // The parabola y = a2 x^2 + a1 x + a0 through the three points.
  const double xm = minus->fDeg, ym = minus->fMag;
  const double xc = x0, yc = y0;
  const double xp = plus->fDeg, yp = plus->fMag;
  const double d2 = (xp * xp - xc * xc) * (xc - xm) - (xc * xc - xm * xm) * (xp - xc);
  const double d1 = (xc * xc - xm * xm) * (xp - xc) - (xp * xp - xc * xc) * (xc - xm);
  if (d2 == 0.0 || d1 == 0.0) return;
  const double a2 = ((yp - yc) * (xc - xm) - (yc - ym) * (xp - xc)) / d2;
  const double a1 = ((yp - yc) * (xc * xc - xm * xm) - (yc - ym) * (xp * xp - xc * xc)) / d1;
  const double a0 = yp - a2 * xp * xp - a1 * xp;
  if (a2 == 0.0) return;

  const float angle = StoredValue(-a1 / (2.0 * a2));
  const float level = StoredValue((4.0 * a2 * a0 - a1 * a1) / (4.0 * a2));
  if (angle == data::kUnset || level == data::kUnset) return;
  vertexAngle = angle;
  vertexLevel = level;
}

void CPerformance::ComputeVBP(const PointSequence& cut, PerformanceResult& result) const {
  if (cut.empty()) return;
  GetMaxMin(cut, result);
  float vertexAngle = result.vmax.fDeg;
  float vertexLevel = result.vmax.fMag;
  FitPeak(cut, result.vmax.fDeg, result.vmax.fMag, vertexAngle, vertexLevel);
  result.vbp = vertexAngle;
}

}  // namespace lumaret::analysis

// The 3 dB widths of a combined file, whose cuts keep the file order 0 ... 180, -179 ... -1
// degrees, so that a beam near 0 degrees is split across the two ends of its cut.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <optional>

#include "analysis/CPerformance.h"
#include "analysis/StoredValue.h"

namespace lumaret::analysis {

namespace {

constexpr std::size_t kHorizontalStart = 0;
constexpr std::size_t kHorizontalEnd = 359;
constexpr std::size_t kVerticalStart = 360;
constexpr double kWidthDrop = 3.0;

// Distance from the crossing sample `from` towards `to` at which the level reaches t.
std::optional<double> CrossingOffset(const PatternPoint& from, const PatternPoint& to, double t) {
  const double levelStep = std::fabs(static_cast<double>(to.fMag) - from.fMag);
  if (levelStep == 0.0) return std::nullopt;
  return std::fabs(static_cast<double>(to.fDeg) - from.fDeg) * std::fabs(t - from.fMag) / levelStep;
}

// Width between the two crossings of level t of the cut from position s to e. The
// searches may run on into the other cut of the sequence. Empty when a crossing, one of
// its neighbours or a slope is missing.
std::optional<double> SeamWidth(const PointSequence& seq, std::size_t s, std::size_t e, double t) {
  if (s >= seq.size()) return std::nullopt;
  e = std::min(e, seq.size() - 1);
  // When the beam covers the first angle the edges are where the level falls to t,
  // otherwise where it rises to t.
  const bool coversStart = seq[s].fMag - t > 0.0;
  auto isEdge = [&](std::size_t i) { return coversStart ? seq[i].fMag - t <= 0.0 : seq[i].fMag - t >= 0.0; };

  std::optional<std::size_t> u;  // backward search; position 0 is never examined
  for (std::size_t i = e; i > 0 && !u; --i) {
    if (isEdge(i)) u = i;
  }
  std::optional<std::size_t> w;
  for (std::size_t i = s; i < seq.size() && !w; ++i) {
    if (isEdge(i)) w = i;
  }
  if (!u || !w || *w == 0) return std::nullopt;

  // A crossing found at -1 degrees pairs with the start sample (0 degrees) across the seam.
  std::size_t p0 = s;
  if (seq[*u].fDeg != -1.0f) p0 = *u + 1;
  if (p0 >= seq.size()) return std::nullopt;

  const auto toInner1 = CrossingOffset(seq[*u], seq[p0], t);
  const auto toInner2 = CrossingOffset(seq[*w], seq[*w - 1], t);
  if (!toInner1 || !toInner2) return std::nullopt;
  const double angle1 = seq[*u].fDeg + *toInner1;
  const double angle2 = seq[*w].fDeg - *toInner2;
  return std::fabs(angle1 - angle2);
}

// The angular step from one position of a cut to the next in file order, in (0, 360).
double StepForward(const PatternPoint& from, const PatternPoint& to) {
  double step = std::fmod(static_cast<double>(to.fDeg) - from.fDeg, 360.0);
  if (step <= 0.0) step += 360.0;
  return step;
}

// Width of a beam that does not cover the cut's first angle, measured around the cut's
// maximum at position m of the positions s to e: each side is walked from the maximum,
// wrapping from the last position to the first, to the first sample at or below t; the
// crossing is interpolated linearly between that sample and its inner neighbour. Empty
// when a side has no crossing.
std::optional<double> PeakWidth(const PointSequence& seq, std::size_t s, std::size_t e, std::size_t m, double t) {
  const std::size_t n = e - s + 1;
  auto at = [&](std::size_t offset) -> const PatternPoint& { return seq[s + offset % n]; };
  const std::size_t mo = m - s;
  // Distance from the maximum to the crossing, walking forward (+1) or backward (n - 1).
  auto side = [&](std::size_t stride) -> std::optional<double> {
    double distance = 0.0;
    std::size_t inner = mo;
    for (std::size_t k = 1; k < n; ++k) {
      const std::size_t next = (inner + stride) % n;
      const double step = stride == 1 ? StepForward(at(inner), at(next)) : StepForward(at(next), at(inner));
      const PatternPoint& outer = at(next);
      if (outer.fMag <= t) {
        const double drop = static_cast<double>(at(inner).fMag) - outer.fMag;
        const double fraction = drop > 0.0 ? (at(inner).fMag - t) / drop : 0.0;
        return distance + step * fraction;
      }
      distance += step;
      inner = next;
    }
    return std::nullopt;
  };
  const auto right = side(1);
  const auto left = side(n - 1);
  if (!right || !left) return std::nullopt;
  return *right + *left;
}

// The position of the first of the cut's equal maxima.
std::size_t MaximumPosition(const PointSequence& seq, std::size_t s, std::size_t e) {
  std::size_t m = s;
  for (std::size_t i = s; i <= e; ++i)
    if (seq[i].fMag > seq[m].fMag) m = i;
  return m;
}

// The 0-degree seam rule while the beam covers the cut's first angle; otherwise the width
// around the cut's own maximum.
std::optional<double> CutWidth(const PointSequence& seq, std::size_t s, std::size_t e, double t) {
  if (s >= seq.size()) return std::nullopt;
  e = std::min(e, seq.size() - 1);
  if (seq[s].fMag > t || e == s) return SeamWidth(seq, s, e, t);
  return PeakWidth(seq, s, e, MaximumPosition(seq, s, e), t);
}

float WidthOrUnset(const std::optional<double>& width) { return width ? StoredValue(*width) : data::kUnset; }

}  // namespace

void CPerformance::GetMsi3dBWidth(const PointSequence& cut, PerformanceResult& result) const {
  if (cut.empty()) return;
  result.hbw =
      WidthOrUnset(CutWidth(cut, kHorizontalStart, kHorizontalEnd, static_cast<double>(result.hpeak.fMag) - kWidthDrop));
  if (cut.size() > kVerticalStart) {
    result.vbw =
        WidthOrUnset(CutWidth(cut, kVerticalStart, cut.size() - 1, static_cast<double>(result.vmax.fMag) - kWidthDrop));
  }
}

}  // namespace lumaret::analysis

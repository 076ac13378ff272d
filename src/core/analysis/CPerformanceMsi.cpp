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

float WidthOrUnset(const std::optional<double>& width) { return width ? StoredValue(*width) : data::kUnset; }

}  // namespace

void CPerformance::GetMsi3dBWidth(const PointSequence& cut, PerformanceResult& result) const {
  if (cut.empty()) return;
  result.hbw =
      WidthOrUnset(SeamWidth(cut, kHorizontalStart, kHorizontalEnd, static_cast<double>(result.hpeak.fMag) - kWidthDrop));
  if (cut.size() > kVerticalStart) {
    result.vbw =
        WidthOrUnset(SeamWidth(cut, kVerticalStart, cut.size() - 1, static_cast<double>(result.vmax.fMag) - kWidthDrop));
  }
}

}  // namespace lumaret::analysis

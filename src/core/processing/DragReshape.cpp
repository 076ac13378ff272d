#include "processing/DragReshape.h"

#include <cmath>
#include <optional>

#include "processing/MainPolarization.h"

namespace lumaret::processing {

namespace {

using data::PointSequence;
using Pos = std::ptrdiff_t;

// Peak/valley test of a sample against its neighbours, plateaus skipped.
class Extremes {
 public:
  explicit Extremes(const PointSequence& cut) : cut_(cut) {}

  bool IsValley(Pos s) const { return Compare(s) < 0; }
  bool IsPeak(Pos s) const { return Compare(s) > 0; }

  // Walks from `from` in direction step (including `from`) and returns the first sample
  // that is a valley (wantPeak false) or a peak.
  std::optional<Pos> Find(Pos from, int step, bool wantPeak) const {
    for (Pos s = from; s >= 0 && s < Size(); s += step)
      if (wantPeak ? IsPeak(s) : IsValley(s)) return s;
    return std::nullopt;
  }

  Pos Size() const { return static_cast<Pos>(cut_.size()); }
  float L(Pos s) const { return cut_[static_cast<std::size_t>(s)].fMag; }
  float A(Pos s) const { return cut_[static_cast<std::size_t>(s)].fDeg; }

 private:
  // -1 valley, +1 peak, 0 neither (or a neighbour is missing).
  int Compare(Pos s) const {
    Pos prev = s - 1;
    while (prev >= 0 && L(prev) == L(s)) --prev;
    Pos next = s + 1;
    while (next < Size() && L(next) == L(s)) ++next;
    if (prev < 0 || next >= Size()) return 0;
    if (L(s) < L(prev) && L(s) < L(next)) return -1;
    if (L(s) > L(prev) && L(s) > L(next)) return 1;
    return 0;
  }

  const PointSequence& cut_;
};

// Moves the samples of one side by change * (1 - t^2), t the level's position between the
// moving extreme (t = 0) and the side's foot (t = 1).
void ReshapeSide(PointSequence& cut, Pos first, Pos last, float footLevel, float movingLevel, float change) {
  const double span = static_cast<double>(footLevel) - movingLevel;
  if (std::fabs(span) < 0.00001) return;
  for (Pos s = first; s <= last; ++s) {
    float& level = cut[static_cast<std::size_t>(s)].fMag;
    const double t = (static_cast<double>(level) - movingLevel) / span;
    level = static_cast<float>(level + change - change * t * t);
  }
}

}  // namespace

bool ReshapeCut(PointSequence& cut, float startAngle, float change, data::UserMessages& messages) {
  const Extremes ex(cut);
  const double grab = static_cast<double>(startAngle) - 0.01;

  // The grabbed pair (B, C) and the flank it lies on.
  Pos b = -1;
  for (Pos c = 1; c < ex.Size(); ++c)
    if (ex.A(c - 1) <= grab && grab <= ex.A(c)) {
      b = c - 1;
      break;
    }
  if (b < 0) return false;
  const Pos c = b + 1;
  bool rising;
  if (ex.L(c) != ex.L(b)) {
    rising = ex.L(c) > ex.L(b);
  } else {
    if (c + 1 >= ex.Size() || ex.L(c + 1) == ex.L(c)) return false;
    rising = ex.L(c + 1) > ex.L(c);
  }
  const Pos anchor = (grab - ex.A(b) <= ex.A(c) - grab) ? b : c;

  // Extremes around the anchor: backward the foot or top of the flank, then the one
  // before it; forward likewise.
  const std::optional<Pos> back1 = ex.Find(anchor, -1, !rising);
  const std::optional<Pos> back2 = back1 ? ex.Find(*back1 - 1, -1, rising) : std::nullopt;
  const std::optional<Pos> fwd1 = ex.Find(anchor, +1, rising);
  const std::optional<Pos> fwd2 = fwd1 ? ex.Find(*fwd1 + 1, +1, !rising) : std::nullopt;
  if (!back1 || !back2 || !fwd1 || !fwd2) return false;
  // Rising: V0 = back1, P0 = back2, P1 = fwd1, V1 = fwd2. Falling: P0 = back1, V0 = back2,
  // V1 = fwd1, P1 = fwd2.
  const Pos v0 = rising ? *back1 : *back2, p0 = rising ? *back2 : *back1;
  const Pos p1 = rising ? *fwd1 : *fwd2, v1 = rising ? *fwd2 : *fwd1;
  const Pos peak = rising ? p1 : p0, valley = rising ? v0 : v1;

  const double toPeak = static_cast<double>(ex.L(peak)) - ex.L(anchor);
  const double toValley = static_cast<double>(ex.L(anchor)) - ex.L(valley);
  if (toPeak == toValley) return false;
  const bool lobeMoves = toPeak < toValley;
  const Pos m = lobeMoves ? peak : valley;
  const Pos s = lobeMoves ? v0 : p0;
  const Pos e = lobeMoves ? v1 : p1;
  if (!(ex.A(s) <= ex.A(m) && ex.A(m) <= ex.A(e))) {
    messages.Show(kDragOrderWarning);
    return false;
  }

  const float movingLevel = ex.L(m);
  const float leftFoot = ex.L(s), rightFoot = ex.L(e);
  if (lobeMoves) {
    ReshapeSide(cut, s, m - 1, leftFoot, movingLevel, change);
    ReshapeSide(cut, m, e, rightFoot, movingLevel, change);
  } else {
    ReshapeSide(cut, s, m, leftFoot, movingLevel, change);
    ReshapeSide(cut, m + 1, e, rightFoot, movingLevel, change);
  }
  return true;
}

bool DragReshape(ProcessingDocument& doc, const std::vector<std::string>& displayedKeys, float startAngle,
                 float change) {
  data::PatternFile* file = FirstLoaded(doc, displayedKeys);
  if (!file) return false;
  doc.currentKey = file->key;
  if (!ReshapeCut(file->points, startAngle, change, doc.Messages())) return false;
  Reanalyse(doc, *file);
  return true;
}

}  // namespace lumaret::processing

#pragma once

#include <array>
#include <string>
#include <vector>

#include "data/PatternFile.h"
#include "data/PerformanceResult.h"

namespace lumaret::analysis {

using data::PatternPoint;
using data::PerformanceResult;
using data::PointSequence;
using NameFields = std::array<std::string, data::kNameFieldCount>;

// What the beam searches need to know of a cut besides its points: its kind, and whether it
// is of the vertical polarization (name field 7 "v90", compared without regard to case, as
// the analysis driver compares it).
struct CutIdentity {
  data::CutKind kind = data::CutKind::Unclassified;
  bool verticalPolarization = false;
};
CutIdentity IdentityOf(const data::PatternFile& file);

// The pattern primitives every indicator is built from. The class holds no state: each
// operation works on the cut and the result it is given. Every operation returns without
// touching its outputs when the cut is empty.
class CPerformance {
 public:
  // Writes the first maximum and the first minimum of the cut to result.vmax / result.vmin.
  void GetMaxMin(const PointSequence& cut, PerformanceResult& result) const;

  // Peak of the samples with min(a,b) <= angle <= max(a,b). The best sample starts as the
  // first sample of the whole cut; a flat top reports the mean angle of its samples.
  // The bounds are compared as given (a float bound converts exactly).
  void GetWindowMax(const PointSequence& cut, double a, double b, float& level, float& angle) const;

  // Level at the angle (exact sample or straight line between neighbours); level is left
  // unchanged when the angle lies below the first or beyond the last sample.
  void GetLevelAtAngle(const PointSequence& cut, float angle, float& level) const;

  // The two angles where the main beam falls x dB below its peak; (0, 0) when not found.
  // A "v90" elevation cut may be turned by 180 degrees for the search and is turned back.
  // For a horizontal cut the extremes it needs are kept in a scratch result (the record's
  // vertical fields stay unset); the peak sample of a horizontal cut is the first at
  // result.hmax level.
  void GetXdBAngles(PointSequence& cut, PerformanceResult& result, CutIdentity identity, double x,
                    float& angle1, float& angle2) const;

  // Parabolic refinement of a peak through its neighbours at x0 +/- 0.5 (or the nearest
  // sample on each side); falls back to (x0, y0) when a side is missing or degenerate.
  void FitPeak(const PointSequence& cut, float x0, float y0, float& vertexAngle, float& vertexLevel) const;

  // Adds delta to every angle, wraps into [-179.5, 180] and sorts.
  void RotateCut(PointSequence& cut, float delta) const;

  // Ascending sort by angle, as one selection pass per sample orders it: the first sample of
  // each distinct angle, then the last one repeated to the former length.
  void SortCut(PointSequence& cut) const;

  // (values[0] + ... + values[n-1]) * |b - a| / n; unset (-999) when n <= 0 or n exceeds the list.
  double Integrate(const std::vector<double>& values, double a, double b, int n) const;

  // HBW and VBW of a combined file whose cuts are stored in file order (0..180, -179..-1).
  void GetMsi3dBWidth(const PointSequence& cut, PerformanceResult& result) const;

  // VBP: GetMaxMin, then FitPeak at the vertical maximum; stored in result.vbp.
  void ComputeVBP(const PointSequence& cut, PerformanceResult& result) const;
};

}  // namespace lumaret::analysis

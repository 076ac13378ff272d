#pragma once

#include <cstddef>
#include <optional>

#include "data/PatternFile.h"

// Helpers shared by the walks of the vertical indicators. Level differences are taken
// between the stored 32-bit values in double precision and compared with the dB
// threshold as a double.
namespace lumaret::analysis::vertical {

using Index = std::size_t;

inline double Rise(const data::PatternPoint& from, const data::PatternPoint& to) {
  return static_cast<double>(to.fMag) - static_cast<double>(from.fMag);
}

inline double AngleFrom(const data::PatternPoint& p, float reference) {
  return static_cast<double>(p.fDeg) - static_cast<double>(reference);
}

// The first sample whose level equals `level` exactly.
inline std::optional<Index> FirstAtLevel(const data::PointSequence& cut, float level) {
  for (Index i = 0; i < cut.size(); ++i) {
    if (cut[i].fMag == level) return i;
  }
  return std::nullopt;
}

// The first sample whose angle equals `angle` exactly.
inline std::optional<Index> FirstAtAngle(const data::PointSequence& cut, float angle) {
  for (Index i = 0; i < cut.size(); ++i) {
    if (cut[i].fDeg == angle) return i;
  }
  return std::nullopt;
}

// The side-lobe search towards smaller angles from `start`: descend while the next level
// stays above `floorLevel - floorDrop` or rises by no more than 0.1 dB, then climb while
// each step drops by no more than 0.05 dB. Never beyond 40 degrees above `maxAngle` and
// never at the first sample.
std::optional<Index> FindUpperLobe(const data::PointSequence& cut, Index start, float maxAngle, float floorLevel,
                                   double floorDrop);

// Suppression of a lobe below the maximum (positive dB).
float Suppression(float maxLevel, float lobeLevel);

}  // namespace lumaret::analysis::vertical

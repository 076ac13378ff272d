#pragma once

namespace lumaret::data {

// The value that means "not set / not computed" in points, results and gains.
// Displays and exports test for it exactly.
inline constexpr float kUnset = -999.0f;

inline bool IsUnset(float v) { return v == kUnset; }

// One sample of a cut: direction in degrees and level in dB. The same pair carries
// (frequency, gain) in gain-level files and (angle, level) in envelope files.
struct PatternPoint {
  float fDeg = kUnset;
  float fMag = kUnset;

  friend bool operator==(const PatternPoint&, const PatternPoint&) = default;
};

}  // namespace lumaret::data

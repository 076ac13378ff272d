#pragma once

#include <cmath>

#include "data/PatternPoint.h"

namespace lumaret::analysis {

// Rounds a computed value to the 32-bit float that the result record stores. A value that
// is NaN or infinite, or that overflows a float, is stored as unset (-999).
inline float StoredValue(double v) {
  const float f = static_cast<float>(v);
  return std::isfinite(f) ? f : data::kUnset;
}

}  // namespace lumaret::analysis

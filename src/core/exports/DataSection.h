#pragma once

#include <string>
#include <vector>

#include "data/PatternFile.h"

namespace lumaret::exports {

inline constexpr int kSectionLines = 360;

// The level of a cut at every integer angle 0 to 359 (angles mapped into [0, 360)).
// An angle that has stored samples gets the first of them in stored order; an angle
// without one gets the straight line between the nearest samples on either side, wrapping
// across 0/360. Samples at fractional angles only take part in that interpolation. Empty
// when the cut has no points.
std::vector<float> LevelsAtIntegerAngles(const data::PointSequence& points);

// The same rule at any angles (degrees, mapped into [0, 360) as above, so -180 and 180 are
// one angle): one level per angle given, in the order given. Empty when the cut has no
// points.
std::vector<float> LevelsAtAngles(const data::PointSequence& points, const std::vector<double>& angles);

// The 360 data lines of one section: "<angle> <peak - level>" as "%0.2f %0.2f\r\n" for
// angles 0 to 359. Empty when the cut has no points.
std::string DataSection(const data::PointSequence& points, float peak);

}  // namespace lumaret::exports

#pragma once

#include <cstddef>
#include <string_view>

#include "data/PatternGrammar.h"

namespace lumaret::data {

// Header lines allowed before the "HORIZONTAL" line; a text without one by then is not a
// combined pattern file.
inline constexpr std::size_t kMaxMsiHeaderLines = 1000;
// Points of the horizontal block; the "VERTICAL" line must follow exactly this many.
inline constexpr std::size_t kMsiHorizontalPoints = kCombinedHorizontalPoints;

// The combined-file grammar (MSI and PLN): header lines read by keyword up to the
// "HORIZONTAL" line, 360 horizontal points, the "VERTICAL" line, then the vertical points
// up to a blank line or the end of the text. Levels are negated (the file holds
// attenuation), angles above 180 folded to angle - 360, and the maximum of each cut kept
// (the first of equal maxima). Returns false with `error` filled when the block structure
// is wrong; `out` is then incomplete and must be dropped.
bool ParseMsiText(std::string_view text, ParsedPattern& out, GrammarError& error);

// The gain of a GAIN value such as "15.35 dBd": the unit is the three characters from the
// first "d"; anything but "dBi" is dBd and converted to dBi (+ 2.15).
float GainFromText(std::string_view gainText);

}  // namespace lumaret::data

#pragma once

#include <optional>

#include "display/PlotMapping.h"

namespace lumaret::display {

// The zoom into a rectangle dragged from `press` to `release` in a client area of
// width x height pixels: the rectangle is taken with its top-left corner as origin,
// whichever way it was dragged, and scaled so that it fills the area in its limiting
// direction (keeping the aspect): f = height / dy when dx x height <= width x dy, else
// width / dx. The mapping's pixel origin becomes (origin - corner) x f and its pixel extent
// extent x f, truncated; the logical side is kept. A rectangle of zero width or height
// (a click without moving) gives nullopt: nothing to zoom into.
std::optional<PlotMapping> ZoomedMapping(const PlotMapping& mapping, PixelPoint press, PixelPoint release, int width,
                                         int height);

}  // namespace lumaret::display

#include "display/PlotZoom.h"

#include <algorithm>
#include <cstdlib>

namespace lumaret::display {

std::optional<PlotMapping> ZoomedMapping(const PlotMapping& mapping, PixelPoint press, PixelPoint release, int width,
                                         int height) {
  const int dx = std::abs(release.x - press.x);
  const int dy = std::abs(release.y - press.y);
  if (dx == 0 || dy == 0 || width <= 0 || height <= 0) return std::nullopt;
  const int left = std::min(press.x, release.x);
  const int top = std::min(press.y, release.y);
  // In doubles: integer division would truncate the factor to a whole number.
  const double f = static_cast<double>(dx) * height <= static_cast<double>(width) * dy
                       ? static_cast<double>(height) / dy
                       : static_cast<double>(width) / dx;
  PlotMapping zoomed = mapping;
  zoomed.viewportOrgX = static_cast<int>((mapping.viewportOrgX - left) * f);
  zoomed.viewportOrgY = static_cast<int>((mapping.viewportOrgY - top) * f);
  zoomed.viewportExtX = static_cast<int>(mapping.viewportExtX * f);
  zoomed.viewportExtY = static_cast<int>(mapping.viewportExtY * f);
  return zoomed;
}

}  // namespace lumaret::display

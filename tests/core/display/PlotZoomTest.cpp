#include "display/PlotZoom.h"

#include <gtest/gtest.h>

namespace lumaret::display {
namespace {

TEST(PlotZoomTest, RectangleFillsTheAreaInItsLimitingDirection) {
  const PlotMapping screen{.windowOrgX = -3000, .windowOrgY = -3000, .windowExtX = 6000, .windowExtY = 6000,
                           .viewportOrgX = 80, .viewportOrgY = 80, .viewportExtX = 440, .viewportExtY = 440};
  const struct {
    PixelPoint press, release;
    int viewportOrgX, viewportOrgY, viewportExtX;
  } cases[] = {
      // Twice as wide as high in a square area: f = W / dx = 600 / 200 = 3.
      {{100, 100}, {300, 200}, (80 - 100) * 3, (80 - 100) * 3, 440 * 3},
      // The same rectangle dragged from its bottom-right corner.
      {{300, 200}, {100, 100}, (80 - 100) * 3, (80 - 100) * 3, 440 * 3},
      // Taller than wide: f = H / dy = 600 / 400 = 1.5, truncated after multiplying.
      {{50, 100}, {150, 500}, static_cast<int>((80 - 50) * 1.5), static_cast<int>((80 - 100) * 1.5), 660},
      // A factor that is not whole: 600 / 7.
      {{0, 0}, {7, 3}, static_cast<int>(80 * 600.0 / 7), static_cast<int>(80 * 600.0 / 7),
       static_cast<int>(440 * 600.0 / 7)},
  };
  for (const auto& c : cases) {
    const auto zoomed = ZoomedMapping(screen, c.press, c.release, 600, 600);
    ASSERT_TRUE(zoomed) << c.press.x << "," << c.press.y;
    EXPECT_EQ(zoomed->viewportOrgX, c.viewportOrgX) << c.press.x;
    EXPECT_EQ(zoomed->viewportOrgY, c.viewportOrgY) << c.press.x;
    EXPECT_EQ(zoomed->viewportExtX, c.viewportExtX) << c.press.x;
    EXPECT_EQ(zoomed->viewportExtY, c.viewportExtX) << c.press.x;
    EXPECT_EQ(zoomed->windowExtX, screen.windowExtX);
  }
  EXPECT_FALSE(ZoomedMapping(screen, {10, 10}, {10, 50}, 600, 600)) << "zero width";
  EXPECT_FALSE(ZoomedMapping(screen, {10, 10}, {10, 10}, 600, 600)) << "a click";
}

}  // namespace
}  // namespace lumaret::display

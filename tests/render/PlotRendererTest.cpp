#include "render/PlotRenderer.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cmath>

using namespace lumaret;
using namespace lumaret::display;

namespace {

PlotState State(CoordinateMode mode) {
  DrawSetting setting;
  setting.rmStart = 0;
  setting.rmEnd = -40;
  setting.pmStart = 0;
  setting.pmEnd = -50;
  return MakePlotState(mode, setting, false);
}

PlotCurve Curve(const PlotState& state, Colour colour, std::initializer_list<std::pair<float, float>> samples) {
  PlotCurve curve;
  curve.colour = colour;
  for (const auto& [angle, level] : samples)
    curve.points.push_back(state.mode == CoordinateMode::Polar ? PolarPoint(state, angle, level, 0.0f)
                                                               : CartesianPoint(state, angle, level, 0.0f));
  return curve;
}

// True when a pixel within `reach` of (x, y) is mostly the colour's dominant channel.
bool ColourNear(const QImage& image, int x, int y, QColor colour, int reach = 1) {
  for (int dy = -reach; dy <= reach; ++dy)
    for (int dx = -reach; dx <= reach; ++dx) {
      const QColor c = image.pixelColor(x + dx, y + dy);
      if (std::abs(c.red() - colour.red()) < 60 && std::abs(c.green() - colour.green()) < 60 &&
          std::abs(c.blue() - colour.blue()) < 60)
        return true;
    }
  return false;
}

bool InkIn(const QImage& image, QRect area) {
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (qGray(image.pixel(x, y)) < 100) return true;
  return false;
}

}  // namespace

TEST(PlotRenderer, PolarSampleAndReferenceCircleLandWhereTheMappingPutsThem) {
  const PlotState state = State(CoordinateMode::Polar);
  // 560 x 560: radius 200 px about the centre (280, 280).
  const QSize size(560, 560);
  const render::PlotPicture picture =
      render::MakePlotPicture(state, size, GridColours{}, true, {Curve(state, Rgb(0, 0, 255), {{80.0f, -20.0f}, {100.0f, -20.0f}})});
  const QImage image = render::RenderPlotImage(size, picture);
  // -20 dB at 90 degrees on a 40 dB scale: 100 px right of the centre.
  EXPECT_TRUE(ColourNear(image, 380, 280 - 2, QColor(0, 0, 255), 2));
  EXPECT_FALSE(ColourNear(image, 280, 180, QColor(0, 0, 255), 2));  // nothing at 0 degrees
  // The 3 dB circle, 3 dB inside the outer one: 185 px from the centre, RGB(200, 0, 200),
  // dotted, so some of the points along it carry its colour.
  int onCircle = 0;
  for (int y = 280 - 60; y <= 280 + 60; ++y) {
    const int x = 280 - static_cast<int>(std::lround(std::sqrt(185.0 * 185.0 - (y - 280.0) * (y - 280.0))));
    onCircle += ColourNear(image, x, y, QColor(200, 0, 200), 1) ? 1 : 0;
  }
  EXPECT_GT(onCircle, 20);
}

TEST(PlotRenderer, CartesianAngleLabelSitsBelowTheAxisAtItsGridLine) {
  const PlotState state = State(CoordinateMode::Cartesian);
  const QSize size(850, 550);  // x 30..830 for -180..180 degrees, bottom axis at y 525
  const QImage image = render::RenderPlotImage(size, render::MakePlotPicture(state, size, GridColours{}, false, {}));
  // The "0°" label: 6 px left of the 0-degree line (x 430), 10 px below the axis.
  EXPECT_TRUE(InkIn(image, QRect(424, 535, 16, 12)));
  EXPECT_FALSE(InkIn(image, QRect(445, 535, 20, 12)));
  // The bottom axis in the grid colour, the fine grid in the coordinates colour.
  EXPECT_EQ(image.pixelColor(300, 525), QColor(0, 0, 0));
}

TEST(PlotRenderer, GridImageIsDrawnAgainOnlyWhenWhatItShowsChanges) {
  const PlotState state = State(CoordinateMode::Polar);
  QImage target(400, 400, QImage::Format_RGB32);
  render::PlotRenderer renderer;
  render::PlotPicture picture = render::MakePlotPicture(state, target.size(), GridColours{}, false, {});
  {
    QPainter painter(&target);
    renderer.Render(painter, target.size(), picture);
    picture.curves.push_back(Curve(state, Rgb(255, 0, 0), {{0.0f, -3.0f}, {10.0f, -3.0f}}));
    renderer.Render(painter, target.size(), picture);
  }
  EXPECT_EQ(renderer.GridDrawCount(), 1);
  picture.referenceLine = true;
  QPainter painter(&target);
  renderer.Render(painter, target.size(), picture);
  EXPECT_EQ(renderer.GridDrawCount(), 2);
}

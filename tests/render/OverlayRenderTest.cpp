#include <gtest/gtest.h>

#include <QImage>
#include <cstdlib>

#include "render/PlotRenderer.h"

using namespace lumaret;
using namespace lumaret::display;

namespace {

// START 0, END -40 on polar axes; 560 x 560 puts the centre at (280, 280), radius 200 px.
PlotState PolarState() {
  DrawSetting setting;
  setting.rmStart = 0;
  setting.rmEnd = -40;
  setting.pmStart = 0;
  setting.pmEnd = -40;
  return MakePlotState(CoordinateMode::Polar, setting, false);
}

QColor ToColour(Colour c) { return QColor(c & 0xff, (c >> 8) & 0xff, (c >> 16) & 0xff); }

}  // namespace

TEST(OverlayRender, MarkerCrossEnvelopeAndDashedSprBound) {
  const PlotState state = PolarState();
  const QSize size(560, 560);
  render::PlotPicture picture = render::MakePlotPicture(state, size, GridColours{}, false, {});
  const Colour curve = Rgb(255, 0, 0);
  const Colour pen = Rgb(0, 100, 0);
  // -20 dB at 90 degrees: 100 px right of the centre.
  picture.overlay.markers.push_back({"Max", curve, PolarPoint(state, 90.0f, -20.0f, 0.0f), "90.0\xC2\xB0 -20.00dB"});
  // An envelope segment from 180 to -90 degrees at -10 dB, 150 px from the centre.
  const LogicalPoint from = PolarPoint(state, 180.0f, -10.0f, 0.0f), to = PolarPoint(state, -90.0f, -10.0f, 0.0f);
  picture.overlay.envelopes.push_back({"k", "e", pen, {from, to}});
  // An SPR bound at 0 degrees from the centre to the outer circle: pixels (280, 80..280).
  const Colour blue = Rgb(0, 0, 255);
  picture.overlay.spr = PlotSpr{blue, {{PolarPointAtRadius(0.0, 0.0), PolarPointAtRadius(0.0, 4000.0)}}, "", {}};
  const QImage image = render::RenderPlotImage(size, picture);

  const QColor red = ToColour(curve);
  EXPECT_EQ(image.pixelColor(380, 280), red);  // the centre
  EXPECT_EQ(image.pixelColor(380, 276), red);  // the arms reach 4 px each way
  EXPECT_NE(image.pixelColor(382, 282), red);  // a cross, not a square
  // The segment's midpoint, (205, 355) or its mirror image, in the envelope's pen.
  const PixelPoint a = LogicalToPixel(picture.mapping, from), b = LogicalToPixel(picture.mapping, to);
  EXPECT_EQ(std::abs(a.x - b.x), 150);
  const int mx = (a.x + b.x) / 2, my = (a.y + b.y) / 2;
  bool found = false;
  for (int d = -1; d <= 1 && !found; ++d)
    for (int e = -1; e <= 1 && !found; ++e) {
      const QColor c = image.pixelColor(mx + d, my + e);
      found = std::abs(c.red() - c.blue()) < 10 && c.green() > c.red() + 30;  // the smoothed dark green
    }
  EXPECT_TRUE(found);

  int inked = 0, gaps = 0;
  for (int y = 100; y < 260; ++y) (image.pixelColor(280, y) == ToColour(blue) ? inked : gaps)++;
  EXPECT_GT(inked, 40);  // drawn along the bound, with gaps: dashed
  EXPECT_GT(gaps, 20);
}

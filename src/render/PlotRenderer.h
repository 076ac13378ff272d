#pragma once

#include <QImage>
#include <QSize>
#include <vector>

#include "display/PlotData.h"
#include "display/PlotGrid.h"
#include "display/PlotMapping.h"
#include "display/PlotOverlay.h"

class QPainter;

namespace lumaret::render {

// Everything one picture of the plot shows: the plot state with the mapping in force (the
// screen mapping of the size, or a zoomed one), the grid colours, the 3 dB reference line
// switch, the curves of the displayed files and what is drawn over them.
struct PlotPicture {
  display::PlotState state;
  display::PlotMapping mapping;
  display::GridColours gridColours;
  bool referenceLine = false;
  std::vector<display::PlotCurve> curves;
  display::PlotOverlay overlay;
};

// The picture for a paint surface of the given size with the unzoomed screen mapping.
PlotPicture MakePlotPicture(const display::PlotState& state, QSize size, const display::GridColours& colours,
                            bool referenceLine, std::vector<display::PlotCurve> curves);

// Draws the grid (circles or grid lines, spokes, outline, ticks, labels, the 3 dB
// reference circle or line) on a white ground, in device pixels.
void DrawGrid(QPainter& painter, QSize size, const PlotPicture& picture);
// Strokes the curves as open polylines, each in its colour.
void DrawCurves(QPainter& painter, const PlotPicture& picture);

// Draws the overlay over the curves: the envelope polylines in their pens, the SPR sector
// bounds dashed in the file's colour with the SPR line, then each marker as a 9-pixel
// cross in its curve's colour with its label.
void DrawOverlay(QPainter& painter, QSize size, const PlotPicture& picture);

// The one plot renderer: every picture of the plot (the view, screenshots, printing,
// report pictures, the command-line plot) is drawn by it. The grid is kept as an image
// and drawn again only when the size, the mapping, the plot state, the colours or the
// reference line change, so repainting after a mouse move only strokes the curves.
class PlotRenderer {
 public:
  void Render(QPainter& painter, QSize size, const PlotPicture& picture);
  // How many times the grid image was drawn (for tests and the benchmark).
  int GridDrawCount() const { return gridDraws_; }

 private:
  QImage grid_;
  display::PlotState gridState_;
  display::PlotMapping gridMapping_;
  display::GridColours gridColours_;
  bool gridReferenceLine_ = false;
  int gridDraws_ = 0;
};

// Renders the picture into a new image of the given size (white ground).
QImage RenderPlotImage(QSize size, const PlotPicture& picture);

// Draws the picture on a printed page: rendered unzoomed at a size of the page's aspect
// whose longer side is `resolution` pixels, then scaled into the page rectangle, so the
// fonts and pens keep their proportions on any printer.
void PaintPlotOnPage(QPainter& painter, const QRectF& page, const PlotPicture& picture, int resolution = 1600);

}  // namespace lumaret::render

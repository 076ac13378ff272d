#include "display/PlotGrid.h"

#include <cmath>
#include <cstdio>

namespace lumaret::display {

namespace {

constexpr int kFixedLabelFont = 20;
constexpr int kLevelLabelFont = 18;
constexpr int kCartesianLabelFont = 12;
constexpr int kReferenceDrop = 300;  // 3 dB in hundredths
constexpr const char* kDegree = "\xC2\xB0";

Pen SolidPen(Colour colour, int logicalWidth = 0) { return {PenStyle::Solid, logicalWidth, colour}; }
Pen ReferencePen() { return {PenStyle::Dotted, 0, kReferenceLineColour}; }

GridItem Circle(int radius, Pen pen) {
  GridItem item;
  item.kind = GridItem::Kind::Circle;
  item.pen = pen;
  item.radius = radius;
  return item;
}

GridItem Line(LogicalPoint from, LogicalPoint to, Pen pen) {
  GridItem item;
  item.pen = pen;
  item.from = from;
  item.to = to;
  return item;
}

GridItem Text(LogicalPoint at, std::string text, int font) {
  GridItem item;
  item.kind = GridItem::Kind::Text;
  item.from = at;
  item.text = std::move(text);
  item.fontPixelHeight = font;
  return item;
}

std::string Format(const char* format, int value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, format, value);
  return buffer;
}

std::string DegreeText(int degrees) { return std::to_string(degrees) + kDegree; }

// A point offset by a pixel distance.
LogicalPoint Offset(const PlotMapping& m, LogicalPoint p, int dxPixels, int dyPixels) {
  const LogicalPoint d = PixelsToLogical(m, dxPixels, dyPixels);
  return {p.x + d.x, p.y + d.y};
}

// Circles of radius r100, r100 - step, ... down to step.
void AddLevelCircles(std::vector<GridItem>& out, int r100, int step, Pen pen) {
  if (step <= 0) return;
  for (int rho = r100; rho >= step; rho -= step) out.push_back(Circle(rho, pen));
}

void AddSpokes(std::vector<GridItem>& out, const PlotState& s, int r100, Pen pen) {
  if (s.polarAngleLineStep <= 0) return;
  const int inner = 3 * s.polarLevelScaleStep;
  for (int a = 0; a < 180; a += s.polarAngleLineStep) {
    out.push_back(Line(PolarPointAtRadius(a, inner), PolarPointAtRadius(a, r100), pen));
    out.push_back(Line(PolarPointAtRadius(-a, inner), PolarPointAtRadius(-a, r100), pen));
  }
}

// The outline, the two diameters and their tick marks at every fine level circle.
void AddPolarOutline(std::vector<GridItem>& out, const PlotState& s, const PlotMapping& m, int r100, Colour grid) {
  out.push_back(Circle(r100, SolidPen(grid, 35)));
  const Pen diameterPen = SolidPen(grid, 25);
  out.push_back(Line({-r100, 0}, {r100, 0}, diameterPen));
  out.push_back(Line({0, -r100}, {0, r100}, diameterPen));
  if (s.polarLevelLineStep <= 0) return;
  const LogicalPoint half = PixelsToLogical(m, 4, 4);
  for (int rho = s.polarLevelLineStep; rho < r100; rho += s.polarLevelLineStep) {
    for (int sign : {-1, 1}) {
      out.push_back(Line({sign * rho, -half.y}, {sign * rho, half.y}, diameterPen));
      out.push_back(Line({-half.x, sign * rho}, {half.x, sign * rho}, diameterPen));
    }
  }
}

void AddPolarFixedLabels(std::vector<GridItem>& out, const PlotState& s, const PlotMapping& m, int r100) {
  const std::string start = Format("%ddB", static_cast<int>(s.levelStart));
  const LogicalPoint top{0, -r100}, bottom{0, r100}, left{-r100, 0}, right{r100, 0};
  out.push_back(Text(Offset(m, top, -15, -60), DegreeText(0), kFixedLabelFont));
  out.push_back(Text(Offset(m, top, -35, -35), start, kFixedLabelFont));
  out.push_back(Text(Offset(m, bottom, -30, 0), DegreeText(180), kFixedLabelFont));
  out.push_back(Text(Offset(m, bottom, -30, 30), start, kFixedLabelFont));
  out.push_back(Text(Offset(m, left, -70, -30), DegreeText(270), kFixedLabelFont));
  out.push_back(Text(Offset(m, left, -70, 0), start, kFixedLabelFont));
  out.push_back(Text(Offset(m, right, 15, -30), DegreeText(90), kFixedLabelFont));
  out.push_back(Text(Offset(m, right, 15, 0), start, kFixedLabelFont));
}

void AddPolarAngleLabels(std::vector<GridItem>& out, const PlotState& s, const PlotMapping& m, int r100) {
  if (s.polarAngleLabelStep <= 0) return;
  const LogicalPoint gapX = PixelsToLogical(m, 35, 25);
  const LogicalPoint shift = PixelsToLogical(m, 23, 13);
  for (int a = 0; a < 360; a += s.polarAngleLabelStep) {
    if (a % 90 == 0) continue;
    const double rad = (a + 90.0) * kPlotPi / 180.0;
    const int x = static_cast<int>(-std::cos(rad) * (r100 + gapX.x)) - shift.x;
    const int y = static_cast<int>(-std::sin(rad) * (r100 + gapX.y)) - shift.y;
    out.push_back(Text({x, y}, DegreeText(a), kFixedLabelFont));
  }
}

void AddPolarLevelLabels(std::vector<GridItem>& out, const PlotState& s, const PlotMapping& m, int r100,
                         bool referenceLine) {
  const int end100 = static_cast<int>(s.levelEnd * 100.0);
  const int start100 = end100 + r100;
  const int step = s.polarLevelLineStep;
  for (int v = end100 + step; step > 0 && v < start100; v += step)
    out.push_back(Text(Offset(m, {v - end100, 0}, -25, 0), Format("%d", v / 100), kLevelLabelFont));
  if (referenceLine) {
    const int v = static_cast<int>(s.levelStart) * 100 - kReferenceDrop;
    out.push_back(Text(Offset(m, {r100 - kReferenceDrop, 0}, -10, 0), Format("%d", v / 100), kLevelLabelFont));
  }
}

}  // namespace

std::vector<GridItem> PolarGrid(const PlotState& s, const PlotMapping& m, const GridColours& colours,
                                bool referenceLine) {
  std::vector<GridItem> out;
  const int r100 = PolarRadius100(s);
  const Pen coordinatePen = SolidPen(colours.coordinates);
  AddLevelCircles(out, r100, s.polarLevelScaleStep, coordinatePen);
  AddLevelCircles(out, r100, s.polarLevelLineStep, coordinatePen);
  AddSpokes(out, s, r100, coordinatePen);
  if (referenceLine) out.push_back(Circle(r100 - kReferenceDrop, ReferencePen()));
  AddPolarOutline(out, s, m, r100, colours.grid);
  AddPolarFixedLabels(out, s, m, r100);
  AddPolarAngleLabels(out, s, m, r100);
  AddPolarLevelLabels(out, s, m, r100, referenceLine);
  return out;
}

namespace {

struct CartesianBox {
  int left = -1800, right = 1800;
  int bottom = 0, top = 0;  // END and START in hundredths of dB
};

// Calls f(value) for value = from, from + step, ... while value <= to.
template <typename F>
void Walk(int from, int to, int step, F f) {
  if (step <= 0) return;
  for (int v = from; v <= to; v += step) f(v);
}

void AddCartesianLines(std::vector<GridItem>& out, const PlotState& s, const CartesianBox& b, Pen pen) {
  auto horizontal = [&](int y) { out.push_back(Line({b.left, y}, {b.right, y}, pen)); };
  auto vertical = [&](int x) { out.push_back(Line({x, b.bottom}, {x, b.top}, pen)); };
  Walk(b.bottom, b.top, s.cartLevelScaleStep, horizontal);
  Walk(b.bottom, b.top, s.cartLevelLineStep, horizontal);
  Walk(b.left, b.right, s.cartAngleLineStep, vertical);
  Walk(b.left, b.right, s.cartAngleScaleStep, vertical);
}

// Axes with tick marks pointing into the plot: long, middle and short ticks.
void AddCartesianAxes(std::vector<GridItem>& out, const PlotState& s, const PlotMapping& m, const CartesianBox& b,
                      Pen pen) {
  out.push_back(Line({b.left, b.bottom}, {b.right, b.bottom}, pen));
  out.push_back(Line({b.left, b.bottom}, {b.left, b.top}, pen));
  auto angleTicks = [&](int step, int pixels) {
    const int len = PixelsToLogical(m, 0, -pixels).y;
    Walk(b.left, b.right, step, [&](int x) { out.push_back(Line({x, b.bottom}, {x, b.bottom + len}, pen)); });
  };
  auto levelTicks = [&](int step, int pixels) {
    const int len = PixelsToLogical(m, pixels, 0).x;
    Walk(b.bottom, b.top, step, [&](int y) { out.push_back(Line({b.left, y}, {b.left + len, y}, pen)); });
  };
  angleTicks(s.cartAngleLineStep, 10);
  angleTicks(s.cartAngleScaleStep, 7);
  angleTicks(kCartSmallAngleTick, 4);
  levelTicks(s.cartLevelScaleStep, 10);
  levelTicks(s.cartLevelLineStep, 7);
  levelTicks(kCartSmallLevelTick, 4);
}

void AddCartesianLabels(std::vector<GridItem>& out, const PlotState& s, const PlotMapping& m, const CartesianBox& b,
                        bool referenceLine) {
  Walk(b.left, b.right, s.cartAngleScaleStep, [&](int x) {
    out.push_back(Text(Offset(m, {x, b.bottom}, -6, 10), DegreeText(x / 10), kCartesianLabelFont));
  });
  Walk(b.bottom, b.top, s.cartLevelScaleStep, [&](int y) {
    out.push_back(Text(Offset(m, {b.left, y}, -25, -6), Format("%d", y / 100), kCartesianLabelFont));
  });
  out.push_back(Text(Offset(m, {b.right, b.bottom}, -45, -20), "Unit:Degrees", kCartesianLabelFont));
  out.push_back(Text(Offset(m, {b.left, b.top}, -25, -20), "Unit:dB", kCartesianLabelFont));
  if (referenceLine) out.push_back(Text(Offset(m, {b.right, -kReferenceDrop}, -25, 0), "-3dB", kCartesianLabelFont));
}

}  // namespace

std::vector<GridItem> CartesianGrid(const PlotState& s, const PlotMapping& m, const GridColours& colours,
                                    bool referenceLine) {
  std::vector<GridItem> out;
  CartesianBox box;
  box.bottom = static_cast<int>(s.levelEnd * 100.0);
  box.top = static_cast<int>(s.levelStart * 100.0);
  AddCartesianLines(out, s, box, SolidPen(colours.coordinates));
  AddCartesianAxes(out, s, m, box, SolidPen(colours.grid));
  // The reference line is met while the level axis is walked in whole dB from END.
  const bool referenceOnAxis = box.bottom <= -kReferenceDrop && -kReferenceDrop <= box.top &&
                               (-kReferenceDrop - box.bottom) % 100 == 0;
  if (referenceLine && referenceOnAxis)
    out.push_back(Line({box.left, -kReferenceDrop}, {box.right, -kReferenceDrop}, ReferencePen()));
  AddCartesianLabels(out, s, m, box, referenceLine && referenceOnAxis);
  return out;
}

}  // namespace lumaret::display

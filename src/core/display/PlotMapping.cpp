#include "display/PlotMapping.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace lumaret::display {

namespace {

constexpr int kCartesianHalfSpan = 1800;  // tenths of a degree
constexpr int kCartesianFullTurn = 3600;

// The sample's level after the normalisation offset, held inside END..START.
float ClampedLevel(const PlotState& state, float level, float levelOffset) {
  const float shifted = level - levelOffset;
  if (shifted < state.levelEnd) return state.levelEnd;
  if (shifted > state.levelStart) return state.levelStart;
  return shifted;
}

// Truncates toward zero into an int, saturating instead of overflowing.
int TruncateToInt(double v) {
  if (!(v == v)) return 0;
  v = std::trunc(v);
  if (v > 2147483647.0) return 2147483647;
  if (v < -2147483648.0) return -2147483647 - 1;
  return static_cast<int>(v);
}

// a * b / c in integer arithmetic, truncating; 0 when c is 0.
int ScaleTruncating(long long a, long long b, long long c) {
  if (c == 0) return 0;
  return static_cast<int>(a * b / c);
}

}  // namespace

PlotState MakePlotState(CoordinateMode mode, const DrawSetting& setting, bool normalised) {
  PlotState state;
  state.mode = mode;
  state.normalised = normalised;
  const bool polar = mode == CoordinateMode::Polar;
  state.levelStart = static_cast<float>(polar ? setting.rmStart : setting.pmStart);
  state.levelEnd = static_cast<float>(polar ? setting.rmEnd : setting.pmEnd);
  state.polarAngleLabelStep = setting.rxScaleDistance;
  state.polarAngleLineStep = setting.rxLineDistance;
  state.polarLevelLineStep = setting.rmLineDistance * 100;
  state.polarLevelScaleStep = setting.rmScaleDistance * 100;
  state.cartAngleLineStep = setting.pxLineDistance * 10;
  state.cartAngleScaleStep = setting.pxScaleDistance * 10;
  state.cartLevelScaleStep = setting.pmScaleDistance * 100;
  state.cartLevelLineStep = setting.pmLineDistance * 100;
  return state;
}

int PolarRadius100(const PlotState& state) {
  return TruncateToInt(state.levelStart * 100.0) - TruncateToInt(state.levelEnd * 100.0);
}

int PolarPixelRadius(int width, int height) { return std::min(width, height) / 2 - kPolarMargin; }

LogicalPoint PolarPointAtRadius(double angleDeg, double radius100) {
  const double a = (angleDeg + 90.0) * kPlotPi / 180.0;
  return {TruncateToInt(-std::cos(a) * radius100), TruncateToInt(-std::sin(a) * radius100)};
}

LogicalPoint PolarPoint(const PlotState& state, float angleDeg, float level, float levelOffset) {
  const double rho = (static_cast<double>(ClampedLevel(state, level, levelOffset)) - state.levelEnd) * 100.0;
  return PolarPointAtRadius(angleDeg, rho);
}

int CartesianX(float angleDeg) {
  const float nudged = angleDeg < 0.0f ? angleDeg - 0.01f : angleDeg + 0.01f;
  double x = std::trunc(static_cast<double>(nudged * 10.0f));
  // Same result as subtracting (adding) a full turn while beyond the right (left) end,
  // without looping over huge angles.
  if (x > kCartesianHalfSpan) {
    const double past = std::fmod(x - kCartesianHalfSpan, kCartesianFullTurn);
    x = past == 0.0 ? kCartesianHalfSpan : past - kCartesianHalfSpan;
  } else if (x < -kCartesianHalfSpan) {
    const double past = std::fmod(-kCartesianHalfSpan - x, kCartesianFullTurn);
    x = past == 0.0 ? -kCartesianHalfSpan : kCartesianHalfSpan - past;
  }
  return TruncateToInt(x);
}

int CartesianY(const PlotState& state, float level, float levelOffset) {
  return TruncateToInt(static_cast<double>(ClampedLevel(state, level, levelOffset)) * 100.0);
}

LogicalPoint CartesianPoint(const PlotState& state, float angleDeg, float level, float levelOffset) {
  return {CartesianX(angleDeg), CartesianY(state, level, levelOffset)};
}

PlotMapping PolarScreenMapping(const PlotState& state, int width, int height) {
  const int r100 = PolarRadius100(state);
  const int r = PolarPixelRadius(width, height);
  return {-r100, -r100, 2 * r100, 2 * r100, kPolarMargin, kPolarMargin, 2 * r, 2 * r};
}

PlotMapping PolarPrintMapping(const PlotState& state) {
  const int r100 = PolarRadius100(state);
  return {-r100, -r100, 20000, 20000, 640, 640, 7760, 7760};
}

PlotMapping CartesianScreenMapping(const PlotState& state, int width, int height) {
  const int top = TruncateToInt(state.levelStart * 100.0);
  const int span = TruncateToInt((static_cast<double>(state.levelStart) - state.levelEnd) * 100.0);
  return {-kCartesianHalfSpan, top,           2 * kCartesianHalfSpan, span,
          kCartesianLeft,      kCartesianTop, width - 50,             -(height - 50)};
}

PlotMapping ScreenMapping(const PlotState& state, int width, int height) {
  return state.mode == CoordinateMode::Polar ? PolarScreenMapping(state, width, height)
                                             : CartesianScreenMapping(state, width, height);
}

LogicalPoint PixelToLogical(const PlotMapping& m, PixelPoint pixel) {
  return {ScaleTruncating(pixel.x - m.viewportOrgX, m.windowExtX, m.viewportExtX) + m.windowOrgX,
          ScaleTruncating(pixel.y - m.viewportOrgY, m.windowExtY, m.viewportExtY) + m.windowOrgY};
}

PixelPoint LogicalToPixel(const PlotMapping& m, LogicalPoint logical) {
  return {ScaleTruncating(logical.x - m.windowOrgX, m.viewportExtX, m.windowExtX) + m.viewportOrgX,
          ScaleTruncating(logical.y - m.windowOrgY, m.viewportExtY, m.windowExtY) + m.viewportOrgY};
}

LogicalPoint PixelsToLogical(const PlotMapping& m, int dxPixels, int dyPixels) {
  return {ScaleTruncating(dxPixels, m.windowExtX, m.viewportExtX),
          ScaleTruncating(dyPixels, m.windowExtY, m.viewportExtY)};
}

std::string FormatMarkInformation(float angle, float level) {
  char buffer[96];
  std::snprintf(buffer, sizeof buffer, "%0.1f\xC2\xB0\xE3\x80\x80%0.2fdB\xE3\x80\x80", angle, level);
  return buffer;
}

CursorReadout ReadCursor(const PlotState& state, const PlotMapping& mapping, PixelPoint mouse) {
  const LogicalPoint p = PixelToLogical(mapping, mouse);
  CursorReadout out;
  if (state.mode == CoordinateMode::Polar) {
    const int centreX = mapping.viewportOrgX + mapping.viewportExtX / 2;
    // On the centre itself the direction is undefined; read it as 0 degrees.
    const double slope = p.x == 0 && p.y == 0 ? 0.0 : static_cast<double>(p.y) / p.x;
    const double atanDeg = p.x == 0 && p.y == 0 ? -90.0 : std::atan(slope) * 180.0 / kPlotPi;
    out.angle = static_cast<float>(mouse.x >= centreX ? atanDeg + 90.0 : atanDeg - 90.0);
    out.level = static_cast<float>(std::sqrt(static_cast<double>(p.x) * p.x + static_cast<double>(p.y) * p.y) / 100.0 +
                                   state.levelEnd);
    out.outside = out.level > state.levelStart;
  } else {
    out.angle = static_cast<float>(p.x / 10.0);
    out.level = static_cast<float>(p.y / 100.0);
    out.outside = out.level > state.levelStart || out.level < state.levelEnd || out.angle < -180.0f ||
                  out.angle > 180.0f;
  }
  out.markInformation = FormatMarkInformation(out.angle, out.level);
  return out;
}

}  // namespace lumaret::display

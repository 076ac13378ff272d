#pragma once

#include <string>

#include "display/DrawSetting.h"

namespace lumaret::display {

// The value of pi the plot uses for every angle conversion.
inline constexpr double kPlotPi = 3.14159265;

// Fixed pixel margins of the two plots.
inline constexpr int kPolarMargin = 80;
inline constexpr int kCartesianLeft = 30;
inline constexpr int kCartesianTop = 25;

// The view's plot state: ranges and grid steps, set from the Draw setting values.
struct PlotState {
  CoordinateMode mode = CoordinateMode::Polar;
  float angleLeft = -180.0f;
  float angleRight = 180.0f;
  float levelEnd = 0.0f;    // END: centre of the polar plot, bottom of the Cartesian plot (dB)
  float levelStart = 0.0f;  // START: outer circle, top (dB)
  bool normalised = false;
  int polarAngleLabelStep = 0;   // degrees
  int polarAngleLineStep = 0;    // degrees
  int polarLevelLineStep = 0;    // hundredths of dB
  int polarLevelScaleStep = 0;   // hundredths of dB
  int cartAngleLineStep = 0;     // tenths of a degree
  int cartAngleScaleStep = 0;    // tenths of a degree
  int cartLevelScaleStep = 0;    // hundredths of dB
  int cartLevelLineStep = 0;     // hundredths of dB
  friend bool operator==(const PlotState&, const PlotState&) = default;
};

// Fine tick spacing of the Cartesian axes: 5 degrees and 0.5 dB.
inline constexpr int kCartSmallAngleTick = 50;
inline constexpr int kCartSmallLevelTick = 50;

// Sets the plot state up from the Draw setting: the level range of the chosen coordinate
// system, the angle range -180..180 and every step in its logical unit.
PlotState MakePlotState(CoordinateMode mode, const DrawSetting& setting, bool normalised);

struct LogicalPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const LogicalPoint&, const LogicalPoint&) = default;
};

struct PixelPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

// An anisotropic logical-to-device mapping: window (logical) origin and extent, viewport
// (pixel) origin and extent.
struct PlotMapping {
  int windowOrgX = 0, windowOrgY = 0, windowExtX = 1, windowExtY = 1;
  int viewportOrgX = 0, viewportOrgY = 0, viewportExtX = 1, viewportExtY = 1;
  friend bool operator==(const PlotMapping&, const PlotMapping&) = default;
};

// Polar: (START - END) x 100 with START and END each truncated to hundredths first.
int PolarRadius100(const PlotState& state);
// Pixel radius of the polar plot in a client area of width x height: min / 2 - 80.
int PolarPixelRadius(int width, int height);

// A sample (angle in degrees, level in dB) on polar axes. levelOffset is subtracted
// first (the cut's maximum in the normalised display, else 0); the level is clamped to
// END..START. 0 degrees points up, angles grow clockwise.
LogicalPoint PolarPoint(const PlotState& state, float angleDeg, float level, float levelOffset);
// The point at angle and radius (hundredths of dB from the centre) with the plot's pi.
LogicalPoint PolarPointAtRadius(double angleDeg, double radius100);

// A sample on Cartesian axes: x in tenths of a degree, nudged by 0.01 away from zero,
// truncated and wrapped into -1800..1800; y in hundredths of dB, offset, clamped, truncated.
int CartesianX(float angleDeg);
int CartesianY(const PlotState& state, float level, float levelOffset);
LogicalPoint CartesianPoint(const PlotState& state, float angleDeg, float level, float levelOffset);

// Screen mappings for a client area of width x height pixels, and the polar print mapping.
PlotMapping PolarScreenMapping(const PlotState& state, int width, int height);
PlotMapping PolarPrintMapping(const PlotState& state);
PlotMapping CartesianScreenMapping(const PlotState& state, int width, int height);
PlotMapping ScreenMapping(const PlotState& state, int width, int height);

// Mouse point to logical point, integer arithmetic truncating toward zero. A zero pixel
// extent (a degenerate client area) maps every point to the window origin on that axis.
LogicalPoint PixelToLogical(const PlotMapping& mapping, PixelPoint pixel);
PixelPoint LogicalToPixel(const PlotMapping& mapping, LogicalPoint logical);
// A pixel distance expressed in logical units on each axis (sign follows the mapping).
LogicalPoint PixelsToLogical(const PlotMapping& mapping, int dxPixels, int dyPixels);

// The plot angle and level under the mouse and the mark information text.
struct CursorReadout {
  float angle = 0.0f;  // degrees
  float level = 0.0f;  // dB
  bool outside = false;
  std::string markInformation;  // "%0.1f°　%0.2fdB　"
};

// Reads the cursor at a mouse point with the mapping in force. For the polar plot the
// centre's pixel x is the mapping's viewport origin plus half its extent (r + 80 unzoomed).
CursorReadout ReadCursor(const PlotState& state, const PlotMapping& mapping, PixelPoint mouse);

// "%0.1f°　%0.2fdB　": each value followed by one ideographic space.
std::string FormatMarkInformation(float angle, float level);

}  // namespace lumaret::display

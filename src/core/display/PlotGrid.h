#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "display/PlotMapping.h"

namespace lumaret::display {

using Colour = std::uint32_t;  // red + 256 x green + 65536 x blue

constexpr Colour Rgb(int red, int green, int blue) {
  return static_cast<Colour>(red) + 256u * static_cast<Colour>(green) + 65536u * static_cast<Colour>(blue);
}

inline constexpr Colour kReferenceLineColour = Rgb(200, 0, 200);
inline constexpr const char* kPlotFontFamily = "Microsoft Sans Serif";

enum class PenStyle { Solid, Dotted };

// A pen: width 1 is one device pixel; a logicalWidth above 0 is a width in logical units.
struct Pen {
  PenStyle style = PenStyle::Solid;
  int logicalWidth = 0;
  Colour colour = 0;
  friend bool operator==(const Pen&, const Pen&) = default;
};

// One thing the renderer draws, in logical coordinates with the plot mapping in force.
struct GridItem {
  enum class Kind { Circle, Line, Text };
  Kind kind = Kind::Line;
  Pen pen;                 // circles and lines (circles with a hollow brush)
  LogicalPoint from;       // circle centre, line start, text position (top left)
  LogicalPoint to;         // line end
  int radius = 0;          // circles
  std::string text;        // texts, black on a transparent background
  int fontPixelHeight = 0; // texts, font kPlotFontFamily
};

// The colours the grid is drawn with.
struct GridColours {
  Colour coordinates = Rgb(200, 200, 200);  // grid circles, spokes, grid lines
  Colour grid = Rgb(0, 0, 0);               // polar outline and diameters, Cartesian axes
  friend bool operator==(const GridColours&, const GridColours&) = default;
};

// Grid, tick marks and labels of the polar plot in drawing order. Pixel offsets of the
// labels are converted with the mapping in force. A step of 0 or less draws nothing.
std::vector<GridItem> PolarGrid(const PlotState& state, const PlotMapping& mapping, const GridColours& colours,
                                bool referenceLine);

// The same for the Cartesian plot.
std::vector<GridItem> CartesianGrid(const PlotState& state, const PlotMapping& mapping,
                                    const GridColours& colours, bool referenceLine);

}  // namespace lumaret::display

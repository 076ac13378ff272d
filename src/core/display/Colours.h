#pragma once

#include <array>
#include <string>

#include "display/PlotGrid.h"

namespace lumaret::display {

inline constexpr const char* kColourFileName = "ColorSetting.ini";
inline constexpr int kPaletteSize = 25;  // slots 0 to 24
inline constexpr int kDefaultPaletteCycle = 24;

// The document's colours: axis colours, the curve palette and the user palette switch.
struct ColourSettings {
  GridColours axes;
  std::array<Colour, kPaletteSize> palette{};
  bool userPalette = false;
  int userColourCount = 0;  // colours the colour file defines (at most kPaletteSize)
};

// The built-in colours: slots 1 to 24 of the default palette, slot 0 black.
ColourSettings DefaultColours();

// Reads the colour file, creating it empty when it does not exist. Missing keys take their
// defaults. User colour i (0 .. n - 2) goes to slot i + 1, the last one to slot 0. A count
// above the palette size is cut to it and a negative count reads as 0, so no curve can
// index past the palette.
ColourSettings LoadColourSettings(const std::string& path);

// Writes the colour file as the colour dialog's OK does: the user colours (when in use) and
// the two axis colours; other content of the file is kept. Returns false when the file
// could not be written.
bool SaveColourSettings(const std::string& path, const ColourSettings& colours);

// The pen colour of curve k (1, 2, 3, ... within one repaint): slot k mod n with n user
// colours, else slot k mod 24.
Colour CurveColour(const ColourSettings& colours, int k);

// Hands out curve colours in drawing order for one repaint.
class CurveColourSequence {
 public:
  explicit CurveColourSequence(const ColourSettings& colours) : colours_(&colours) {}

  // The colour of a one-cut file's curve.
  Colour Next();

  // The two colours of a combined file. In the normalised display its vertical cut takes
  // the following curve number with slot k mod 24 of the palette; otherwise both cuts
  // share one colour.
  struct CombinedColours {
    Colour horizontal = 0;
    Colour vertical = 0;
  };
  CombinedColours NextCombined(bool normalisedDisplay);

 private:
  const ColourSettings* colours_;
  int k_ = 0;
};

}  // namespace lumaret::display

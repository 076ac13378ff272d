#include "display/ColourRows.h"

namespace lumaret::display {

namespace {

bool HasUserPalette(const ColourSettings& colours) {
  return colours.userPalette && colours.userColourCount > 0;
}

}  // namespace

int LineColourRowCount(const ColourSettings& colours) {
  return HasUserPalette(colours) ? colours.userColourCount : kDefaultPaletteCycle;
}

std::string LineColourRowText(int row) { return "Line " + std::to_string(row); }

Colour LineColour(const ColourSettings& colours, int row) { return CurveColour(colours, row); }

bool SetLineColour(ColourSettings& colours, int row, Colour colour) {
  const int n = LineColourRowCount(colours);
  if (row < 1 || row > n) return false;
  if (!HasUserPalette(colours)) {
    // The default cycle uses slots k mod 24; a user palette of 24 colours picks the same
    // slots and is what the colour file can store.
    colours.userPalette = true;
    colours.userColourCount = n;
  }
  colours.palette[static_cast<std::size_t>(row % n)] = colour;
  return true;
}

std::string LineColourSelectionMessage(int selectedRows) {
  if (selectedRows <= 0) return kChooseNoColourMessage;
  if (selectedRows > 1) return kChooseSeveralColoursMessage;
  return "";
}

}  // namespace lumaret::display

#pragma once

#include <string>

#include "display/Colours.h"

namespace lumaret::display {

inline constexpr const char* kChooseNoColourMessage = "Please chose one color!";
inline constexpr const char* kChooseSeveralColoursMessage = "You can only chose one color!";

// The "Line %d" rows of the colour dialog, one per curve colour the palette hands out
// before it repeats: the user colours when a user palette is in use, else the 24 default
// curve colours. Row r (1-based) is the colour of curve r.
int LineColourRowCount(const ColourSettings& colours);

// The row's caption, "Line %d".
std::string LineColourRowText(int row);

// The colour of row r (1-based), as CurveColour hands it to curve r.
Colour LineColour(const ColourSettings& colours, int row);

// Gives row r (1-based) a new colour so that curve r (and every curve sharing its slot)
// is drawn with it. Without a user palette the listed rows become one, so the colour file
// keeps the change. A row outside 1..LineColourRowCount changes nothing; returns false then.
bool SetLineColour(ColourSettings& colours, int row, Colour colour);

// The check before a row's colour is chosen: "" for exactly one selected row, else the
// message to show.
std::string LineColourSelectionMessage(int selectedRows);

}  // namespace lumaret::display

#pragma once

#include <map>
#include <string>

#include "display/DrawSetting.h"

namespace lumaret::display {

inline constexpr int kDrawSettingMin = -10000;
inline constexpr int kDrawSettingMax = 10000;

inline constexpr const char* kDrawSettingRangeMessage = "Entries must be whole numbers from -10000 to 10000.";
inline constexpr const char* kDrawSettingStartEndMessage = "START must be greater than END.";
inline constexpr const char* kDrawSettingStepMessage = "Grid and scale steps must be greater than 0.";

// Checks the values the "Draw setting" dialog accepts: every value within -10000..10000,
// START above END on both pages and every line and scale step above 0. The plot would
// otherwise divide by an empty level range or walk its grid without end. Returns "" when
// the values are fine, else the message to show.
std::string ValidateDrawSetting(const DrawSetting& setting);

// The dialog's entries as text, by control id (IDC_EDIT_PMSTART ...).
using DrawSettingTexts = std::map<std::string, std::string>;

struct ParsedDrawSetting {
  DrawSetting setting;
  std::string message;  // "" when the entries make a valid setting
};

// Reads the twelve entries into a setting and validates it. An entry that is not a whole
// number (missing, empty, fractional, with other characters, or beyond int) gives the range
// message; spaces around the number are allowed.
ParsedDrawSetting ParseDrawSetting(const DrawSettingTexts& texts);

// The entries' texts for a setting, by control id.
DrawSettingTexts DrawSettingToTexts(const DrawSetting& setting);

}  // namespace lumaret::display

#pragma once

#include <array>

#include "data/SettingsStore.h"

namespace lumaret::display {

inline constexpr const char* kDrawSetupSection = "IDD_DIALOG_DRAWSETUP";

// How the drawing area shows the cuts (stored as "1" or "2" under IDC_LIST1).
enum class CoordinateMode { Polar = 1, Cartesian = 2 };

// The twelve values of the "Draw setting" dialog, in whole dB and degrees. The defaults are
// those of the dialog's defaults button.
struct DrawSetting {
  int pmStart = 0;   // Cartesian START level (top)
  int pmEnd = -50;   // Cartesian END level (bottom)
  int pmLineDistance = 1;
  int pmScaleDistance = 5;
  int pxLineDistance = 10;
  int pxScaleDistance = 30;
  int rmStart = 0;   // polar START level (outer circle)
  int rmEnd = -30;   // polar END level (centre)
  int rmLineDistance = 10;
  int rmScaleDistance = 5;
  int rxLineDistance = 10;
  int rxScaleDistance = 30;
};

// One of the twelve values: its control id (also its settings key), its field, the page it
// belongs to and the label the dialog shows beside its entry.
struct DrawSettingField {
  const char* controlId;
  int DrawSetting::*field;
  CoordinateMode page;
  const char* label;
};

inline constexpr std::array<DrawSettingField, 12> kDrawSettingFields = {{
    {"IDC_EDIT_PMSTART", &DrawSetting::pmStart, CoordinateMode::Cartesian, "START level (dB, top):"},
    {"IDC_EDIT_PMEND", &DrawSetting::pmEnd, CoordinateMode::Cartesian, "END level (dB, bottom):"},
    {"IDC_EDIT_PMLINEDISTANCE", &DrawSetting::pmLineDistance, CoordinateMode::Cartesian,
     "Level line distance (dB):"},
    {"IDC_EDIT_PMSCALEDISTANCE", &DrawSetting::pmScaleDistance, CoordinateMode::Cartesian,
     "Level scale distance (dB):"},
    {"IDC_EDIT_PXLINEDISTANCE", &DrawSetting::pxLineDistance, CoordinateMode::Cartesian,
     "Angle line distance (degrees):"},
    {"IDC_EDIT_PXSCALEDISTANCE", &DrawSetting::pxScaleDistance, CoordinateMode::Cartesian,
     "Angle scale distance (degrees):"},
    {"IDC_EDIT_RMSTART", &DrawSetting::rmStart, CoordinateMode::Polar, "START level (dB, outer circle):"},
    {"IDC_EDIT_RMEND", &DrawSetting::rmEnd, CoordinateMode::Polar, "END level (dB, centre):"},
    {"IDC_EDIT_RMLINEDISTANCE", &DrawSetting::rmLineDistance, CoordinateMode::Polar,
     "Level line distance (dB):"},
    {"IDC_EDIT_RMSCALEDISTANCE", &DrawSetting::rmScaleDistance, CoordinateMode::Polar,
     "Level scale distance (dB):"},
    {"IDC_EDIT_RXLINEDISTANCE", &DrawSetting::rxLineDistance, CoordinateMode::Polar,
     "Angle line distance (degrees):"},
    {"IDC_EDIT_RXSCALEDISTANCE", &DrawSetting::rxScaleDistance, CoordinateMode::Polar,
     "Angle label distance (degrees):"},
}};

// Reads the Draw setting values and the coordinate mode from the settings store. A missing
// key reads as 0, as every other setting does; a mode other than "2" means polar.
DrawSetting ReadDrawSetting(const data::CSettingsStore& store);
CoordinateMode ReadCoordinateMode(const data::CSettingsStore& store);

// Stores the values (the dialog's OK and its defaults button) and the coordinate mode.
void WriteDrawSetting(data::CSettingsStore& store, const DrawSetting& setting);
void WriteCoordinateMode(data::CSettingsStore& store, CoordinateMode mode);

}  // namespace lumaret::display

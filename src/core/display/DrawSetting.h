#pragma once

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

// Reads the Draw setting values and the coordinate mode from the settings store. A missing
// key reads as 0, as every other setting does; a mode other than "2" means polar.
DrawSetting ReadDrawSetting(const data::CSettingsStore& store);
CoordinateMode ReadCoordinateMode(const data::CSettingsStore& store);

// Stores the values (the dialog's OK and its defaults button) and the coordinate mode.
void WriteDrawSetting(data::CSettingsStore& store, const DrawSetting& setting);
void WriteCoordinateMode(data::CSettingsStore& store, CoordinateMode mode);

}  // namespace lumaret::display

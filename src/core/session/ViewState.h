#pragma once

#include "display/Colours.h"
#include "display/DisplayConfig.h"
#include "display/DrawSetting.h"
#include "display/Markers.h"
#include "display/PlotMapping.h"
#include "display/PlotOverlay.h"

namespace lumaret::session {

class CTessalyUnitDoc;

// What the plot shows besides the files: colours, the Draw setting, the coordinate mode,
// the 3 dB reference line and the view switches kept in ID_MENU. The displayed files are
// the document's current selection; the normalised display is the cm_bUNITARY flag.
struct ViewState {
  display::ColourSettings colours = display::DefaultColours();
  display::DrawSetting draw;
  display::CoordinateMode mode = display::CoordinateMode::Polar;
  bool referenceLine = false;  // 3 dB reference circle or line; not kept between runs
  display::ViewSwitches switches;
  display::MarkerTable markers;  // rebuilt whenever the displayed files change
};

// Reads the view state of the working folder: the colour file (created empty when it is
// missing), the Draw setting, the coordinate mode and the view switches of Config.xml.
void LoadViewState(CTessalyUnitDoc& doc);

// The plot state for the document's view state and normalise flag.
display::PlotState ViewPlotState(const CTessalyUnitDoc& doc);

// The overlay of the displayed files over their curves, by the view's switches and marker
// table.
display::PlotOverlay ViewPlotOverlay(const CTessalyUnitDoc& doc, const display::PlotState& state,
                                     const std::vector<display::PlotCurve>& curves);

// Sets the normalised display on or off (the cm_bUNITARY flag).
void SetNormalised(CTessalyUnitDoc& doc, bool on);
bool IsNormalised(const CTessalyUnitDoc& doc);

// The coordinate commands: sets the mode and stores it.
void SetCoordinateMode(CTessalyUnitDoc& doc, display::CoordinateMode mode);

// The Draw setting dialog's OK: keeps and stores the values.
void SetDrawSetting(CTessalyUnitDoc& doc, const display::DrawSetting& setting);

// The colour dialog's OK: keeps the colours and writes the colour file. False when the
// file could not be written.
bool SetColours(CTessalyUnitDoc& doc, const display::ColourSettings& colours);

// The path of the colour file in the working folder.
std::string ColourFilePath(const CTessalyUnitDoc& doc);

}  // namespace lumaret::session

#include "session/ViewState.h"

#include "analysis/IndicatorFlags.h"
#include "session/CTessalyUnitDoc.h"
#include "session/DisplayedFiles.h"

namespace lumaret::session {

using analysis::Indicator;

std::string ColourFilePath(const CTessalyUnitDoc& doc) { return doc.workingFolder + display::kColourFileName; }

void LoadViewState(CTessalyUnitDoc& doc) {
  doc.view.colours = display::LoadColourSettings(ColourFilePath(doc));
  doc.view.draw = display::ReadDrawSetting(doc.settings);
  doc.view.mode = display::ReadCoordinateMode(doc.settings);
  doc.view.switches = display::ReadViewSwitches(doc.settings);
}

display::PlotState ViewPlotState(const CTessalyUnitDoc& doc) {
  return display::MakePlotState(doc.view.mode, doc.view.draw, IsNormalised(doc));
}

display::PlotOverlay ViewPlotOverlay(const CTessalyUnitDoc& doc, const display::PlotState& state,
                                     const std::vector<display::PlotCurve>& curves) {
  return display::BuildPlotOverlay(doc, DisplayedFiles(doc), state, doc.view.switches, doc.view.markers, curves);
}

void SetNormalised(CTessalyUnitDoc& doc, bool on) { doc.indicators.Set(Indicator::Unitary, on); }

bool IsNormalised(const CTessalyUnitDoc& doc) { return doc.indicators.IsSet(Indicator::Unitary); }

void SetCoordinateMode(CTessalyUnitDoc& doc, display::CoordinateMode mode) {
  doc.view.mode = mode;
  display::WriteCoordinateMode(doc.settings, mode);
}

void SetDrawSetting(CTessalyUnitDoc& doc, const display::DrawSetting& setting) {
  doc.view.draw = setting;
  display::WriteDrawSetting(doc.settings, setting);
}

bool SetColours(CTessalyUnitDoc& doc, const display::ColourSettings& colours) {
  doc.view.colours = colours;
  return display::SaveColourSettings(ColourFilePath(doc), colours);
}

}  // namespace lumaret::session

#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "analysis/AnalysisDocument.h"
#include "display/DisplayConfig.h"

namespace lumaret::display {

// The four point markers; the rebuild walks them in this order.
enum class MarkerKind { Max, Min, SsMax, Fsu };
inline constexpr MarkerKind kMarkerKinds[] = {MarkerKind::Max, MarkerKind::Min, MarkerKind::SsMax, MarkerKind::Fsu};

// "Max", "Min", "SS MAX", "FSU".
const char* MarkerName(MarkerKind kind);
// The view switch of the marker.
bool& MarkerSwitch(ViewSwitches& switches, MarkerKind kind);
bool MarkerSwitch(const ViewSwitches& switches, MarkerKind kind);

// One marked point: the file it belongs to, its angle (degrees) and level (dB) as the
// analysis found them, not shifted.
struct MarkedPoint {
  std::string key;
  float angle = 0.0f;
  float level = 0.0f;
};

// The view's marker table: marker name to point, and whether it was rebuilt.
struct MarkerTable {
  std::map<std::string, MarkedPoint> points;
  bool rebuilt = false;
};

// The analysis point a marker takes from a file: Max is Vmax of a vertical ("e") file and
// Hpeak otherwise, Min is Vmin or Hmin, FSU the first upper side lobe at its absolute
// level, SS MAX the maximum side lobe at its absolute level. nullopt while the point is
// unset (not computed for this file).
std::optional<MarkedPoint> MarkerPointOf(const data::PatternFile& file, MarkerKind kind);

// A marker command: stores the marker's point of the first displayed loaded file (when
// there is one and the point is set), then toggles the marker's switch.
void ToggleMarker(const analysis::AnalysisDocument& doc, const std::vector<std::string>& displayed,
                  ViewSwitches& switches, MarkerTable& table, MarkerKind kind);

// After the displayed files changed: empties the table, marks it rebuilt and stores the
// point of every switched-on marker from the first displayed loaded file.
void RebuildMarkers(const analysis::AnalysisDocument& doc, const std::vector<std::string>& displayed,
                    const ViewSwitches& switches, MarkerTable& table);

// 'Clear Marks': empties the table, turns the four marker switches off and writes the
// ID_CLEAR_MARK menu state "FALSE". False when the store could not be written.
bool ClearMarks(data::CSettingsStore& store, ViewSwitches& switches, MarkerTable& table);

// The label drawn beside a marker: "%0.1f° %0.2fdB".
std::string MarkerLabel(float angle, float level);

}  // namespace lumaret::display

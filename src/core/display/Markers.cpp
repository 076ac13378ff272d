#include "display/Markers.h"

#include <cstdio>

#include "analysis/IndicatorTable.h"

namespace lumaret::display {

namespace {

bool IsVerticalFile(const data::PatternFile& file) {
  const std::string& plane = file.nameFields[data::kFieldCut];
  return plane.size() == 1 && (plane[0] == 'e' || plane[0] == 'E');
}

const data::PatternFile* FirstDisplayedFile(const analysis::AnalysisDocument& doc,
                                            const std::vector<std::string>& displayed) {
  for (const std::string& key : displayed) {
    if (const data::PatternFile* file = doc.Find(key)) return file;
  }
  return nullptr;
}

void StorePoint(const data::PatternFile* file, MarkerKind kind, MarkerTable& table) {
  if (file == nullptr) return;
  if (const auto point = MarkerPointOf(*file, kind)) table.points[MarkerName(kind)] = *point;
}

}  // namespace

const char* MarkerName(MarkerKind kind) {
  switch (kind) {
    case MarkerKind::Max: return "Max";
    case MarkerKind::Min: return "Min";
    case MarkerKind::Fsu: return "FSU";
    case MarkerKind::SsMax: return "SS MAX";
  }
  return "";
}

bool& MarkerSwitch(ViewSwitches& switches, MarkerKind kind) {
  switch (kind) {
    case MarkerKind::Max: return switches.markerMax;
    case MarkerKind::Min: return switches.markerMin;
    case MarkerKind::Fsu: return switches.markerFsu;
    case MarkerKind::SsMax: break;
  }
  return switches.markerSsMax;
}

bool MarkerSwitch(const ViewSwitches& switches, MarkerKind kind) {
  ViewSwitches copy = switches;
  return MarkerSwitch(copy, kind);
}

std::optional<MarkedPoint> MarkerPointOf(const data::PatternFile& file, MarkerKind kind) {
  const data::PerformanceResult& r = file.result;
  const bool vertical = IsVerticalFile(file);
  data::PatternPoint p;
  switch (kind) {
    case MarkerKind::Max: p = vertical ? r.vmax : r.hpeak; break;
    case MarkerKind::Min: p = vertical ? r.vmin : r.hmin; break;
    case MarkerKind::Fsu: p = r.fsuLobe; break;
    case MarkerKind::SsMax: p = r.ssMaxLobe; break;
  }
  // An unset point would sit at -999 dB, clamped onto the plot's centre or bottom.
  if (data::IsUnset(p.fDeg) || data::IsUnset(p.fMag)) return std::nullopt;
  return MarkedPoint{file.key, p.fDeg, p.fMag};
}

void ToggleMarker(const analysis::AnalysisDocument& doc, const std::vector<std::string>& displayed,
                  ViewSwitches& switches, MarkerTable& table, MarkerKind kind) {
  StorePoint(FirstDisplayedFile(doc, displayed), kind, table);
  bool& on = MarkerSwitch(switches, kind);
  on = !on;
}

void RebuildMarkers(const analysis::AnalysisDocument& doc, const std::vector<std::string>& displayed,
                    const ViewSwitches& switches, MarkerTable& table) {
  table.points.clear();
  table.rebuilt = true;
  const data::PatternFile* file = FirstDisplayedFile(doc, displayed);
  for (MarkerKind kind : kMarkerKinds) {
    if (MarkerSwitch(switches, kind)) StorePoint(file, kind, table);
  }
}

bool ClearMarks(data::CSettingsStore& store, ViewSwitches& switches, MarkerTable& table) {
  table.points.clear();
  for (MarkerKind kind : kMarkerKinds) MarkerSwitch(switches, kind) = false;
  switches.clearMark = false;
  return store.Write("FALSE", "ID_CLEAR_MARK", analysis::kMenuSection);
}

std::string MarkerLabel(float angle, float level) {
  char text[64];
  std::snprintf(text, sizeof text, "%0.1f\xC2\xB0 %0.2fdB", static_cast<double>(angle), static_cast<double>(level));
  return text;
}

}  // namespace lumaret::display

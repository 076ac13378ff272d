#include "display/PlotOverlay.h"

#include <algorithm>

#include "analysis/HorizontalIndicators.h"
#include "display/EnvelopeChoice.h"
#include "display/Normalisation.h"
#include "display/ResultLines.h"

namespace lumaret::display {

namespace {

// The cut a marker lies on: FSU is an elevation indicator, SS MAX an azimuth one, Max and
// Min follow the file's plane.
CutPlane MarkerPlane(const data::PatternFile& file, MarkerKind kind) {
  switch (kind) {
    case MarkerKind::Fsu: return CutPlane::Vertical;
    case MarkerKind::SsMax: return CutPlane::Horizontal;
    default: break;
  }
  if (file.IsCombined()) return CutPlane::Horizontal;
  return data::IsHorizontalCut(file.kind) ? CutPlane::Horizontal : CutPlane::Vertical;
}

const PlotCurve* CurveOf(const std::vector<PlotCurve>& curves, const std::string& key, bool verticalOfCombined) {
  const auto it = std::find_if(curves.begin(), curves.end(), [&](const PlotCurve& c) {
    return c.key == key && c.verticalOfCombined == verticalOfCombined;
  });
  return it == curves.end() ? nullptr : &*it;
}

void AddMarkers(const analysis::AnalysisDocument& doc, const PlotState& state, const ViewSwitches& switches,
                const MarkerTable& table, const std::vector<PlotCurve>& curves, PlotOverlay& overlay) {
  for (MarkerKind kind : kMarkerKinds) {
    if (!MarkerSwitch(switches, kind)) continue;
    const auto it = table.points.find(MarkerName(kind));
    if (it == table.points.end()) continue;
    const MarkedPoint& point = it->second;
    const data::PatternFile* file = doc.Find(point.key);
    if (file == nullptr) continue;
    const CutPlane plane = MarkerPlane(*file, kind);
    const bool turned = file->IsCombined() && plane == CutPlane::Vertical;
    const PlotCurve* curve = CurveOf(curves, point.key, turned);
    if (curve == nullptr) continue;  // the file is not displayed
    // The marker moves with its curve in the normalised display and reads as it does.
    const float offset = state.normalised ? NormalisationOffset(doc, *file, plane) : 0.0f;
    const float turn = turned ? CombinedVerticalTurn(state) : 0.0f;
    overlay.markers.push_back({MarkerName(kind), curve->colour, MapSample(state, point.angle + turn, point.level, offset),
                               MarkerLabel(point.angle, point.level - offset)});
  }
}

void AddEnvelopes(const analysis::AnalysisDocument& doc, const std::vector<std::string>& displayed,
                  const PlotState& state, PlotOverlay& overlay) {
  for (const std::string& key : displayed) {
    const data::PatternFile* file = doc.Find(key);
    if (file == nullptr) continue;
    const data::AuxRecord* envelope = ChooseEnvelope(doc.envelopeMap, *file);
    if (envelope == nullptr) continue;
    PlotEnvelope curve{key, envelope->path, EnvelopePenFor(*file)->colour, {}};
    curve.points.reserve(envelope->points.size());
    for (const data::PatternPoint& p : envelope->points) curve.points.push_back(MapSample(state, p.fDeg, p.fMag, 0.0f));
    overlay.envelopes.push_back(std::move(curve));
  }
}

std::pair<LogicalPoint, LogicalPoint> SectorBound(const PlotState& state, float angle) {
  if (state.mode == CoordinateMode::Polar)
    return {PolarPointAtRadius(angle, 0.0), PolarPointAtRadius(angle, PolarRadius100(state))};
  const int x = CartesianX(angle);
  return {{x, CartesianY(state, state.levelEnd, 0.0f)}, {x, CartesianY(state, state.levelStart, 0.0f)}};
}

void AddSpr(const analysis::AnalysisDocument& doc, const std::vector<std::string>& displayed, const PlotState& state,
            const std::vector<PlotCurve>& curves, PlotOverlay& overlay) {
  for (const std::string& key : displayed) {
    const data::PatternFile* file = doc.Find(key);
    if (file == nullptr || file->kind != data::CutKind::HorizontalCo) continue;
    const PlotCurve* curve = CurveOf(curves, key, false);
    const auto sector = analysis::SprSectorBounds(analysis::CPerformance{}, *file, doc.hPara);
    if (curve == nullptr || !sector) return;
    PlotSpr spr;
    spr.colour = curve->colour;
    spr.bounds = {SectorBound(state, sector->first), SectorBound(state, sector->second)};
    const std::vector<std::string> lines = SprLines(TextSettingsOf(doc), file->result);
    if (!lines.empty()) spr.text = lines.front();
    spr.textAt = spr.bounds.back().second;
    overlay.spr = std::move(spr);
    return;
  }
}

}  // namespace

PlotOverlay BuildPlotOverlay(const analysis::AnalysisDocument& doc, const std::vector<std::string>& displayed,
                             const PlotState& state, const ViewSwitches& switches, const MarkerTable& markers,
                             const std::vector<PlotCurve>& curves) {
  PlotOverlay overlay;
  AddMarkers(doc, state, switches, markers, curves, overlay);
  if (switches.envelope) AddEnvelopes(doc, displayed, state, overlay);
  if (switches.sprDisplay) AddSpr(doc, displayed, state, curves, overlay);
  return overlay;
}

}  // namespace lumaret::display

#include "display/PlotData.h"

#include "display/Normalisation.h"

namespace lumaret::display {

namespace {

// The vertical cut of a combined file points its 0 degrees to the right on polar axes.
constexpr float kCombinedVerticalTurn = 90.0f;

PlotCurve MapPoints(const PlotState& state, const std::string& key, const data::PointSequence& points,
                    std::size_t first, std::size_t last, float angleTurn, float offset) {
  PlotCurve curve;
  curve.key = key;
  curve.points.reserve(last - first);
  for (std::size_t i = first; i < last; ++i) {
    const data::PatternPoint& p = points[i];
    curve.points.push_back(MapSample(state, p.fDeg + angleTurn, p.fMag, offset));
  }
  return curve;
}

PlotCurve MapCut(const PlotState& state, const data::PatternFile& file, std::size_t first, std::size_t last,
                 float angleTurn, float offset) {
  return MapPoints(state, file.key, file.points, first, last, angleTurn, offset);
}

float Offset(const analysis::AnalysisDocument& doc, const PlotState& state, const data::PatternFile& file,
             CutPlane plane) {
  return state.normalised ? NormalisationOffset(doc, file, plane) : 0.0f;
}

}  // namespace

LogicalPoint MapSample(const PlotState& state, float angleDeg, float level, float offset) {
  return state.mode == CoordinateMode::Polar ? PolarPoint(state, angleDeg, level, offset)
                                             : CartesianPoint(state, angleDeg, level, offset);
}

float CombinedVerticalTurn(const PlotState& state) {
  return state.mode == CoordinateMode::Polar ? kCombinedVerticalTurn : 0.0f;
}

std::vector<PlotCurve> BuildPlotCurves(const analysis::AnalysisDocument& doc, const std::vector<std::string>& displayed,
                                       const PlotState& state, const ColourSettings& colours) {
  std::vector<PlotCurve> curves;
  CurveColourSequence sequence(colours);
  for (const std::string& key : displayed) {
    const data::PatternFile* file = doc.Find(key);
    if (file == nullptr) continue;
    if (file->IsCombined()) {
      const CurveColourSequence::CombinedColours pens = sequence.NextCombined(state.normalised);
      const std::size_t split = file->CombinedSplit();
      curves.push_back(MapCut(state, *file, 0, split, 0.0f, Offset(doc, state, *file, CutPlane::Horizontal)));
      curves.back().colour = pens.horizontal;
      curves.push_back(MapCut(state, *file, split, file->points.size(), CombinedVerticalTurn(state), Offset(doc, state, *file, CutPlane::Vertical)));
      curves.back().colour = pens.vertical;
      curves.back().verticalOfCombined = true;
      continue;
    }
    const CutPlane plane = data::IsHorizontalCut(file->kind) ? CutPlane::Horizontal : CutPlane::Vertical;
    const float offset = Offset(doc, state, *file, plane);
    const Colour colour = sequence.Next();
    // A rotated selection shows where it came from: the backup, dotted, behind the curve.
    if (file->switches[2] == 1 && file->secondPoints) {
      const data::PointSequence& backup = *file->secondPoints;
      curves.push_back(MapPoints(state, file->key, backup, 0, backup.size(), 0.0f, offset));
      curves.back().colour = colour;
      curves.back().dotted = true;
    }
    curves.push_back(MapCut(state, *file, 0, file->points.size(), 0.0f, offset));
    curves.back().colour = colour;
  }
  return curves;
}

}  // namespace lumaret::display

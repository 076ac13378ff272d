#pragma once

#include <string>
#include <vector>

#include "analysis/AnalysisDocument.h"
#include "display/Colours.h"
#include "display/PlotMapping.h"

namespace lumaret::display {

// One curve to stroke: an open polyline in the plot's logical space (the mapping of the
// plot state in force), with its pen colour.
struct PlotCurve {
  std::string key;  // the file it shows
  Colour colour = 0;
  bool verticalOfCombined = false;
  bool dotted = false;  // the rotate-selection backup of its file, drawn behind it
  std::vector<LogicalPoint> points;
};

// One sample (angle in degrees, level in dB) in the plot's logical space: the polar or the
// Cartesian mapping of the state, the level shifted down by offset first.
LogicalPoint MapSample(const PlotState& state, float angleDeg, float level, float offset);

// The turn of the vertical cut of a combined file on polar axes (0 on Cartesian axes).
float CombinedVerticalTurn(const PlotState& state);

// The curves of the displayed files (keys, drawing order) as the plot draws them: one per
// loaded one-cut file, two per combined file (its horizontal cut, the samples before
// position 360, then its vertical cut, turned by 90 degrees on polar axes so that its 0
// degrees points right). Colours follow the curve colour sequence; in the normalised
// display each cut is shifted by its maximum (a cross-polar cut by its co-polar partner's).
// A file whose rotate-selection backup is switched on gets that backup first, dotted, in its
// colour. Keys that name no loaded file are passed over.
std::vector<PlotCurve> BuildPlotCurves(const analysis::AnalysisDocument& doc, const std::vector<std::string>& displayed,
                                       const PlotState& state, const ColourSettings& colours);

}  // namespace lumaret::display

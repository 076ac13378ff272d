#pragma once

#include <optional>
#include <string>
#include <vector>

#include "analysis/AnalysisDocument.h"
#include "display/DisplayConfig.h"
#include "display/Markers.h"
#include "display/PlotData.h"

namespace lumaret::display {

// A marker to draw: its point in logical space, the colour of its file's curve and its label.
struct PlotMarker {
  std::string name;
  Colour colour = 0;
  LogicalPoint at;
  std::string label;
};

// An envelope curve over a displayed file: an open polyline in the absolute mapping.
struct PlotEnvelope {
  std::string key;   // the displayed file
  std::string path;  // the envelope file
  Colour colour = 0;
  std::vector<LogicalPoint> points;
};

// The SPR sector of the first displayed horizontal co-polar file: its two bounds (radial
// lines from the centre to the outer circle, or vertical lines across the level range),
// the file's curve colour, and its SPR line placed at the outer end of the upper bound.
struct PlotSpr {
  Colour colour = 0;
  std::vector<std::pair<LogicalPoint, LogicalPoint>> bounds;
  std::string text;
  LogicalPoint textAt;
};

// What the plot draws over the curves.
struct PlotOverlay {
  std::vector<PlotMarker> markers;
  std::vector<PlotEnvelope> envelopes;
  std::optional<PlotSpr> spr;
};

// The overlay of the displayed files (drawing order) for the plot state: the markers of the
// table whose switch is on and whose file is displayed, following its normalised shift;
// the envelopes while the envelope switch is on; the SPR sector while SPR Display is on.
// curves are the displayed files' curves (BuildPlotCurves), whose colours the overlay takes.
PlotOverlay BuildPlotOverlay(const analysis::AnalysisDocument& doc, const std::vector<std::string>& displayed,
                             const PlotState& state, const ViewSwitches& switches, const MarkerTable& markers,
                             const std::vector<PlotCurve>& curves);

}  // namespace lumaret::display

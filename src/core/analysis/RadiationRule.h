#pragma once

#include "analysis/AnalysisSettings.h"
#include "analysis/IndicatorFlags.h"
#include "data/PatternFile.h"

namespace lumaret::analysis {

// The radiation values (gain, directivity, losses, efficiency, GFR) are shown for one
// co-polar file of each frequency: the horizontal one when the gain is taken from the
// horizontal cut (gain cut 0), the vertical one otherwise (gain cut 1).
bool CarriesRadiationValues(data::CutKind kind, const VPara& vPara);

// True when the Gain indicator is selected and the gain is unset: the directivity, losses,
// efficiency and GFR are then not shown either, since they stand only beside a gain.
bool HidesRadiationValues(const IndicatorFlags& flags, const data::PerformanceResult& result);

}  // namespace lumaret::analysis

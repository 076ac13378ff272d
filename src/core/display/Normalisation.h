#pragma once

#include "analysis/AnalysisDocument.h"

namespace lumaret::display {

// Which cut of a file is drawn: a one-cut file's own cut is horizontal for plane "h" and
// vertical otherwise; a combined file has both.
enum class CutPlane { Horizontal, Vertical };

// The level a cut is shifted by in the normalised display: the maximum of the cut (the
// level of Hpeak for a horizontal cut, of Vmax for a vertical one). A cross-polar file is
// shifted by the maximum of its co-polar partner so that both keep their relative levels;
// when that partner is not loaded the log line says so and the cut is not shifted (0).
float NormalisationOffset(const analysis::AnalysisDocument& doc, const data::PatternFile& file, CutPlane plane);

}  // namespace lumaret::display

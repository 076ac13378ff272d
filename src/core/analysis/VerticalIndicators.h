#pragma once

#include <string>
#include <utility>
#include <vector>

#include "analysis/AnalysisSettings.h"
#include "analysis/CPerformance.h"
#include "analysis/IndicatorFlags.h"
#include "analysis/AnalysisDocument.h"
#include "data/PatternFile.h"

namespace lumaret::analysis {

// The vertical co-polar stage of an elevation cut ("e", "co").
//
// Before calling RunVerticalCoSteps the caller must have run GetMaxMin on the record's
// points, turned them by +180 degrees when the rotation rule of the driver applies, and
// run GetMaxMin again, so that result.vmax holds the maximum of the cut as it is now.
// Afterwards the caller turns the points back and sets the stage-done flag.
//
// Angles of an elevation cut grow from above the horizon (negative) to below it
// (positive): "upper" means towards smaller angles. The side-lobe and null walks start at
// the first sample whose level equals result.vmax's level. Values that cannot be found
// are stored as unset (-999).

// Every step in its order: VBW, VBW at X dB, VBP, VBR(r), VBR(u), VBR(10dB), EDE, FSU, FSD,
// first lower null angle, NF, F. N, the SS list, SSU, TSU.
void RunVerticalCoSteps(const CPerformance& perf, const AnalysisDocument& doc, data::PatternFile& file);

// VBW (3 dB), VBW at VBW_XdB and VBP.
void ComputeBeamWidths(const CPerformance& perf, const VPara& vPara, data::PatternFile& file);

// Percentage of the power between the bound and 90 degrees among all power of the cut,
// each partial sum weighting its own bounds by one half; unset when a sum has too few
// samples or the total is zero.
float PowerRatioBelow(const CPerformance& perf, const data::PointSequence& cut, float bound);
// VBR(r), VBR(u) and VBR(10dB).
void ComputePowerRatios(const CPerformance& perf, const data::PointSequence& cut, data::PerformanceResult& result);

// EDE: the fitted peak angle less the tilt (the text of name field 10).
void ComputeEde(const CPerformance& perf, const data::PatternFile& file, data::PerformanceResult& result);

// Runs only while FSU is selected. With FSU_envcal set the lobe is then refined from the
// two lobes bounded by FSU_env and FSD_env.
void ComputeFsu(const data::PointSequence& cut, const VPara& vPara, const IndicatorFlags& flags,
                data::PerformanceResult& result);
// SSU and TSU run FSU (and SSU) themselves first; each runs only while selected.
void ComputeSsu(const data::PointSequence& cut, const VPara& vPara, const IndicatorFlags& flags,
                data::PerformanceResult& result);
void ComputeTsu(const data::PointSequence& cut, const VPara& vPara, const IndicatorFlags& flags,
                data::PerformanceResult& result);
void ComputeFsd(const data::PointSequence& cut, data::PerformanceResult& result);

// The null walks: the first lower null angle, NF (null fill) and F. N (first upper null).
void ComputeFirstLowerNull(const data::PointSequence& cut, data::PerformanceResult& result);
void ComputeNullFill(const data::PointSequence& cut, data::PerformanceResult& result);
void ComputeFirstUpperNull(const data::PointSequence& cut, data::PerformanceResult& result);

// The (start, end) side-lobe ranges derived from an envelope curve: the breakpoints of
// the curve, sorted, and every neighbouring pair more than 5 degrees apart, formatted
// "%.2f". A curve without samples gives `unchanged`.
using SideLobeRanges = std::vector<std::pair<std::string, std::string>>;
SideLobeRanges RangesFromEnvelope(const data::PointSequence& curve, const SideLobeRanges& unchanged);

// The SS list; runs only while SS is selected. Manual mode takes the ranges of VPara;
// automatic mode takes them from the "v-plane.txt" envelope whose band folder (two levels
// above the envelope file) holds the file's frequency (name field 12). The ranges used
// are kept in file.ssRangesUsed. The first lower null angle must be computed already.
void ComputeSideLobeList(const CPerformance& perf, const AnalysisDocument& doc, data::PatternFile& file);

}  // namespace lumaret::analysis

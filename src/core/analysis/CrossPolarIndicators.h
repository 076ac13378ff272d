#pragma once

#include "analysis/AnalysisSettings.h"
#include "analysis/CPerformance.h"
#include "analysis/AnalysisDocument.h"
#include "data/PatternFile.h"

namespace lumaret::analysis {

// The indicators of a cross-polar cut, computed against its co-polar partner (the file
// whose key is analysis::PolarPartner of the cross-polar key). The values go to the
// cross-polar record; what a step computes on the co-polar cut (its Hmax, Hpeak, Vmax,
// VBP) is stored in the co-polar record. Levels of the two cuts are compared in lockstep:
// position by position, stopping when either cut ends, testing the co-polar sample's
// angle. A value whose window holds no sample is stored as unset (-999).

// The co-polar partner of a cross-polar record, or nullptr when it is not loaded, is the
// record itself, or either cut is empty.
data::PatternFile* CoPolarPartner(data::PatternSet& patterns, const data::PatternFile& cross);

// Front-to-back ratio of the cross-polar cut against the co-polar reference level, the back
// window edges wrapped at +-179.5 and each widened to the seam on its side.
void ComputeFbrXp(const CPerformance& perf, data::PatternFile& co, data::PatternFile& cross, const HPara& hPara);
// Total front-to-back ratio: co-polar and cross-polar power added in the back direction of
// the largest combined level. Unset unless the back window straddles 180 or 0 degrees.
void ComputeFbrTot(const CPerformance& perf, data::PatternFile& co, data::PatternFile& cross, const HPara& hPara);
// Discrimination on the reference direction (the co-polar peak, or with dirRef = 1 the
// nominal direction of the cross-polar file).
void ComputeXpd0(const CPerformance& perf, data::PatternFile& co, data::PatternFile& cross, const HPara& hPara);
// Smallest level difference between -XPD_Xdeg and +XPD_Xdeg.
void ComputeXpdX(const data::PatternFile& co, data::PatternFile& cross, const HPara& hPara);
// Smallest level difference inside the co-polar beam x dB down; unset when the co-polar
// cut has no crossing pair.
float CrossPolarDiscriminationInBeam(const CPerformance& perf, data::PatternFile& co, const data::PatternFile& cross,
                                     const HPara& hPara, double x);
// Smallest level difference between -60 and +60 degrees.
void ComputeXpd60(const data::PatternFile& co, data::PatternFile& cross);

// V-XPD 0: discrimination at the co-polar vertical maximum.
void ComputeVxpd0(const CPerformance& perf, data::PatternFile& co, data::PatternFile& cross);
// V-XPD X dB: smallest level difference inside the co-polar beam VXPD_XdB down.
void ComputeVxpdXdB(const CPerformance& perf, data::PatternFile& co, data::PatternFile& cross, const VPara& vPara);

// The horizontal cross-polar stage: Hpeak and Hmin of the cross-polar cut, then FBR XP,
// FBR tot, XPD 0, XPD X, XPD X dB, XPD 10dB and XPD 60 against the co-polar partner.
// Without a loaded partner only the cut's own extremes are computed. The caller sets the
// stage-done flag.
void RunHorizontalCrossStage(const CPerformance& perf, AnalysisDocument& doc, data::PatternFile& cross);
// The vertical cross-polar stage: GetMaxMin of the cross-polar cut, then V-XPD 0 and
// V-XPD X dB against the co-polar partner. The caller sets the stage-done flag.
void RunVerticalCrossStage(const CPerformance& perf, AnalysisDocument& doc, data::PatternFile& cross);

}  // namespace lumaret::analysis

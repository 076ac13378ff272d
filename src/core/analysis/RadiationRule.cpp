#include "analysis/RadiationRule.h"

namespace lumaret::analysis {

bool CarriesRadiationValues(data::CutKind kind, const VPara& vPara) {
  return (kind == data::CutKind::HorizontalCo && vPara.gainCut.gainCut == 0) ||
         (kind == data::CutKind::VerticalCo && vPara.gainCut.gainCut == 1);
}

bool HidesRadiationValues(const IndicatorFlags& flags, const data::PerformanceResult& result) {
  return flags.IsSet(Indicator::Gain) && data::IsUnset(result.gain);
}

}  // namespace lumaret::analysis

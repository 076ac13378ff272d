#include "display/ParameterListGroups.h"

#include <string_view>

namespace lumaret::display {

using analysis::Indicator;
using analysis::IndicatorRow;

bool IsCrossPolarIndicator(Indicator indicator) {
  switch (indicator) {
    case Indicator::VXPD0:
    case Indicator::VXPDX:
    case Indicator::FBRXP:
    case Indicator::FBRtot:
    case Indicator::XPD0:
    case Indicator::XPDX:
    case Indicator::XPDXdB:
    case Indicator::XPD10dB:
    case Indicator::XPD60deg:
      return true;
    default:
      return false;
  }
}

ParameterGroups ParameterListGroups(ParameterList which) {
  const std::string_view section = which == ParameterList::Vertical ? "VParameter" : "HParameter";
  ParameterGroups groups;
  for (const IndicatorRow& row : analysis::IndicatorTable()) {
    // The normalisation switch has no check-box text; it is toggled from the menu only.
    if (row.iniSection != section || row.checkBox.empty()) continue;
    (IsCrossPolarIndicator(row.indicator) ? groups.crossPolarization : groups.mainPolarization).push_back(&row);
  }
  return groups;
}

}  // namespace lumaret::display

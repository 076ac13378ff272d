#pragma once

#include <vector>

#include "analysis/IndicatorTable.h"

namespace lumaret::display {

inline constexpr const char* kVerticalParameterListTitle = "Vertical Parameter List";
inline constexpr const char* kHorizontalParameterListTitle = "Horizontal Parameter List";
inline constexpr const char* kMainPolarizationTitle = "The Main Polarization";
inline constexpr const char* kCrossPolarizationTitle = "Cross Polarization";

// The two check-box lists of the indicator selection.
enum class ParameterList {
  Vertical,    // the VParameter rows
  Horizontal,  // the HParameter rows, the normalisation switch excepted
};

// The rows a parameter list shows, in table order, split into its two groups.
struct ParameterGroups {
  std::vector<const analysis::IndicatorRow*> mainPolarization;
  std::vector<const analysis::IndicatorRow*> crossPolarization;
};

// True for the indicators computed on a cross-polar cut against its co-polar partner:
// every XPD (V-XPD 0, V-XPD XdB, XPD 0, XPD X, XPD XdB, XPD 10dB, XPD 60), the
// cross-polar FBR and the total FBR (co- and cross-polar power added at the back). They
// are the values the cross-polar stages write, so they need the cross-polar file loaded;
// everything else is measured on the main (co-polar) cut alone.
bool IsCrossPolarIndicator(analysis::Indicator indicator);

// The rows of one list: those of its INI section that have a check-box text, the
// cross-polar indicators in the second group and the rest in the first.
ParameterGroups ParameterListGroups(ParameterList which);

}  // namespace lumaret::display

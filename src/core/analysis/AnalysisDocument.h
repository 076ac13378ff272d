#pragma once

#include "analysis/AnalysisSettings.h"
#include "analysis/IndicatorFlags.h"
#include "data/PatternStore.h"

namespace lumaret::analysis {

// The four file-association switches (kept in ID_MENU).
struct AssociationSwitches {
  bool noAssociation = false;  // ID_NO_REL
  bool polar = true;           // ID_REL_M_C
  bool cut = false;            // ID_REL_V_H
  bool slant = false;          // ID_REL_P45_N45
};

// The loaded files with what the analysis reads beside them: the horizontal and vertical
// settings records, the indicator selection and the association switches.
class AnalysisDocument : public data::PatternStore {
 public:
  using data::PatternStore::PatternStore;

  HPara hPara;
  VPara vPara;
  IndicatorFlags indicators;
  AssociationSwitches association;
};

}  // namespace lumaret::analysis

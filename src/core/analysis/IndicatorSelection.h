#pragma once

#include "analysis/AnalysisDocument.h"

namespace lumaret::analysis {

// Whether the indicator is computed only while it is selected (FSU, SSU, TSU and the SS
// list): turning one of them on must compute it for files already analysed.
bool ComputedOnlyWhenSelected(Indicator indicator);

// Sets one indicator flag (an indicator toggle of the menu). Changing a flag that gates a
// computation clears the vertical stages of every record, so the next analysis computes
// (or drops) its values; other flags only change what the texts show.
void SetIndicator(AnalysisDocument& doc, Indicator indicator, bool on);

// Sets every flag at once (a parameter-list dialog's OK, a loaded configuration) with the
// same rule.
void SetIndicators(AnalysisDocument& doc, const IndicatorFlags& flags);

}  // namespace lumaret::analysis

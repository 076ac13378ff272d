#include "analysis/IndicatorSelection.h"

#include "data/StageFlags.h"

namespace lumaret::analysis {

bool ComputedOnlyWhenSelected(Indicator indicator) {
  return indicator == Indicator::FSU || indicator == Indicator::SSU || indicator == Indicator::TSU ||
         indicator == Indicator::SS;
}

void SetIndicators(AnalysisDocument& doc, const IndicatorFlags& flags) {
  bool recompute = false;
  for (std::size_t i = 0; i < kIndicatorCount; ++i) {
    const auto indicator = static_cast<Indicator>(i);
    if (doc.indicators.IsSet(indicator) != flags.IsSet(indicator) && ComputedOnlyWhenSelected(indicator))
      recompute = true;
  }
  doc.indicators = flags;
  if (recompute) data::ClearAfterVerticalSettings(doc.patterns);
}

void SetIndicator(AnalysisDocument& doc, Indicator indicator, bool on) {
  IndicatorFlags flags = doc.indicators;
  flags.Set(indicator, on);
  SetIndicators(doc, flags);
}

}  // namespace lumaret::analysis

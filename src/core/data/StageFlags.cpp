#include "data/StageFlags.h"

namespace lumaret::data {

namespace {

template <typename Clear>
void ForEachResult(PatternSet& patterns, Clear clear) {
  for (auto& [key, file] : patterns) clear(file.result);
}

}  // namespace

void ClearAfterHorizontalSettings(PatternSet& patterns) {
  ForEachResult(patterns, [](PerformanceResult& r) { r.hcoDone = r.hcrDone = 0; });
}

void ClearAfterVerticalSettings(PatternSet& patterns) {
  ForEachResult(patterns, [](PerformanceResult& r) { r.vcoDone = r.vcrDone = 0; });
}

void ClearAfterRadiationSettings(PatternSet& patterns) {
  ForEachResult(patterns, [](PerformanceResult& r) { r.radDone = 0; });
}

void ClearAfterEnvelopeConfiguration(PatternSet& patterns) {
  ForEachResult(patterns, [](PerformanceResult& r) { r.radDone = r.vcoDone = 0; });
}

void ClearAfterRotation(PerformanceResult& result) {
  result.hcoDone = result.vcoDone = result.spareFlag = result.hcrDone = result.vcrDone = 0;
}

}  // namespace lumaret::data

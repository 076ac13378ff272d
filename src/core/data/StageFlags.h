#pragma once

#include "data/PatternFile.h"

namespace lumaret::data {

// Clearing the stage-done flags of the stages that a change invalidates, so that the next
// analysis run computes them again. Each function names the change that calls it.

// Horizontal settings changed: horizontal co-polar and cross-polar, on every record.
void ClearAfterHorizontalSettings(PatternSet& patterns);
// Vertical settings changed: vertical co-polar and cross-polar, on every record.
void ClearAfterVerticalSettings(PatternSet& patterns);
// Radiation settings changed: radiation, on every record.
void ClearAfterRadiationSettings(PatternSet& patterns);
// Envelope and gain configuration changed: radiation and vertical co-polar, on every record.
void ClearAfterEnvelopeConfiguration(PatternSet& patterns);
// The record's points were rotated: every flag but radiation (the spare flag included).
void ClearAfterRotation(PerformanceResult& result);

}  // namespace lumaret::data

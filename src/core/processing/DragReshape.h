#pragma once

#include <string>
#include <vector>

#include "processing/ProcessingDocument.h"

namespace lumaret::processing {

inline constexpr const char* kDragOrderWarning = "WARNING,参考点异常，可能出现连续像素级波峰波谷!";

// Reshapes a cut grabbed at startAngle by a level change: the lobe or valley nearest the
// grabbed point moves by the full change, its flanks follow with a weight that falls off
// quadratically towards the neighbouring extremes, and everything beyond them stays.
// Returns true when the cut was changed. Leaves the cut unchanged when no sample pair
// brackets the angle, the grabbed pair is flat on both sides, the anchor is as near to the
// peak as to the valley, a walk reaches an end of the cut before it finds its extremes, or
// the extremes are out of order (the last case shows kDragOrderWarning).
bool ReshapeCut(data::PointSequence& cut, float startAngle, float change, data::UserMessages& messages);

// The document operation: reshapes the first displayed file that is loaded, makes it the
// current file and analyses it again when it changed.
bool DragReshape(ProcessingDocument& doc, const std::vector<std::string>& displayedKeys, float startAngle,
                 float change);

}  // namespace lumaret::processing

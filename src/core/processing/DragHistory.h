#pragma once

#include <string>
#include <vector>

#include "processing/ProcessingDocument.h"

namespace lumaret::processing {

// The edit history of pattern drag, on the first displayed file that is loaded. A press
// in drag mode takes a snapshot of the file's samples; undo and redo walk the snapshots.

// Button down in drag mode: cuts the history back to the current snapshot (when one is
// current) and appends a snapshot of the file's samples.
void BeginDrag(ProcessingDocument& doc, const std::vector<std::string>& displayedKeys);

// Returns to the previous snapshot; just after a drag, the present samples are kept as a
// snapshot first so that redo can return to them. Returns true when the samples changed.
bool UndoDrag(ProcessingDocument& doc, const std::vector<std::string>& displayedKeys);

// Moves to the next snapshot, when there is one after the current. Returns true when the
// samples changed.
bool RedoDrag(ProcessingDocument& doc, const std::vector<std::string>& displayedKeys);

// Drops every snapshot.
void ResetDragHistory(ProcessingDocument& doc);

// The displayed files changed: the history is emptied but for the current snapshot. The
// snapshots remember their file, so undo and redo never put one file's samples into
// another: they do nothing while a different file is the first displayed one.
void KeepCurrentDragSnapshot(ProcessingDocument& doc);

}  // namespace lumaret::processing

#pragma once

#include <string>
#include <vector>

#include "session/CTessalyUnitDoc.h"

namespace lumaret::session {

// The files the plot draws, in drawing order: the document's current selection.
const std::vector<std::string>& DisplayedFiles(const CTessalyUnitDoc& doc);

// A click in the file list: the drag history is emptied but for its current snapshot, the
// chosen keys (list order) with their partners by the association switches become the
// displayed files (the current selection and the second key list), and each of them is
// analysed again; the marker table is rebuilt for them. Returns the displayed files, so
// that the list can select the partner rows as well.
const std::vector<std::string>& ChooseDisplayedFiles(CTessalyUnitDoc& doc, const std::vector<std::string>& chosen);

}  // namespace lumaret::session

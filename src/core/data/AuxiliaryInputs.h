#pragma once

#include <string>
#include <vector>

#include "data/CTessalyUnitDoc.h"

namespace lumaret::data {

// Gain-level files: every entry of the folder (not its sub-folders) whose name contains
// ".txt" is read into the document's gain-level map.
void LoadGainLevelFiles(CTessalyUnitDoc& doc, const std::string& folder);
// Reads one gain-level file (text with a "Frequency(MHz)" header, or binary float pairs).
void ReadGainLevelFile(CTessalyUnitDoc& doc, const std::string& path);

// Envelope files: every ".txt" entry of the folder and, recursively, of its sub-folders.
void LoadEnvelopeFiles(CTessalyUnitDoc& doc, const std::string& folder);
void ReadEnvelopeFile(CTessalyUnitDoc& doc, const std::string& path);

// After an open batch that ran to its end: loads the gain-level files of the folder of
// every file that was read without a gain line, each folder once.
void LoadGainLevelsAfterBatch(CTessalyUnitDoc& doc, const std::vector<std::string>& pathsRead);

}  // namespace lumaret::data

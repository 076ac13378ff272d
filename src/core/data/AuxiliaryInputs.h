#pragma once

#include <string>
#include <vector>

#include "data/PatternStore.h"

namespace lumaret::data {

// Gain-level files: every entry of the folder (not its sub-folders) whose name contains
// ".txt" is read into the document's gain-level map.
void LoadGainLevelFiles(PatternStore& doc, const std::string& folder);
// Reads one gain-level file (text with a "Frequency(MHz)" header, or binary float pairs).
void ReadGainLevelFile(PatternStore& doc, const std::string& path);

// Envelope files: every ".txt" entry of the folder and, recursively, of its sub-folders.
void LoadEnvelopeFiles(PatternStore& doc, const std::string& folder);
void ReadEnvelopeFile(PatternStore& doc, const std::string& path);

// After an open batch that ran to its end: loads the gain-level files of the folder of
// every file that was read without a gain line, each folder once.
void LoadGainLevelsAfterBatch(PatternStore& doc, const std::vector<std::string>& pathsRead);

}  // namespace lumaret::data

#pragma once

#include <string>

#include "processing/ProcessingDocument.h"
#include "processing/MainPolarization.h"
#include "processing/ProcessingState.h"

namespace lumaret::processing {

// The rotation dialog's OK: both edit texts converted with the leading-number rule (text
// that is not a number gives 0), then the mode stored.
void ConfirmRotationDialog(ProcessingDocument& doc, RotationMode mode, const std::string& targetText,
                           const std::string& angleText);

// The angle every sample is turned by in modes 0 to 3 (0 in mode 4).
float RotationDelta(const RotationSettings& settings, const PeakAndNominal& peak);

// Turns the first loaded file of the current selection: keeps a copy of its points in the
// history, turns (or, in mode 4, restores the oldest copy), wraps and sorts the angles and
// analyses the file again. Returns the key of the file, or "" when none was loaded.
std::string RotateWithHistory(ProcessingDocument& doc);

// Turns every loaded file of the current selection without wrapping, sorting or analysing;
// each file's points before the turn are kept as its second point sequence. Mode 4 backs
// up the first file only and turns nothing.
void RotateSelection(ProcessingDocument& doc);

// Turns one file by delta as rotate-with-history does (wrap, sort, re-analysis), without
// touching the history.
void RotateFileBy(ProcessingDocument& doc, data::PatternFile& file, float delta);

}  // namespace lumaret::processing

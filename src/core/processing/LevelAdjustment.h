#pragma once

#include <optional>
#include <string>
#include <vector>

#include "processing/ProcessingDocument.h"
#include "processing/ProcessingState.h"

namespace lumaret::processing {

inline constexpr const char* kLevelSection = "IDD_DIALOG_UPDOWM";

// What the level-adjustment dialog shows when it opens: the range mode and the two angle
// texts as stored.
struct LevelDialogState {
  bool overall = true;
  std::string leftText;
  std::string rightText;
};
LevelDialogState LoadLevelDialogState(const data::CSettingsStore& store);

// Clicking "Overall" or "From": the range mode changes at once and both radio keys are
// written.
void StoreLevelRange(ProcessingDocument& doc, bool overall);

// The two dB entries (edits 1036 and 1037) must be decimal numbers; spaces around them
// are allowed. On a bad entry, message is kLevelNumberMessage and badEntry names it (0:
// the adjusted value, 1: the adjust-to level).
inline constexpr const char* kLevelNumberMessage = "Please enter a number.";
struct ParsedLevelValues {
  float adjustedValue = 0.0f;
  float adjustToLevel = 0.0f;
  std::string message;  // "" when both are numbers
  int badEntry = -1;
};
ParsedLevelValues ParseLevelValues(const std::string& adjustedText, const std::string& adjustToText);

// The dialog's values on OK.
struct LevelDialogInput {
  bool overall = true;  // "Overall" checked; otherwise "From"
  std::string leftText;
  std::string rightText;
  float adjustedValue = 0.0f;
  float adjustToLevel = 0.0f;
  bool deltaMode = true;  // "Adjusted Value" checked; otherwise "Adjust to"
  std::vector<std::string> chosenKeys;
};

// Stores the settings in the document, writes the range mode and the angle texts to the
// settings store and replaces the chosen-key set.
void ConfirmLevelDialog(ProcessingDocument& doc, const LevelDialogInput& input);

// The level change for a file: the adjusted value in delta mode, otherwise the "adjust to"
// level minus the reference maximum (through the co-polar partner for a cross-polar file).
float LevelDelta(const ProcessingDocument& doc, const data::PatternFile& file, const LevelSettings& settings,
                 data::UserMessages* messages);

// Adds delta to every level (range mode 1) or to the levels strictly inside the sector
// (range mode 2), then analyses the file again. Angles never change.
void AdjustFileLevels(ProcessingDocument& doc, data::PatternFile& file, const LevelSettings& settings,
                      float delta);

// The marker points a level adjustment refreshes, from the file's new results.
struct MarkerPoints {
  data::PatternPoint max;    // "Max"
  data::PatternPoint min;    // "Min"
  data::PatternPoint fsu;    // "FSU": the FSU lobe
  data::PatternPoint ssMax;  // "SS MAX": the SS Max lobe
};
MarkerPoints MarkersOf(const data::PatternFile& file);

// Applies the adjustment to the first chosen key that names a loaded file. Returns the
// markers to refresh, or nothing when no chosen key is loaded.
std::optional<MarkerPoints> ApplyLevelAdjustment(ProcessingDocument& doc);

}  // namespace lumaret::processing

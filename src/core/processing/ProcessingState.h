#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "data/PatternFile.h"

namespace lumaret::processing {

// Rotation modes of the rotation dialog.
enum class RotationMode : std::int32_t {
  ToZero = 0,      // the peak to 0 degrees
  ToDirection = 1, // the peak to the target direction
  ToNominal = 2,   // the peak to the nominal direction of the file name
  ByAngle = 3,     // every angle by the rotation angle
  NonRotate = 4,   // restore the oldest state (with history) / back up only (selection)
};

struct RotationSettings {
  RotationMode mode = RotationMode::ToZero;
  float targetDirection = 0.0f;
  float rotationAngle = 0.0f;
};

// Level adjustment: whole cut (range mode 1) or strictly inside a sector (range mode 2),
// by a given change (delta mode) or so that the reference maximum reaches a level.
struct LevelSettings {
  std::int32_t rangeMode = 1;
  float leftAngle = -30.0f;
  float rightAngle = 30.0f;
  float adjustedValue = 0.0f;
  float adjustToLevel = 0.0f;
  bool deltaMode = true;
};

// What the processing operations keep between commands.
struct ProcessingState {
  RotationSettings rotation;
  std::vector<data::PointSequence> pointHistory;  // copies taken before each rotation
  std::int32_t historyPosition = -1;

  LevelSettings level;
  std::set<std::string> chosenKeys;  // keys chosen in the level-adjustment list

  std::vector<data::PointSequence> dragSnapshots;  // pattern-drag edit history
  std::int32_t dragIndex = -1;
  std::string dragKey;  // the file the snapshots were taken of
};

}  // namespace lumaret::processing

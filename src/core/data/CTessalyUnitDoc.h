#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "analysis/AnalysisSettings.h"
#include "analysis/IndicatorFlags.h"
#include "data/PatternFile.h"
#include "data/SettingsStore.h"
#include "data/UserMessages.h"
#include "processing/ProcessingState.h"

namespace lumaret::data {

// A curve of an auxiliary file: an envelope (angle, level) or a gain-level file
// (frequency, gain), keyed by its lower-cased full path.
struct AuxRecord {
  std::string path;      // lower-cased full path
  std::string fileName;  // lower-cased file name
  PointSequence points;
};
using AuxMap = std::map<std::string, AuxRecord>;

// The four file-association switches (kept in ID_MENU).
struct AssociationSwitches {
  bool noAssociation = false;  // ID_NO_REL
  bool polar = true;           // ID_REL_M_C
  bool cut = false;            // ID_REL_V_H
  bool slant = false;          // ID_REL_P45_N45
};

// The document: owns every loaded file, the settings records, the auxiliary maps and the
// selection. It has no user interface; messages go through the injected UserMessages.
class CTessalyUnitDoc {
 public:
  explicit CTessalyUnitDoc(UserMessages& messages) : messages_(&messages) {}

  // Lower-cases the path (ASCII letters only) and returns the record under that key,
  // inserting a default record when it is absent.
  PatternFile& LookUpOrCreate(const std::string& fullPath);
  // The record under the key, or nullptr.
  PatternFile* Find(const std::string& key);
  const PatternFile* Find(const std::string& key) const;
  // Erases the key from the set and empties the current selection and the second key list.
  void Remove(const std::string& key);

  UserMessages& Messages() const { return *messages_; }
  void SetMessages(UserMessages& messages) { messages_ = &messages; }

  // Folders fixed at initialisation (each ends with "/").
  std::string programFolder;
  std::string workingFolder;
  std::string configFolder;  // programFolder + "Config File/"

  PatternSet patterns;
  std::string currentKey;
  std::vector<std::string> currentSelection;
  std::vector<std::string> secondKeys;
  std::int32_t noGainFlag = 0;  // 1 when the most recently read pattern file had no gain line

  analysis::HPara hPara;
  analysis::VPara vPara;
  analysis::IndicatorFlags indicators;
  AssociationSwitches association;

  AuxMap envelopeMap;
  AuxMap gainLevelMap;
  AuxMap thirdMap;
  std::string envelopeFolder;

  // Folder-name parts 0 to 5 of the last split-cut file read (the report's test description).
  std::array<std::string, 6> testDescription;

  CSettingsStore settings;

  // Rotation history, level-adjustment settings and the pattern-drag history.
  processing::ProcessingState processing;

 private:
  UserMessages* messages_;
};

// Lower-cases ASCII letters; other bytes are kept as they are.
std::string ToKey(const std::string& path);

}  // namespace lumaret::data

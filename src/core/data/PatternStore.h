#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "data/PatternFile.h"
#include "data/SettingsStore.h"
#include "data/UserMessages.h"

namespace lumaret::data {

// A curve of an auxiliary file: an envelope (angle, level) or a gain-level file
// (frequency, gain), keyed by its lower-cased full path.
struct AuxRecord {
  std::string path;      // lower-cased full path
  std::string fileName;  // lower-cased file name
  PointSequence points;
};
using AuxMap = std::map<std::string, AuxRecord>;

// The loaded files and what the readers fill beside them: the auxiliary maps, the
// selection, the folders and the settings store. The analysis, processing and session
// levels extend it with their own state. It has no user interface; messages go through
// the injected UserMessages.
class PatternStore {
 public:
  explicit PatternStore(UserMessages& messages) : messages_(&messages) {}

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

  AuxMap envelopeMap;
  AuxMap gainLevelMap;
  AuxMap thirdMap;
  std::string envelopeFolder;

  // Folder-name parts 0 to 5 of the last split-cut file read (the report's test description).
  std::array<std::string, 6> testDescription;

  CSettingsStore settings;

  // Worker threads for reading and analysing a batch; 0 chooses $LUMARET_THREADS or every
  // core (see ChosenThreadCount). The results are the same for every count.
  unsigned threads = 0;

 private:
  UserMessages* messages_;
};

// Lower-cases ASCII letters; other bytes are kept as they are.
std::string ToKey(const std::string& path);

}  // namespace lumaret::data

#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace lumaret::exports {

// The pattern information the writers use (filled from the pattern information
// configuration before pattern files are written).
struct PatternExportSettings {
  std::string antennaType = "Dual-port";  // "Dual-port" or "Multi-port"
  std::string gainUnit = "dBi";           // "dBi" or "dBd"
  std::string tiltMethod = "None";        // "None", "Electrical" or "Mechanical"
  // Extension (upper case) -> port name (lower case), walked in ascending key order.
  std::map<std::string, std::string> portTable;
};

// A calendar day as the comment lines print it.
struct CalendarDate {
  int day = 1;
  int month = 1;
  int year = 1970;
};

// Today's local date.
CalendarDate LocalToday();

// What became of the files one export tried to write.
struct WriteOutcome {
  std::vector<std::string> written;  // paths, in writing order
  std::vector<std::string> failed;   // paths that could not be created or written
  // Output path -> the input it was written for, so that no later input of the same run
  // overwrites it.
  std::map<std::string, std::string> sourceOf;
};

// The state one export run shares between its writers: the folders, the pattern
// information, the texts the PLN writer leaves for the XML export, and the outcome.
struct ExportContext {
  std::string exportFolder;  // ends with "/"
  PatternExportSettings info;
  // Frequency texts appended by the PLN and TXT writers, read by the XML export.
  std::vector<std::string> exportedFrequencies;
  std::string plnFolder;  // set by the PLN writer
  std::string xmlPath;    // set by Collect
  bool plnChosen = false;  // the XML export runs the PLN writer itself when this is false
  std::function<CalendarDate()> today = LocalToday;
  WriteOutcome outcome;
};

}  // namespace lumaret::exports

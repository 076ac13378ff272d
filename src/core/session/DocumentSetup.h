#pragma once

#include <string>

#include "data/ProgramFolder.h"
#include "session/CTessalyUnitDoc.h"

namespace lumaret::session {

// The folders the document derives its paths from. Each ends with "/".
struct DocumentFolders {
  std::string programFolder;  // holds "Config File/"
  std::string workingFolder;  // holds Config.xml and ColorSetting.ini
  std::string configFolder;   // programFolder + "Config File/" unless given
};

// Document initialisation, the same for the desktop program and the command-line tool:
// fixes the folders, prepares the settings store (a missing Config.xml is copied from the
// shipped default, a broken one is moved aside), reads the analysis settings and the
// indicator selection, and loads the envelope files of the configuration folder.
void InitialiseDocument(CTessalyUnitDoc& doc, const DocumentFolders& folders);

}  // namespace lumaret::session

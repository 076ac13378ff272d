#pragma once

#include <string>

#include "data/CTessalyUnitDoc.h"

namespace lumaret::data {

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

// The folder of the running executable's resources: the executable's own folder when it
// holds "Config File/", otherwise <executable folder>/../share/lumaret/.
std::string FindProgramFolder();

// Appends "/" when missing.
std::string WithTrailingSlash(std::string folder);

}  // namespace lumaret::data

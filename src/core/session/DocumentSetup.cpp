#include "session/DocumentSetup.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "analysis/AnalysisSettings.h"
#include "analysis/FileAssociation.h"
#include "analysis/IndicatorTable.h"
#include "data/AuxiliaryInputs.h"
#include "data/DiagnosticLog.h"

namespace lumaret::session {

using data::CDiagnosticLog;
using data::WithTrailingSlash;

void InitialiseDocument(CTessalyUnitDoc& doc, const DocumentFolders& folders) {
  doc.programFolder = WithTrailingSlash(folders.programFolder);
  doc.workingFolder = WithTrailingSlash(folders.workingFolder);
  doc.configFolder =
      folders.configFolder.empty() ? doc.programFolder + "Config File/" : WithTrailingSlash(folders.configFolder);
  // The log goes to $LUMARET_LOG_DIR when it is set, else into the working folder.
  const char* logDir = std::getenv("LUMARET_LOG_DIR");
  if (!logDir || !*logDir) CDiagnosticLog::Instance().SetFolder(doc.workingFolder);
  const std::string shipped = doc.programFolder + "Config File/" + data::kSettingsFileName;
  std::string setAside;
  const std::string settingsPath = data::PrepareSettingsStore(doc.workingFolder, shipped, &setAside);
  doc.settings.SetPath(settingsPath);
  // Without a Config.xml of its own and without the shipped default (a program folder
  // without "Config File/", as in a broken installation) every setting would read as
  // empty and the indicators would come out as zeros: say so instead of keeping quiet.
  std::error_code ec;
  if (!std::filesystem::exists(settingsPath, ec)) {
    const std::string text = "The shipped settings " + shipped + " were not found; " + settingsPath +
                             " could not be created and every setting is empty.";
    LUMARET_LOG("%s\n", text.c_str());
    doc.Messages().Show(text, data::kAppCaption);
  }
  if (!setAside.empty()) {
    const std::string text = "Config.xml could not be read; it was set aside as " + setAside +
                             " and the shipped settings are in use.";
    LUMARET_LOG("%s\n", text.c_str());
    doc.Messages().Show(text, data::kAppCaption);
  }
  doc.hPara = analysis::LoadHPara(doc.settings);
  doc.vPara = analysis::LoadVPara(doc.settings);
  doc.indicators = analysis::ReadIndicatorFlags(doc.settings);
  doc.association = analysis::ReadAssociationSwitches(doc.settings);
  doc.envelopeFolder = doc.configFolder;
  data::LoadEnvelopeFiles(doc, doc.envelopeFolder);
}

}  // namespace lumaret::session

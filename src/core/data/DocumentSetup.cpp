#include "data/DocumentSetup.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "analysis/AnalysisSettings.h"
#include "analysis/IndicatorTable.h"
#include "data/AuxiliaryInputs.h"
#include "data/DiagnosticLog.h"
#include "data/FileAssociation.h"

namespace fs = std::filesystem;

namespace lumaret::data {

std::string WithTrailingSlash(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

std::string FindProgramFolder() {
  std::error_code ec;
  fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  fs::path dir = ec ? fs::current_path() : exe.parent_path();
  if (fs::is_directory(dir / "Config File", ec)) return WithTrailingSlash(dir.string());
  fs::path share = (dir / ".." / "share" / "lumaret").lexically_normal();
  return WithTrailingSlash(share.string());
}

void InitialiseDocument(CTessalyUnitDoc& doc, const DocumentFolders& folders) {
  doc.programFolder = WithTrailingSlash(folders.programFolder);
  doc.workingFolder = WithTrailingSlash(folders.workingFolder);
  doc.configFolder =
      folders.configFolder.empty() ? doc.programFolder + "Config File/" : WithTrailingSlash(folders.configFolder);
  // The log goes to $LUMARET_LOG_DIR when it is set, else into the working folder.
  const char* logDir = std::getenv("LUMARET_LOG_DIR");
  if (!logDir || !*logDir) CDiagnosticLog::Instance().SetFolder(doc.workingFolder);
  const std::string shipped = doc.programFolder + "Config File/" + kSettingsFileName;
  std::string setAside;
  doc.settings.SetPath(PrepareSettingsStore(doc.workingFolder, shipped, &setAside));
  if (!setAside.empty()) {
    const std::string text = "Config.xml could not be read; it was set aside as " + setAside +
                             " and the shipped settings are in use.";
    LUMARET_LOG("%s\n", text.c_str());
    doc.Messages().Show(text, kAppCaption);
  }
  doc.hPara = analysis::LoadHPara(doc.settings);
  doc.vPara = analysis::LoadVPara(doc.settings);
  doc.indicators = analysis::ReadIndicatorFlags(doc.settings);
  doc.association = ReadAssociationSwitches(doc.settings);
  doc.envelopeFolder = doc.configFolder;
  LoadEnvelopeFiles(doc, doc.envelopeFolder);
}

}  // namespace lumaret::data

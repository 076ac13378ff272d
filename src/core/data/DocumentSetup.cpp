#include "data/DocumentSetup.h"

#include <filesystem>
#include <system_error>

#include "analysis/AnalysisSettings.h"
#include "analysis/IndicatorTable.h"
#include "data/AuxiliaryInputs.h"
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
  const std::string shipped = doc.programFolder + "Config File/" + kSettingsFileName;
  doc.settings.SetPath(PrepareSettingsStore(doc.workingFolder, shipped));
  doc.hPara = analysis::LoadHPara(doc.settings);
  doc.vPara = analysis::LoadVPara(doc.settings);
  doc.indicators = analysis::ReadIndicatorFlags(doc.settings);
  doc.association = ReadAssociationSwitches(doc.settings);
  doc.envelopeFolder = doc.configFolder;
  LoadEnvelopeFiles(doc, doc.envelopeFolder);
}

}  // namespace lumaret::data

#include "session/AuxiliarySetup.h"

#include <filesystem>
#include <system_error>

#include "analysis/AnalysisDriver.h"
#include "data/AuxiliaryInputs.h"
#include "data/StageFlags.h"

namespace lumaret::session {

namespace fs = std::filesystem;

SetupOutcome ApplyEnvelopeConfiguration(analysis::AnalysisDocument& doc, const std::string& folder) {
  if (folder.empty()) return {SetupStatus::Refused, "Configured path can not be empty！", data::kAppCaption};
  const std::string withSlash = folder.back() == '/' ? folder : folder + "/";
  data::LoadEnvelopeFiles(doc, withSlash);
  const bool written = doc.settings.Write(withSlash, kOpenConfigKey, kOpenConfigSection);
  doc.envelopeFolder = withSlash;
  data::ClearAfterEnvelopeConfiguration(doc.patterns);
  analysis::AnalyseSelection(doc);
  if (written) return {};
  return {SetupStatus::WriteFailed, "The folder could not be saved to " + doc.settings.Path() + ".",
          data::kAppCaption};
}

SetupOutcome CheckChamberXmlPath(const std::string& path) {
  if (path.empty()) return {};
  std::error_code error;
  if (fs::is_regular_file(fs::path(path), error)) return {};
  return {SetupStatus::Refused, path + "文件在磁盘上不存在", "信息提示"};
}

}  // namespace lumaret::session

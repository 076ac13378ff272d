#include "session/ReportPictures.h"

#include <map>
#include <set>
#include <tuple>

#include "analysis/FileAssociation.h"
#include "data/DiagnosticLog.h"
#include "data/SplitCutNames.h"
#include "exports/PatternHeaders.h"

namespace lumaret::session {

namespace {

// Logs a direct partner of the file that is not loaded, in the line of its association.
void LogMissingPartners(const analysis::AnalysisDocument& doc, const std::string& key, const data::PatternFile& file) {
  const analysis::AssociationSwitches& on = doc.association;
  const char* name = file.fileName.c_str();
  if (const std::string polar = analysis::PolarPartner(key); on.polar && !doc.Find(polar))
    LUMARET_LOG("准备截图时%s极化关联文件：%s缺失\r\n", name, polar.c_str());
  if (const std::string slant = analysis::SlantPartner(doc, key); on.slant && !doc.Find(slant))
    LUMARET_LOG("准备截图时%s端口关联文件：%s缺失\r\n", name, slant.c_str());
  if (const std::string cut = analysis::CutPartner(key); on.cut && !doc.Find(cut))
    LUMARET_LOG("准备截图时%s切面关联文件：%s缺失\r\n", name, cut.c_str());
}

}  // namespace

std::string PictureFileName(const std::string& fileName) {
  return std::string(data::StemOf(fileName)) + ".bmp";
}

std::vector<ReportPicture> PlanPatternSetPictures(const analysis::AnalysisDocument& doc,
                                                  const std::string& reportFolder) {
  const std::string folder = reportFolder + kPatternSetPictureFolder;
  std::vector<ReportPicture> pictures;
  // Every file drawn in a picture is done: its own picture would show the same set again.
  std::set<std::string> drawn;
  for (const auto& [key, file] : doc.patterns) {
    if (drawn.count(key)) continue;
    LogMissingPartners(doc, key, file);
    ReportPicture picture{folder + PictureFileName(file.fileName), file.path, {key}};
    for (std::string& partner : analysis::LoadedPartners(doc, key)) picture.files.push_back(std::move(partner));
    drawn.insert(picture.files.begin(), picture.files.end());
    pictures.push_back(std::move(picture));
  }
  return pictures;
}

std::vector<ReportPicture> PlanStandardReportPictures(const analysis::AnalysisDocument& doc,
                                                      const std::string& reportFolder) {
  const std::string folder = reportFolder + kStandardReportPictureFolder;
  auto fields = [](const data::PatternFile& file) {
    const auto& f = file.nameFields;
    return std::tie(f[exports::kFieldPortExtension], f[exports::kFieldTilt], f[data::kFieldCut]);
  };
  auto grouped = [&](const data::PatternFile& file) {
    const auto [port, tilt, cut] = fields(file);
    return !port.empty() && !tilt.empty() && !cut.empty();
  };

  std::vector<ReportPicture> pictures;
  // (port, tilt, cut) -> the picture of that group.
  std::map<std::tuple<std::string, std::string, std::string>, std::size_t> groupPicture;
  for (const auto& [key, file] : doc.patterns) {
    if (!grouped(file)) {
      pictures.push_back({folder + PictureFileName(file.fileName), file.path, {key}});
      continue;
    }
    const auto [port, tilt, cut] = fields(file);
    const auto [group, isNew] = groupPicture.try_emplace({port, tilt, cut}, pictures.size());
    if (isNew) pictures.push_back({folder + port + "_" + tilt + "_" + cut + ".bmp", file.path, {}});
    pictures[group->second].files.push_back(key);
  }
  return pictures;
}

}  // namespace lumaret::session

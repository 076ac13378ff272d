#include "exports/ExportSequence.h"

#include <map>

#include <filesystem>
#include <system_error>

#include "analysis/AnalysisDriver.h"
#include "data/ProgramFolder.h"
#include "exports/AntennaXmlWriter.h"
#include "exports/MsiWriter.h"
#include "exports/PatternHeaders.h"
#include "exports/OutputFile.h"
#include "exports/PlnWriter.h"
#include "exports/TmvMsiWriter.h"
#include "exports/TxtWriter.h"

namespace lumaret::exports {

namespace {

constexpr const char* kNotice =
    "1.Exporting data may last a long time,the status bar would show the state information;\r\n"
    "2.Please empty the \"report\" folder before exporting data.\r\n";

// Shows the message that stops the export before anything is written; kDone to go on.
ExportStatus CheckPreconditions(const analysis::AnalysisDocument& doc) {
  if (doc.patterns.empty()) {
    doc.Messages().Show("No data, select data.");
    return ExportStatus::kNoData;
  }
  if (doc.configFolder.empty()) {
    doc.Messages().Show(
        "Make sure the Config File path, and to ensure that this path exists in the template folder。");
    return ExportStatus::kConfigFolderMissing;
  }
  if (doc.configFolder.find("Config File") == std::string::npos) {
    doc.Messages().Show("Configuration folder hierarchy error。");
    return ExportStatus::kConfigFolderHierarchy;
  }
  return ExportStatus::kDone;
}

// The pattern files, each when chosen, in their fixed order.
void WritePatternFiles(analysis::AnalysisDocument& doc, const ExportChoices& choices, ExportContext& context,
                       data::StatusSink& status) {
  struct Step {
    bool chosen;
    const char* statusText;
    std::function<void()> run;
  };
  const Step steps[] = {
      {choices.pln, "Exporting PLN file, please wait...",
       [&] {
         ApplyPatternNameTexts(doc);
         ExportPlnFiles(doc, context);
       }},
      {choices.msi, "Exporting MSI file, please wait...",
       [&] {
         ApplyPatternNameTexts(doc);
         ExportMsiFiles(doc, context);
       }},
      {choices.tmvmsi, "Exporting TMVMSI file, please wait...",
       [&] {
         ApplyTmvMsiNameTexts(doc);
         ExportTmvMsiFiles(doc, context);
       }},
      // Without the PLN step, the XML writer writes the PLN files it reads first.
      {choices.xml, "Exporting XML file, please wait...",
       [&] {
         if (!context.plnChosen) ApplyPatternNameTexts(doc);
         ExportXmlFiles(doc, context);
       }},
      {choices.txt, "Exporting TXT file, please wait...",
       [&] {
         ApplyPatternNameTexts(doc);
         ExportTxtFiles(doc, context);
       }},
  };
  for (const Step& step : steps) {
    if (!step.chosen) continue;
    status.Status(step.statusText);
    step.run();
  }
}

// The chosen pattern outputs by name, "" when none is chosen.
std::string ChosenPatternOutputs(const ExportChoices& choices) {
  std::string names;
  const std::pair<bool, const char*> outputs[] = {
      {choices.pln, "PLN"}, {choices.msi, "MSI"}, {choices.tmvmsi, "TMVMSI"}, {choices.xml, "XML"}, {choices.txt, "TXT"}};
  for (const auto& [chosen, name] : outputs) {
    if (!chosen) continue;
    if (!names.empty()) names += ", ";
    names += name;
  }
  return names;
}

}  // namespace

// Success is claimed only when every file was written, and only when something was: the
// pattern writers pair split-cut files, so a batch of combined files gives them nothing.
void ShowExportEnd(const analysis::AnalysisDocument& doc, const ExportChoices& choices, const WriteOutcome& outcome) {
  const std::string outputs = ChosenPatternOutputs(choices);
  if (outcome.failed.empty() && outcome.written.empty() && !outputs.empty()) {
    std::size_t combined = 0;
    for (const auto& [key, record] : doc.patterns) combined += record.IsCombined() ? 1 : 0;
    doc.Messages().Show("Export finished; nothing written for " + outputs + ": " + std::to_string(combined) +
                        " combined file(s) skipped.");
    return;
  }
  if (outcome.failed.empty()) {
    doc.Messages().Show("Exporting sucess！");
    return;
  }
  doc.Messages().Show(Format("Export finished, but %zu file(s) could not be written.", outcome.failed.size()));
}

ExportFolders DeriveExportFolders(const std::string& exportFolder) {
  ExportFolders folders;
  folders.exportFolder = data::WithTrailingSlash(exportFolder);
  folders.dataFolder = folders.exportFolder + "DataSrc/";
  folders.reportFolder = folders.exportFolder + "report/";
  return folders;
}

std::string AcceptExportFolder(const std::string& typed) {
  std::error_code ec;
  if (typed.empty() || !std::filesystem::is_directory(typed, ec)) return "";
  return data::WithTrailingSlash(typed);
}

PatternExportSettings ToExportSettings(const data::PatternInformation& info) {
  PatternExportSettings settings;
  settings.antennaType = info.antennaType;
  settings.gainUnit = info.gainUnit;
  settings.tiltMethod = info.tiltMethod;
  for (const data::PortExtension& port : info.ports) settings.portTable[port.extension] = port.portName;
  return settings;
}

ExportResult RunExportSequence(analysis::AnalysisDocument& doc, const ExportRequest& request, data::StatusSink& status,
                               const LaterExportSteps& later) {
  ExportResult result;
  result.status = CheckPreconditions(doc);
  if (result.status != ExportStatus::kDone) return result;
  result.folders = DeriveExportFolders(request.exportFolder);
  if (request.showNotice) doc.Messages().Show(kNotice);
  EnsureFolder(result.folders.reportFolder, doc.Messages());

  status.Status("Calculating indicators...");
  analysis::AnalyseAllLoadedFiles(doc);

  ExportContext context;
  context.exportFolder = result.folders.exportFolder;
  context.info = ToExportSettings(request.patternInformation);
  context.plnChosen = request.choices.pln;
  // The pattern writers rewrite name fields for the names they give their files (lower-case
  // port extension and polarization, say); the later steps and the programs go on with the
  // names as read, so that a port's cuts stay in one result group.
  std::map<std::string, decltype(data::PatternFile::nameFields)> namesAsRead;
  for (const auto& [key, record] : doc.patterns) namesAsRead.emplace(key, record.nameFields);
  WritePatternFiles(doc, request.choices, context, status);
  for (auto& [key, record] : doc.patterns)
    if (const auto it = namesAsRead.find(key); it != namesAsRead.end()) record.nameFields = it->second;
  status.Status("Export finished!");

  if (later.spreadsheets) later.spreadsheets(doc, request, result.folders, context);
  if (!request.choices.word1 && !request.choices.word2) {
    ShowExportEnd(doc, request.choices, context.outcome);
  } else if (later.reports) {
    later.reports(doc, request, result.folders, context);
  }
  result.outcome = std::move(context.outcome);
  return result;
}

}  // namespace lumaret::exports

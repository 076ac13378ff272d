#pragma once

#include <functional>
#include <string>

#include "analysis/AnalysisDocument.h"
#include "data/PatternInformation.h"
#include "data/UserMessages.h"
#include "exports/ExportChoices.h"
#include "exports/ExportContext.h"

namespace lumaret::exports {

// One export run as the export dialog hands it over.
struct ExportRequest {
  std::string exportFolder;  // a missing final "/" is added
  ExportChoices choices;
  data::PatternInformation patternInformation;
  // The notice about long exports and the report folder (the desktop program shows it;
  // the command-line tool does not stop for it).
  bool showNotice = true;
};

// The folders derived from the export folder.
struct ExportFolders {
  std::string exportFolder;  // ends with "/"
  std::string dataFolder;    // export folder + "DataSrc/"
  std::string reportFolder;  // export folder + "report/"
};
ExportFolders DeriveExportFolders(const std::string& exportFolder);

inline constexpr const char* kExportPathMessage = "Export path is empty or does not exist！";

// The export folder typed into the export dialog, ending with "/"; "" when the text is
// empty or names no existing folder (the dialog then shows kExportPathMessage).
std::string AcceptExportFolder(const std::string& typed);

// Steps that later outputs plug in: the spreadsheets run after "Export finished!", the
// reports are started last, only when a Word report is chosen.
struct LaterExportSteps {
  std::function<void(const analysis::AnalysisDocument&, const ExportRequest&, const ExportFolders&, ExportContext&)> spreadsheets;
  std::function<void(const analysis::AnalysisDocument&, const ExportRequest&, const ExportFolders&, ExportContext&)> reports;
};

enum class ExportStatus {
  kDone,                     // every step ran (files that failed are in the outcome)
  kNoData,                   // "No data, select data."
  kConfigFolderMissing,      // the configuration folder is empty
  kConfigFolderHierarchy,    // "Configuration folder hierarchy error。"
};

struct ExportResult {
  ExportStatus status = ExportStatus::kDone;
  ExportFolders folders;
  WriteOutcome outcome;
};

// The message that ends an export without Word reports, or whose reports were not
// written: "Exporting sucess！" only when every file was written, otherwise the count of
// the files that were not.
void ShowExportEnd(const analysis::AnalysisDocument& doc, const ExportChoices& choices, const WriteOutcome& outcome);

// The pattern-information record in the form the writers use.
PatternExportSettings ToExportSettings(const data::PatternInformation& info);

// Runs the export: checks data and configuration folder, creates the report folder, runs
// the analysis over every file, writes the chosen pattern files in the order PLN, MSI,
// TMVMSI, XML, TXT with their status texts, then "Export finished!", the spreadsheets,
// and either "Exporting sucess！" (no Word report chosen, every file written) or the
// reports. Files that cannot be written are reported and the export goes on.
ExportResult RunExportSequence(analysis::AnalysisDocument& doc, const ExportRequest& request, data::StatusSink& status,
                               const LaterExportSteps& later = {});

}  // namespace lumaret::exports

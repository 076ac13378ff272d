#include <filesystem>
#include <map>
#include <string>
#include <system_error>
#include <vector>

#include "cli/CliCommon.h"
#include "cli/PatternBatch.h"
#include "session/DocumentSetup.h"
#include "data/PatternInformation.h"
#include "exports/ExportChoices.h"
#include "exports/ExportSequence.h"
#include "exports/SpreadsheetExport.h"

namespace lumaret::cli {

namespace {

// The chosen outputs; --all chooses every one of them.
exports::ExportChoices ChosenOutputs(const ArgParser& parser) {
  const bool all = parser.Has("--all");
  exports::ExportChoices choices;
  choices.pln = all || parser.Has("--pln");
  choices.msi = all || parser.Has("--msi");
  choices.tmvmsi = all || parser.Has("--tmvmsi");
  choices.xml = all || parser.Has("--xml");
  choices.txt = all || parser.Has("--txt");
  choices.excelData = all || parser.Has("--xlsx-data");
  choices.excelResult = all || parser.Has("--xlsx-result");
  choices.oneSheet = parser.Has("--one-sheet");
  choices.english = true;  // the report language defaults to English
  return choices;
}

// The dialog's text for a command-line word, or a usage error naming the choices.
std::string OneOf(const ArgParser& parser, const std::string& option, const std::string& fallback,
                  const std::map<std::string, std::string>& words) {
  const std::string given = parser.Value(option, fallback);
  const auto it = words.find(given);
  if (it != words.end()) return it->second;
  std::string list;
  for (const auto& [word, text] : words) list += (list.empty() ? "" : "|") + word;
  throw UsageError{"unknown value '" + given + "' for " + option + " (" + list + ")"};
}

data::PatternInformation PatternInformationFrom(const ArgParser& parser) {
  const std::string antennaType =
      OneOf(parser, "--antenna-type", "dual", {{"dual", data::kDualPort}, {"multi", data::kMultiPort}});
  const std::string gainUnit = OneOf(parser, "--gain-unit", "dBi", {{"dBi", "dBi"}, {"dBd", "dBd"}});
  const std::string tiltMethod = OneOf(parser, "--tilt-method", "none",
                                       {{"none", "None"}, {"electrical", "Electrical"}, {"mechanical", "Mechanical"}});
  std::vector<data::PortExtension> rows;
  for (const std::string& port : parser.Values("--port")) {
    const std::size_t eq = port.find('=');
    if (eq == std::string::npos || eq == 0 || eq + 1 == port.size())
      throw UsageError{"--port needs EXT=NAME, got '" + port + "'"};
    rows.push_back({port.substr(eq + 1), port.substr(0, eq)});
  }
  data::PatternInformationOutcome outcome = data::AcceptPatternInformation(antennaType, gainUnit, tiltMethod, rows);
  if (!outcome.accepted) throw UsageError{outcome.message};
  return outcome.info;
}

// The export folder as an absolute path ending with "/", created when missing; "" when it
// cannot be used.
std::string PrepareExportFolder(const std::string& given) {
  const std::string folder = data::WithTrailingSlash(Absolute(given));
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  return std::filesystem::is_directory(folder, ec) ? folder : "";
}

int RunExport(const std::vector<std::string>& args) {
  const ArgParser parser(args, {"--to", "--antenna-type", "--gain-unit", "--tilt-method", "--port"},
                         {"--pln", "--msi", "--tmvmsi", "--xml", "--txt", "--xlsx-data", "--xlsx-result", "--one-sheet", "--all"});
  if (parser.Value("--to").empty()) throw UsageError{"--to DIR is required"};
  if (parser.Positionals().empty()) throw UsageError{"no PATH given"};
  exports::ExportRequest request;
  request.choices = ChosenOutputs(parser);
  request.patternInformation = PatternInformationFrom(parser);
  request.showNotice = false;
  const CommonOptions& options = parser.Common();

  StderrMessages messages;
  session::CTessalyUnitDoc doc(messages);
  InitialiseForCli(doc, options);
  request.exportFolder = PrepareExportFolder(parser.Value("--to"));
  if (request.exportFolder.empty()) {
    messages.Show("Export path is empty or does not exist！");
    return kExitFileError;
  }
  if (!exports::SaveExportChoices(doc.settings, request.choices))
    messages.Show("Failed to save the export choices to " + doc.settings.Path());

  const data::BatchResult batch = ReadPathArguments(doc, parser);
  if (!batch.failures.empty() && !options.keepGoing) return kExitFileError;

  StderrStatus status(options.quiet);
  exports::LaterExportSteps later;
  later.spreadsheets = exports::SpreadsheetExportStep(status);
  const exports::ExportResult result = exports::RunExportSequence(doc, request, status, later);
  const bool allDone = result.status == exports::ExportStatus::kDone && result.outcome.failed.empty();
  return allDone && batch.failures.empty() ? kExitOk : kExitFileError;
}

CommandRegistrar reg{{"export",
                      "export --to DIR [--pln] [--msi] [--tmvmsi] [--xml] [--txt] [--xlsx-data] [--xlsx-result [--one-sheet]] "
                      "[--all: every output above] "
                      "[--antenna-type dual|multi] [--gain-unit dBi|dBd] [--tilt-method none|electrical|mechanical] "
                      "[--port EXT=NAME]... PATH...",
                      &RunExport}};

}  // namespace

}  // namespace lumaret::cli

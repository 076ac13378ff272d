#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CliCommon.h"
#include "cli/PatternBatch.h"
#include "analysis/AnalysisDriver.h"
#include "display/AllResultsGrid.h"
#include "exports/ResultCsv.h"
#include "exports/ResultJson.h"

namespace lumaret::cli {

namespace {

using ResultWriter = void (*)(std::ostream&, session::CTessalyUnitDoc&);

// The output formats of the command; text is the "All Results" lines of every file.
const std::map<std::string, ResultWriter>& ResultWriters() {
  static const std::map<std::string, ResultWriter> writers{
      {"json", [](std::ostream& out, session::CTessalyUnitDoc& doc) { exports::WriteResultJson(out, doc.patterns); }},
      {"csv", [](std::ostream& out, session::CTessalyUnitDoc& doc) { exports::WriteResultCsv(out, doc.patterns); }},
      {"text", [](std::ostream& out, session::CTessalyUnitDoc& doc) { display::WriteResultText(doc, out); }},
  };
  return writers;
}

ResultWriter ChosenWriter(const ArgParser& parser) {
  const std::string format = parser.Value("--format", "json");
  const auto it = ResultWriters().find(format);
  if (it == ResultWriters().end()) throw UsageError{"unknown format '" + format + "' (json, text or csv)"};
  return it->second;
}

int RunAnalyze(const std::vector<std::string>& args) {
  const ArgParser parser(args, {"--format"}, {});
  const ResultWriter writer = ChosenWriter(parser);
  if (parser.Positionals().empty()) throw UsageError{"no PATH given"};
  const CommonOptions& options = parser.Common();

  StderrMessages messages;
  session::CTessalyUnitDoc doc(messages);
  InitialiseForCli(doc, options);
  const data::BatchResult batch = ReadPathArguments(doc, parser);
  // Without --keep-going a failed read stops everything: no partial document is printed.
  if (!batch.failures.empty() && !options.keepGoing) return kExitFileError;

  {
    Progress progress("Analysing", doc.patterns.size(), options.quiet);
    analysis::AnalyseAllLoadedFiles(doc, [&](std::size_t done, std::size_t) { progress.Step(done); });
  }
  std::ostringstream document;
  writer(document, doc);
  if (WriteStandardOutput(document.str()) != kExitOk) return kExitFileError;
  return batch.failures.empty() ? kExitOk : kExitFileError;
}

CommandRegistrar reg{{"analyze", "analyze [options] [--format json|text|csv] PATH...", &RunAnalyze}};

}  // namespace

}  // namespace lumaret::cli

#include <string>
#include <vector>

#include "cli/CliCommon.h"
#include "cli/PatternBatch.h"
#include "session/DocumentSetup.h"
#include "exports/ExactDataWriter.h"
#include "exports/OutputFile.h"

namespace lumaret::cli {

namespace {

int RunSaveExact(const std::vector<std::string>& args) {
  const ArgParser parser(args, {"--to"}, {});
  if (parser.Value("--to").empty()) throw UsageError{"--to DIR is required"};
  if (parser.Positionals().empty()) throw UsageError{"no PATH given"};
  const CommonOptions& options = parser.Common();

  StderrMessages messages;
  session::CTessalyUnitDoc doc(messages);
  InitialiseForCli(doc, options);
  const std::string folder = data::WithTrailingSlash(Absolute(parser.Value("--to")));
  if (!exports::EnsureFolder(folder, messages)) return kExitFileError;

  const data::BatchResult batch = ReadPathArguments(doc, parser);
  if (!batch.failures.empty() && !options.keepGoing) return kExitFileError;
  exports::WriteOutcome outcome;
  exports::SaveAllAsExactData(doc, folder, outcome);
  return batch.failures.empty() && outcome.failed.empty() ? kExitOk : kExitFileError;
}

CommandRegistrar reg{{"save-exact", "save-exact --to DIR PATH...", &RunSaveExact}};

}  // namespace

}  // namespace lumaret::cli

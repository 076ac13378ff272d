#include "cli/PatternBatch.h"

#include <iostream>

#include "data/DiagnosticLog.h"

namespace lumaret::cli {

data::BatchResult ReadPatternBatch(session::CTessalyUnitDoc& doc, const std::vector<std::string>& paths,
                                   const CommonOptions& options) {
  Progress progress("Reading", paths.size(), options.quiet);
  std::size_t done = 0;
  return data::OpenBatch(doc, paths, options.keepGoing, [&](const std::string&, const data::Result& result) {
    if (!result.ok()) std::cerr << result.Located() << '\n';
    progress.Step(++done);
  });
}

namespace {

// The folders that could not be walked, as failed reads (already reported).
std::vector<data::Result> Unreadable(const std::vector<std::string>& folders) {
  std::vector<data::Result> out;
  for (const std::string& text : folders) out.push_back(data::Result::Fail(data::FailureCode::kCannotOpen, text, text));
  return out;
}

}  // namespace

data::BatchResult ReadPathArguments(session::CTessalyUnitDoc& doc, const ArgParser& parser) {
  const ExpandedPaths expanded = ExpandPatternPaths(parser.Positionals());
  for (const std::string& folder : expanded.unreadable) {
    std::cerr << folder << '\n';
    LUMARET_LOG("Read failed: %s\n", folder.c_str());
  }
  // A folder that cannot be read is a failed read: without --keep-going nothing more is read.
  if (!expanded.unreadable.empty() && !parser.Common().keepGoing) {
    data::BatchResult stopped;
    stopped.ranToEnd = false;
    stopped.failures = Unreadable(expanded.unreadable);
    return stopped;
  }
  data::BatchResult batch = ReadPatternBatch(doc, expanded.files, parser.Common());
  const std::vector<data::Result> unreadable = Unreadable(expanded.unreadable);
  batch.failures.insert(batch.failures.begin(), unreadable.begin(), unreadable.end());
  return batch;
}

}  // namespace lumaret::cli

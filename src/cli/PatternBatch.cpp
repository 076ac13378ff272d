#include "cli/PatternBatch.h"

#include <iostream>

#include "data/DiagnosticLog.h"
#include "data/UserMessages.h"

namespace lumaret::cli {
namespace {

void PrintFileMessage(const std::string& path, const std::string& text) {
  if (text.find(path) != std::string::npos)
    std::cerr << text << '\n';
  else
    std::cerr << path << ": " << text << '\n';
}

}  // namespace

data::BatchResult ReadPatternBatch(session::CTessalyUnitDoc& doc, const std::vector<std::string>& paths,
                                   const CommonOptions& options) {
  data::UserMessages& original = doc.Messages();
  data::RecordingMessages perFile;
  doc.SetMessages(perFile);
  Progress progress("Reading", paths.size(), options.quiet);
  std::size_t done = 0;
  const data::BatchResult batch =
      data::OpenBatch(doc, paths, options.keepGoing, [&](const std::string& path, int code) {
        for (const auto& message : perFile.shown) PrintFileMessage(path, message.text);
        if (code == data::kReadFailed && perFile.shown.empty()) PrintFileMessage(path, "cannot be read");
        perFile.shown.clear();
        progress.Step(++done);
      });
  doc.SetMessages(original);
  // Messages of the gain-level loading after the batch.
  for (const auto& message : perFile.shown) original.Show(message.text, message.caption);
  return batch;
}

data::BatchResult ReadPathArguments(session::CTessalyUnitDoc& doc, const ArgParser& parser) {
  const ExpandedPaths expanded = ExpandPatternPaths(parser.Positionals());
  for (const std::string& folder : expanded.unreadable) {
    std::cerr << folder << '\n';
    LUMARET_LOG("Read failed: %s\n", folder.c_str());
  }
  // A folder that cannot be read is a failed read: without --keep-going nothing more is read.
  if (!expanded.unreadable.empty() && !parser.Common().keepGoing)
    return data::BatchResult{false, expanded.unreadable};
  data::BatchResult batch = ReadPatternBatch(doc, expanded.files, parser.Common());
  batch.failed.insert(batch.failed.begin(), expanded.unreadable.begin(), expanded.unreadable.end());
  return batch;
}

}  // namespace lumaret::cli

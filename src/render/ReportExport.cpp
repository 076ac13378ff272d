#include "render/ReportExport.h"

#include "exports/OutputFile.h"
#include "exports/WordReports.h"
#include "render/ReportPictures.h"

namespace lumaret::render {

exports::WriteOutcome RunReportExport(session::CTessalyUnitDoc& snapshot, const exports::ExportRequest& request,
                                      const exports::ExportFolders& folders, const exports::WriteOutcome& earlier,
                                      QSize viewSize, data::StatusSink& status) {
  exports::WriteOutcome outcome;
  const exports::ExportChoices& choices = request.choices;
  RenderReportPictures(snapshot, folders.reportFolder, choices.word1, viewSize, status, outcome);

  // A failed standard report does not keep the pattern collection from being written: the
  // end text counts it, so nothing is lost silently.
  if (choices.word1) {
    status.Status("Exporting word report 1（standard report）...");
    std::vector<std::string> keys;
    for (const auto& [key, record] : snapshot.patterns) keys.push_back(key);
    exports::WriteStandardReport(snapshot, keys, folders, exports::ChooseReportLanguage(choices), PngOfPicture,
                                 outcome);
  }
  if (choices.word2) {
    status.Status("Exporting word report 1（Pattern collection）...");
    exports::WritePatternCollection(snapshot, folders, PngOfPicture, outcome);
  }

  const std::size_t failed = earlier.failed.size() + outcome.failed.size();
  const std::string end = failed == 0
                              ? std::string("Data Export Success！")
                              : exports::Format("Export finished, but %zu file(s) could not be written.", failed);
  status.Status(end);
  snapshot.Messages().Show(end);
  return outcome;
}

}  // namespace lumaret::render

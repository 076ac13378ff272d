#include "exports/SpreadsheetExport.h"

#include "exports/RawDataWorkbook.h"
#include "exports/ResultWorkbook.h"

namespace lumaret::exports {

namespace {

void Record(const analysis::AnalysisDocument& doc, const data::Result& result, WriteOutcome& outcome) {
  if (result.ok()) {
    outcome.written.push_back(result.path);
    return;
  }
  doc.Messages().Show(result.Located());
  outcome.failed.push_back(result.path);
}

}  // namespace

std::function<void(const analysis::AnalysisDocument&, const ExportRequest&, const ExportFolders&, ExportContext&)>
SpreadsheetExportStep(data::StatusSink& status) {
  return [&status](const analysis::AnalysisDocument& doc, const ExportRequest& request, const ExportFolders& folders,
                   ExportContext& context) {
    std::vector<std::string> keys;
    for (const auto& [key, record] : doc.patterns) keys.push_back(key);
    if (request.choices.excelData) {
      status.Status("Exporting excel data...");
      Record(doc, WriteRawDataWorkbook(doc, keys, folders.reportFolder), context.outcome);
    }
    if (request.choices.excelResult) {
      status.Status("Exporting excel result...");
      Record(doc, WriteResultWorkbook(doc, keys, folders.reportFolder, request.choices.oneSheet), context.outcome);
    }
  };
}

}  // namespace lumaret::exports

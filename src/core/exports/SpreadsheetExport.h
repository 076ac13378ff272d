#pragma once

#include <functional>

#include "data/UserMessages.h"
#include "exports/ExportSequence.h"

namespace lumaret::exports {

// The export sequence's spreadsheet step, for LaterExportSteps::spreadsheets: when raw
// data is chosen, the status "Exporting excel data..." and the raw-data workbook; when the
// analysis result is chosen, "Exporting excel result..." and the result workbook (one
// sheet when chosen). Both go into the report folder and cover every loaded file. A
// workbook that cannot be written is shown and counted among the outcome's failures.
std::function<void(const analysis::AnalysisDocument&, const ExportRequest&, const ExportFolders&, ExportContext&)>
SpreadsheetExportStep(data::StatusSink& status);

}  // namespace lumaret::exports

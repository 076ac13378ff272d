#pragma once

#include "analysis/AnalysisDocument.h"
#include "exports/ExportContext.h"

namespace lumaret::exports {

// Writes one MSI file per horizontal co-polar cut with a loaded vertical partner into
// <export folder>MSI (after ApplyPatternNameTexts in the export sequence).
void ExportMsiFiles(const analysis::AnalysisDocument& doc, ExportContext& context);

// The base name of the MSI, PLN and TXT files of a horizontal record:
// MODEL_FREQ_X_CO_POL_TILTPORT, upper-cased.
std::string CombinedBaseName(const data::PatternFile& horizontal, const PatternExportSettings& info);

}  // namespace lumaret::exports

#pragma once

#include "analysis/AnalysisDocument.h"
#include "exports/ExportContext.h"

namespace lumaret::exports {

// Writes one MSI file per horizontal co-polar cut with a loaded vertical partner into
// <export folder>MSI. Lower-cases the port extension and the polarization of every
// horizontal record it writes (later writers see them so). Returns 0.
int ExportMsiFiles(analysis::AnalysisDocument& doc, ExportContext& context);

// The base name of the MSI, PLN and TXT files of a horizontal record:
// MODEL_FREQ_X_CO_POL_TILTPORT, upper-cased.
std::string CombinedBaseName(const data::PatternFile& horizontal, const PatternExportSettings& info);

}  // namespace lumaret::exports

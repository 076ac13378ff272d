#pragma once

#include "analysis/AnalysisDocument.h"
#include "exports/ExportContext.h"

namespace lumaret::exports {

// Writes one TMVMSI file (an MSI dialect) per horizontal co-polar cut with a loaded
// vertical partner into <export folder>TMVMSI (after ApplyTmvMsiNameTexts in the export
// sequence); model and frequency are written upper-cased.
void ExportTmvMsiFiles(const analysis::AnalysisDocument& doc, ExportContext& context);

// MODEL_FREQPORT_POL_TILT, e.g. ANT1_900R1_P45_02ET.
std::string TmvMsiBaseName(const data::PatternFile& horizontal, const PatternExportSettings& info);

}  // namespace lumaret::exports

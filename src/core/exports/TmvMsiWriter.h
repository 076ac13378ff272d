#pragma once

#include "analysis/AnalysisDocument.h"
#include "exports/ExportContext.h"

namespace lumaret::exports {

// Writes one TMVMSI file (an MSI dialect) per horizontal co-polar cut with a loaded
// vertical partner into <export folder>TMVMSI. Lower-cases the port extension and
// upper-cases the model and the frequency of every horizontal record it writes (later
// writers see them so). Returns 0.
int ExportTmvMsiFiles(analysis::AnalysisDocument& doc, ExportContext& context);

// MODEL_FREQPORT_POL_TILT, e.g. ANT1_900R1_P45_02ET.
std::string TmvMsiBaseName(const data::PatternFile& horizontal, const PatternExportSettings& info);

}  // namespace lumaret::exports

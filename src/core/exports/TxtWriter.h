#pragma once

#include "analysis/AnalysisDocument.h"
#include "exports/ExportContext.h"

namespace lumaret::exports {

// Writes the PLN content of every horizontal co-polar cut with a loaded vertical
// partner as ".txt" files into <export folder>TXT, with the PLN writer's side effects on
// the records and the exported frequencies. Returns 0.
int ExportTxtFiles(analysis::AnalysisDocument& doc, ExportContext& context);

}  // namespace lumaret::exports

#pragma once

#include "analysis/AnalysisDocument.h"
#include "exports/ExportContext.h"

namespace lumaret::exports {

// Writes the PLN content of every horizontal co-polar cut with a loaded vertical
// partner as ".txt" files into <export folder>TXT, adding to the exported frequencies as
// the PLN writer does.
void ExportTxtFiles(const analysis::AnalysisDocument& doc, ExportContext& context);

}  // namespace lumaret::exports

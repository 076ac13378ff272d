#pragma once

#include <string>

#include "analysis/AnalysisDocument.h"
#include "exports/ExportContext.h"

namespace lumaret::exports {

// Writes one PLN file per horizontal co-polar cut with a loaded vertical partner into
// <export folder>PLN (after ApplyPatternNameTexts in the export sequence), makes that
// folder the context's PLN folder and adds every partner's frequency text to the
// exported frequencies (once).
void ExportPlnFiles(const analysis::AnalysisDocument& doc, ExportContext& context);

// The PLN writer's walk, shared with the TXT writer, which writes the same content
// under another folder and extension. Returns the output folder.
std::string ExportPlnContent(const analysis::AnalysisDocument& doc, ExportContext& context, const std::string& folderName,
                             const std::string& extension);

}  // namespace lumaret::exports

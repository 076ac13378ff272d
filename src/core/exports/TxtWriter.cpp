#include "exports/TxtWriter.h"

#include "exports/PlnWriter.h"

namespace lumaret::exports {

void ExportTxtFiles(const analysis::AnalysisDocument& doc, ExportContext& context) {
  ExportPlnContent(doc, context, "TXT", ".txt");
}

}  // namespace lumaret::exports

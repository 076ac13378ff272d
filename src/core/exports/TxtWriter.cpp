#include "exports/TxtWriter.h"

#include "exports/PlnWriter.h"

namespace lumaret::exports {

int ExportTxtFiles(analysis::AnalysisDocument& doc, ExportContext& context) {
  ExportPlnContent(doc, context, "TXT", ".txt");
  return 0;
}

}  // namespace lumaret::exports

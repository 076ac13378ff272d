#pragma once

#include "processing/ProcessingDocument.h"

namespace lumaret::session {

// The document the two programs work on: every loaded file with its analysis settings,
// indicator selection, association switches and processing state. The lower levels take
// the part of it they need (data::PatternStore, analysis::AnalysisDocument,
// processing::ProcessingDocument); the programs hold this one.
class CTessalyUnitDoc : public processing::ProcessingDocument {
 public:
  using processing::ProcessingDocument::ProcessingDocument;
};

}  // namespace lumaret::session

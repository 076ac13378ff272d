#pragma once

#include "processing/ProcessingDocument.h"
#include "session/ViewState.h"

namespace lumaret::session {

// The document the two programs work on: every loaded file with its analysis settings,
// indicator selection, association switches, processing state and view state. The lower levels take
// the part of it they need (data::PatternStore, analysis::AnalysisDocument,
// processing::ProcessingDocument); the programs hold this one.
class CTessalyUnitDoc : public processing::ProcessingDocument {
 public:
  using processing::ProcessingDocument::ProcessingDocument;

  // What the plot shows besides the files (loaded by LoadViewState).
  ViewState view;
};

}  // namespace lumaret::session

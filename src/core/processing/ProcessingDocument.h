#pragma once

#include "analysis/AnalysisDocument.h"
#include "processing/ProcessingState.h"

namespace lumaret::processing {

// The analysed files with the state the processing commands keep between calls.
class ProcessingDocument : public analysis::AnalysisDocument {
 public:
  using analysis::AnalysisDocument::AnalysisDocument;

  // Rotation history, level-adjustment settings and the pattern-drag history.
  ProcessingState processing;
};

}  // namespace lumaret::processing

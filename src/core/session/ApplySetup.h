#pragma once

#include <string>

#include "analysis/AnalysisDocument.h"
#include "analysis/AnalysisSettings.h"

namespace lumaret::session {

// What became of a setup dialog's OK.
enum class SetupStatus {
  Applied,      // stored, taken into the document, the displayed files analysed again
  Refused,      // a field is not accepted: nothing was written or changed
  WriteFailed,  // taken into the document and analysed, but the store could not be written
};

struct SetupOutcome {
  SetupStatus status = SetupStatus::Applied;
  std::string message;  // for Refused and WriteFailed: the text to show
  std::string caption;
  bool Refused() const { return status == SetupStatus::Refused; }
};

// The OK of the horizontal parameter setup: validates the texts in the dialog's order; when
// every field is accepted, writes the dialog to the store, takes the record into the
// document, clears the horizontal co-polar and cross-polar stages of every record and
// analyses the displayed files again.
SetupOutcome ApplyHSetup(analysis::AnalysisDocument& doc, const analysis::HSetupTexts& texts);

// The OK of the vertical parameter setup: as above with the vertical record and stages; the
// current file is analysed as well. The gain-cut radio pair of the texts is written as the
// texts hold it (the radiation setup owns it).
SetupOutcome ApplyVSetup(analysis::AnalysisDocument& doc, const analysis::VSetupTexts& texts);

// The OK of the radiation setup: the gain cut must be 1 (vertical) or 0 (horizontal); it is
// written as the radio pair, taken into the document's vertical record, and the radiation
// stage of every record runs again.
SetupOutcome ApplyRadiationSetup(analysis::AnalysisDocument& doc, const analysis::RPara& record);

}  // namespace lumaret::session

#pragma once

#include <optional>
#include <string>

#include "analysis/AnalysisSettings.h"

namespace lumaret::analysis {

// The outcome of a setup dialog's OK: the converted record when every field is accepted,
// otherwise the message and caption of the first field that is not.
template <typename Record>
struct SetupValidation {
  std::optional<Record> record;
  std::string message;
  std::string caption;
  bool Accepted() const { return record.has_value(); }
};

// True when the whole text is a signed integer: optional signs, then digits only
// ("-180", "+5"; not "12.5", " 12" or "").
bool IsIntegerText(const std::string& text);

// Checks the fields in the dialog's order (reference level and direction, HBW XdB, +X°,
// -X°, FBR Xdeg and Tdeg, Lean, THP in the chosen mode, SPR Xdeg and XdB, XPD X° and XdB)
// and converts the texts as the loader does.
SetupValidation<HPara> ValidateHSetup(const HSetupTexts& texts);

// Checks VBW XdB, V-XPD XdB, the envelope values while the refinement check box is not
// "FALSE", then, in manual mode, every side-lobe range in range order.
SetupValidation<VPara> ValidateVSetup(const VSetupTexts& texts);

}  // namespace lumaret::analysis

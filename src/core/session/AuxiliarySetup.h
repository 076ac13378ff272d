#pragma once

#include <string>

#include "analysis/AnalysisDocument.h"
#include "session/ApplySetup.h"

namespace lumaret::session {

inline constexpr const char* kOpenConfigSection = "IDD_DIALOG_OPEN_CONFIG";
inline constexpr const char* kOpenConfigKey = "IDC_EDIT_OPEN_CONFIG";
// The chamber XML path that the program starts with.
inline constexpr const char* kInitialChamberXmlPath = "./Config.xml";

// The OK of the envelope and gain configuration: an empty folder is refused; otherwise the
// envelope files of the folder (and its sub-folders) are added to those loaded, the folder
// is written to the store and kept by the document (with a trailing "/"), the radiation and
// vertical co-polar stages of every record are cleared and the displayed files analysed.
SetupOutcome ApplyEnvelopeConfiguration(analysis::AnalysisDocument& doc, const std::string& folder);

// The OK of the chamber XML selection: an empty path is accepted (it clears the choice), as
// is a path naming an existing file; any other path is refused with its message.
SetupOutcome CheckChamberXmlPath(const std::string& path);

}  // namespace lumaret::session

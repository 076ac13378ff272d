#pragma once

#include <optional>
#include <string>
#include <vector>

#include "analysis/AnalysisDocument.h"

namespace lumaret::display {

inline constexpr const char* kMarkBlockTitle = "=====Mark Information=====";

// The "Current Results" list for the displayed files (keys, display order). Listed are one
// file alone, or two files of which at least one has a loaded partner (polar, slant or cut);
// otherwise the list is empty. markInformation is the active view's mark text; without a
// view (nullopt) no mark block is appended.
std::vector<std::string> CurrentResults(const analysis::AnalysisDocument& doc, const std::vector<std::string>& displayed,
                                        const std::optional<std::string>& markInformation);

}  // namespace lumaret::display

#pragma once

#include <string>

namespace lumaret::data {

// The folder of the running executable's resources: the executable's own folder when it
// holds "Config File/", otherwise <executable folder>/../share/lumaret/.
std::string FindProgramFolder();

// Appends "/" when missing.
std::string WithTrailingSlash(std::string folder);

}  // namespace lumaret::data

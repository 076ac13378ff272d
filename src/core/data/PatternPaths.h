#pragma once

#include <string>
#include <vector>

namespace lumaret::data {

// Makes a path absolute (without resolving links) so that keys are full paths.
std::string AbsolutePath(const std::string& path);

// Expands the arguments in place: a folder contributes its pattern files (.msi .MSI .pln
// .PLN .cm .CM), walked recursively in ascending byte order of the path; a file stays.
// A folder or sub-folder that cannot be listed goes into `unreadable` as
// "<folder>: <reason>".
struct ExpandedPaths {
  std::vector<std::string> files;
  std::vector<std::string> unreadable;
};
ExpandedPaths ExpandPatternPaths(const std::vector<std::string>& args);

}  // namespace lumaret::data

#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "data/PatternFile.h"

namespace lumaret::data {

inline constexpr std::size_t kMaxFileNameParts = 20;
inline constexpr std::size_t kMaxFolderNameParts = 11;
inline constexpr std::size_t kFolderFieldCount = 6;  // name fields 0 to 5
inline constexpr std::size_t kFileNameFieldFirst = 6;

// Splits a name at every underscore into at most maxParts parts; extra parts are dropped.
// A name without any underscore is one part.
std::vector<std::string> SplitNameParts(std::string_view name, std::size_t maxParts);

// The file name without its extension (everything from the last dot).
std::string_view StemOf(std::string_view fileName);

// The name of the folder that holds the file: the path component before the file name
// ("" when the path has no folder part).
std::string_view FolderNameOf(std::string_view path);

// The name fields of a split-cut file. Parts 0 to 8 of the file name's stem go to fields 6
// to 14, each part that exists to its field, a missing part leaves its field empty. Then
// the first six parts of the folder name go to fields 0 to 5. Returns false, with fields 6
// to 14 already set and fields 0 to 5 untouched, when the folder name has fewer than six
// parts or one of them is empty.
bool ParseSplitCutNames(std::string_view path, std::array<std::string, kNameFieldCount>& fields);

}  // namespace lumaret::data

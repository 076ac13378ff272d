#include "data/SplitCutNames.h"

#include <algorithm>

namespace lumaret::data {

std::vector<std::string> SplitNameParts(std::string_view name, std::size_t maxParts) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (parts.size() < maxParts) {
    const std::size_t underscore = name.find('_', start);
    if (underscore == std::string_view::npos) {
      parts.emplace_back(name.substr(start));
      break;
    }
    parts.emplace_back(name.substr(start, underscore - start));
    start = underscore + 1;
  }
  return parts;
}

std::string_view StemOf(std::string_view fileName) {
  const std::size_t dot = fileName.rfind('.');
  return dot == std::string_view::npos ? fileName : fileName.substr(0, dot);
}

std::string_view FolderNameOf(std::string_view path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string_view::npos) return {};
  const std::string_view folder = path.substr(0, slash);
  const std::size_t before = folder.rfind('/');
  return before == std::string_view::npos ? folder : folder.substr(before + 1);
}

bool ParseSplitCutNames(std::string_view path, std::array<std::string, kNameFieldCount>& fields) {
  const std::size_t slash = path.rfind('/');
  const std::string_view fileName = slash == std::string_view::npos ? path : path.substr(slash + 1);
  const std::vector<std::string> fileParts = SplitNameParts(StemOf(fileName), kMaxFileNameParts);
  for (std::size_t field = kFileNameFieldFirst; field < kNameFieldCount; ++field) {
    const std::size_t part = field - kFileNameFieldFirst;
    fields[field] = part < fileParts.size() ? fileParts[part] : std::string();
  }

  const std::vector<std::string> folderParts = SplitNameParts(FolderNameOf(path), kMaxFolderNameParts);
  if (folderParts.size() < kFolderFieldCount) return false;
  const auto firstSix = folderParts.begin() + kFolderFieldCount;
  if (std::any_of(folderParts.begin(), firstSix, [](const std::string& p) { return p.empty(); })) return false;
  std::copy(folderParts.begin(), firstSix, fields.begin());
  return true;
}

}  // namespace lumaret::data

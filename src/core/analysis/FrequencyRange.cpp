#include "analysis/FrequencyRange.h"

#include "data/DataLine.h"

namespace lumaret::analysis {

std::string_view FolderAbove(std::string_view path, int levelsUp) {
  std::size_t end = path.rfind('/');
  for (int level = 1; level < levelsUp && end != std::string_view::npos && end > 0; ++level) {
    end = path.rfind('/', end - 1);
  }
  if (end == std::string_view::npos || end == 0) return {};
  const std::size_t slash = path.rfind('/', end - 1);
  const std::size_t start = slash == std::string_view::npos ? 0 : slash + 1;
  return path.substr(start, end - start);
}

bool BandContains(std::string_view folderName, int frequencyMHz) {
  const std::size_t underscore = folderName.find('_');
  if (underscore == std::string_view::npos) return false;
  const int low = data::LeadingInteger(folderName);
  const int high = data::LeadingInteger(folderName.substr(underscore + 1));
  return low <= frequencyMHz && frequencyMHz <= high;
}

bool EnvelopeBandContains(std::string_view envelopePath, int frequencyMHz) {
  constexpr int kEnvelopeBandLevels = 2;
  return BandContains(FolderAbove(envelopePath, kEnvelopeBandLevels), frequencyMHz);
}

}  // namespace lumaret::analysis

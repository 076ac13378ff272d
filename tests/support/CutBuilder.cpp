#include "support/CutBuilder.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstddef>
#include <vector>

namespace lumaret::test {

namespace {

std::vector<std::string> SplitAtUnderscores(const std::string& text) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find('_', start);
    parts.push_back(text.substr(start, end - start));
    if (end == std::string::npos) return parts;
    start = end + 1;
  }
}

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

}  // namespace

data::PointSequence CutFromPairs(std::initializer_list<std::pair<float, float>> pairs) {
  data::PointSequence cut;
  for (const auto& [angle, level] : pairs) cut.push_back({angle, level});
  return cut;
}

data::PointSequence SampledCut(double first, double last, double step, const std::function<double(double)>& level) {
  data::PointSequence cut;
  const auto count = static_cast<std::size_t>(std::llround((last - first) / step)) + 1;
  for (std::size_t i = 0; i < count; ++i) {
    const double angle = first + static_cast<double>(i) * step;
    cut.push_back({static_cast<float>(angle), static_cast<float>(level(angle))});
  }
  return cut;
}

std::function<double(double)> GaussianBeam(double centre, double halfPowerWidth, double floorDb) {
  return [=](double angle) {
    const double d = (angle - centre) / halfPowerWidth;
    return std::max(-12.0 * d * d, floorDb);
  };
}

data::PatternFile SplitCutFile(const std::string& folder, const std::string& fileName, data::PointSequence points) {
  data::PatternFile file;
  file.path = folder + "/" + fileName;
  file.key = Lower(file.path);
  file.fileName = fileName;
  const std::vector<std::string> folderParts = SplitAtUnderscores(folder);
  for (std::size_t i = 0; i < folderParts.size() && i < 6; ++i) file.nameFields[i] = folderParts[i];
  const std::size_t dot = fileName.rfind('.');
  const std::vector<std::string> nameParts = SplitAtUnderscores(fileName.substr(0, dot));
  for (std::size_t i = 0; i < nameParts.size() && i + 6 < data::kNameFieldCount; ++i) {
    file.nameFields[i + 6] = nameParts[i];
  }
  file.points = std::move(points);
  return file;
}

}  // namespace lumaret::test

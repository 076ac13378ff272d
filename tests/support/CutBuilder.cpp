#include "support/CutBuilder.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "session/CTessalyUnitDoc.h"
#include "data/SplitCutNames.h"

namespace lumaret::test {

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
  file.key = data::ToKey(file.path);
  file.fileName = fileName;
  data::ParseSplitCutNames(file.path, file.nameFields);
  file.kind = data::ClassifyCut(file.nameFields);
  file.points = std::move(points);
  return file;
}

data::PatternFile& AddSplitCut(data::PatternSet& patterns, const std::string& folder, const std::string& fileName,
                               data::PointSequence points) {
  data::PatternFile file = SplitCutFile(folder, fileName, std::move(points));
  const std::string key = file.key;
  return patterns[key] = std::move(file);
}

data::PointSequence AsymmetricBeam() {
  return CutFromPairs({{-3, -10}, {-2, -6}, {-1, -2}, {0, 0}, {1, -1}, {2, -5}, {3, -9}});
}

}  // namespace lumaret::test

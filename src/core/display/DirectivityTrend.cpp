#include "display/DirectivityTrend.h"

#include <algorithm>
#include <charconv>

namespace lumaret::display {
namespace {

constexpr std::size_t kFirstGroupField = 6;
constexpr std::size_t kFrequencyField = 12;

bool ParseFrequency(const std::string& text, double& value) {
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  return ec == std::errc() && ptr == end && !text.empty();
}

}  // namespace

std::vector<TrendSeries> DirectivityTrendSeries(const analysis::AnalysisDocument& doc) {
  std::vector<TrendSeries> series;
  for (const auto& [key, file] : doc.patterns) {
    double frequency = 0;
    if (!ParseFrequency(file.nameFields[kFrequencyField], frequency) || file.result.directivity == data::kUnset)
      continue;
    std::string name;
    for (std::size_t i = kFirstGroupField; i < kFrequencyField; ++i) {
      if (i > kFirstGroupField) name += '_';
      name += file.nameFields[i];
    }
    auto it = std::find_if(series.begin(), series.end(), [&](const TrendSeries& s) { return s.name == name; });
    if (it == series.end()) it = series.insert(series.end(), TrendSeries{name, {}});
    it->points.emplace_back(frequency, file.result.directivity);
  }
  for (TrendSeries& s : series) std::sort(s.points.begin(), s.points.end());
  return series;
}

}  // namespace lumaret::display

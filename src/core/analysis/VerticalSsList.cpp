// The SS list of an elevation cut: side-lobe suppressions in angle ranges given by the
// vertical settings or derived from the "v-plane.txt" envelope of the file's band.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>

#include "analysis/FrequencyRange.h"
#include "analysis/StoredValue.h"
#include "analysis/VerticalIndicators.h"
#include "analysis/VerticalWalks.h"
#include "data/DataLine.h"

namespace lumaret::analysis {

using data::kUnset;
using data::PatternPoint;
using data::PerformanceResult;
using data::PointSequence;
using vertical::Index;

namespace {

constexpr const char* kVerticalEnvelopeName = "v-plane.txt";
constexpr double kBendThreshold = 0.04;
constexpr double kMinRangeWidth = 5.0;
constexpr float kCutEnd = 180.0f;
constexpr float kCutStart = -180.0f;

std::string FormatAngle(float angle) {
  char text[64];
  std::snprintf(text, sizeof text, "%.2f", static_cast<double>(angle));
  return text;
}

// The angles where the curve's second difference exceeds 0.04 dB (a knee), and where a
// flat top starts or ends; an angle may appear more than once.
std::vector<float> Breakpoints(const PointSequence& curve) {
  std::vector<float> angles;
  for (Index k = 1; k + 1 < curve.size(); ++k) {
    const PatternPoint& before = curve[k - 1];
    const PatternPoint& at = curve[k];
    const PatternPoint& after = curve[k + 1];
    const double bend = (static_cast<double>(before.fMag) - at.fMag) - (static_cast<double>(at.fMag) - after.fMag);
    if (bend > kBendThreshold) angles.push_back(at.fDeg);
    if (before.fMag == at.fMag && at.fMag > after.fMag) angles.push_back(at.fDeg);
    if (after.fMag == at.fMag && at.fMag > before.fMag) angles.push_back(at.fDeg);
  }
  return angles;
}

// The "v-plane.txt" curve, in key order, whose band holds the frequency.
const data::AuxRecord* VerticalEnvelopeFor(const data::AuxMap& envelopes, int frequencyMHz) {
  for (const auto& [key, record] : envelopes) {
    if (key.find(kVerticalEnvelopeName) == std::string::npos) continue;
    if (EnvelopeBandContains(key, frequencyMHz)) return &record;
  }
  return nullptr;
}

// The ranges of the SS list, or nothing when automatic mode finds no envelope.
std::optional<SideLobeRanges> RangesFor(const AnalysisDocument& doc, const data::PatternFile& file) {
  if (doc.vPara.automatic != "TRUE") return doc.vPara.ssRanges;
  const int frequency = data::LeadingInteger(file.nameFields[12]);
  const data::AuxRecord* envelope = VerticalEnvelopeFor(doc.envelopeMap, frequency);
  if (envelope == nullptr) return std::nullopt;
  return RangesFromEnvelope(envelope->points, doc.vPara.ssRanges);
}

float WindowMaxLevel(const CPerformance& perf, const PointSequence& cut, double a, double b) {
  float level = kUnset;
  float angle = kUnset;
  perf.GetWindowMax(cut, a, b, level, angle);
  return level;
}

// The highest level on the far side of a bound: above it when the maximum lies at or
// below the bound's angle, else below it.
float OutsideMaxLevel(const CPerformance& perf, const PointSequence& cut, double bound, float maxAngle) {
  return maxAngle <= bound ? WindowMaxLevel(perf, cut, bound, kCutEnd) : WindowMaxLevel(perf, cut, kCutStart, bound);
}

// One slot of the SS list; the bounds are moved out of the main beam, between the FSU
// lobe and the first lower null.
float SideLobeInRange(const CPerformance& perf, const PointSequence& cut, const PerformanceResult& result,
                      const std::pair<std::string, std::string>& range) {
  if (range.first == range.second) return kUnset;
  const double maxAngle = result.vmax.fDeg;
  const double upperLobe = result.fsuLobe.fDeg;
  const double lowerNull = result.firstLowerNull;
  double a = maxAngle + data::LeadingNumber(range.first);
  double b = maxAngle + data::LeadingNumber(range.second);
  if (maxAngle < a && a < lowerNull) {
    a = lowerNull;
  } else if (upperLobe < a && a <= maxAngle) {
    a = b >= 0 ? lowerNull : upperLobe;
  }
  if (maxAngle <= b && b < lowerNull) b = a <= 0 ? upperLobe : lowerNull;

  const bool straddlesMax = (a < maxAngle && maxAngle < b) || (b < maxAngle && maxAngle < a);
  const float peak = straddlesMax ? std::max(OutsideMaxLevel(perf, cut, a, result.vmax.fDeg),
                                             OutsideMaxLevel(perf, cut, b, result.vmax.fDeg))
                                  : WindowMaxLevel(perf, cut, a, b);
  return vertical::Suppression(result.vmax.fMag, peak);
}

}  // namespace

SideLobeRanges RangesFromEnvelope(const PointSequence& curve, const SideLobeRanges& unchanged) {
  if (curve.empty()) return unchanged;
  std::vector<float> angles = Breakpoints(curve);
  std::sort(angles.begin(), angles.end());
  SideLobeRanges ranges;
  for (std::size_t i = 0; i + 1 < angles.size(); ++i) {
    if (std::fabs(static_cast<double>(angles[i]) - angles[i + 1]) > kMinRangeWidth) {
      ranges.emplace_back(FormatAngle(angles[i]), FormatAngle(angles[i + 1]));
    }
  }
  return ranges;
}

void ComputeSideLobeList(const CPerformance& perf, const AnalysisDocument& doc, data::PatternFile& file) {
  const PointSequence& cut = file.points;
  if (!doc.indicators.IsSet(Indicator::SS) || cut.empty()) return;
  PerformanceResult& result = file.result;
  perf.GetMaxMin(cut, result);
  ComputeFirstUpperNull(cut, result);
  ComputeFsu(cut, doc.vPara, doc.indicators, result);

  result.ss = data::UnsetList();
  const std::optional<SideLobeRanges> ranges = RangesFor(doc, file);
  file.ssRangesUsed = ranges.value_or(SideLobeRanges{});
  const std::size_t slots = std::min<std::size_t>(file.ssRangesUsed.size(), data::kResultListSize);
  for (std::size_t i = 0; i < slots; ++i) result.ss[i] = SideLobeInRange(perf, cut, result, file.ssRangesUsed[i]);
}

}  // namespace lumaret::analysis

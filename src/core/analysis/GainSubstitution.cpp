// Gain by substitution: the antenna's level minus the gain standard's level at the same
// frequency, plus the standard's known gain.
#include <cmath>
#include <optional>
#include <string>
#include <string_view>

#include "analysis/FrequencyRange.h"
#include "analysis/RadiationIndicators.h"
#include "analysis/StoredValue.h"
#include "data/DataLine.h"

namespace lumaret::analysis {

using data::AuxMap;
using data::AuxRecord;
using data::kUnset;
using data::PatternFile;
using data::PointSequence;

namespace {

constexpr std::string_view kUnderTestPrefix = "gain level_";
constexpr std::string_view kStandardMarker = "gain level";
constexpr std::string_view kGainValueMarker = "gain value";
constexpr std::string_view kEnvelopeMarker = "envelope";
constexpr int kKeyNameParts = 6;
constexpr int kRecordsNeeded = 3;  // antenna under test, gain standard, gain value
constexpr double kSameFrequencyMHz = 0.01;

bool Contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
}

// "<folder>/gain level_<first six name parts>.txt" from the record's key, the cut word
// switched to the cut the gain is taken from.
std::string UnderTestKey(const std::string& key, std::int32_t gainCut) {
  const std::size_t slash = key.rfind('/');
  const std::string folder = slash == std::string::npos ? std::string() : key.substr(0, slash + 1);
  const std::string_view fileName = std::string_view(key).substr(folder.size());
  std::string head;
  std::size_t start = 0;
  for (int part = 0; part < kKeyNameParts && start <= fileName.size(); ++part) {
    const std::size_t end = std::min(fileName.find('_', start), fileName.size());
    if (part > 0) head += '_';
    head += fileName.substr(start, end - start);
    if (end == fileName.size()) break;
    start = end + 1;
  }
  if (gainCut == 1) {
    ReplaceAll(head, "_h", "_e");
  } else {
    ReplaceAll(head, "_e", "_h");
  }
  return folder + std::string(kUnderTestPrefix) + head + ".txt";
}

struct Standard {
  const AuxRecord* levels = nullptr;  // the gain standard's measured levels
  const AuxRecord* gains = nullptr;   // the standard's known gains
};

// The walk in key order over the records whose band holds the frequency; it ends as soon
// as two records have been taken, so a second standard met first leaves no gain values.
Standard FindStandard(const AuxMap& gainLevels, int frequencyMHz) {
  Standard found;
  int count = 1;
  for (const auto& [key, record] : gainLevels) {
    if (Contains(key, kEnvelopeMarker) || !BandContains(FolderAbove(key, 1), frequencyMHz)) continue;
    if (Contains(key, kStandardMarker)) {
      if (record.fileName.starts_with(kUnderTestPrefix)) continue;
      found.levels = &record;
      ++count;
    } else if (Contains(key, kGainValueMarker)) {
      found.gains = &record;
      ++count;
    }
    if (count == kRecordsNeeded) break;
  }
  if (count != kRecordsNeeded) return {};
  return found;
}

// The curve's value at the frequency: the sample at exactly f, else the line from the
// sample before the first one above f, evaluated at the integer part of f.
std::optional<double> ValueAt(const PointSequence& curve, double f) {
  for (std::size_t i = 0; i < curve.size(); ++i) {
    const double fi = curve[i].fDeg;
    if (fi == f) return curve[i].fMag;
    if (fi > f) {
      if (i == 0) return std::nullopt;
      const double f0 = curve[i - 1].fDeg;
      const double l0 = curve[i - 1].fMag;
      if (fi == f0) return std::nullopt;
      return l0 + (std::trunc(f) - f0) * (curve[i].fMag - l0) / (fi - f0);
    }
  }
  return std::nullopt;
}

// The antenna's level at its first sample within 0.01 MHz of f; 0 when there is none.
double UnderTestLevel(const PointSequence& curve, double f) {
  for (const data::PatternPoint& p : curve) {
    if (std::fabs(static_cast<double>(p.fDeg) - f) < kSameFrequencyMHz) return p.fMag;
  }
  return 0.0;
}

}  // namespace

bool LookUpGainFromLevels(const AuxMap& gainLevels, std::int32_t gainCut, PatternFile& file) {
  const auto underTest = gainLevels.find(UnderTestKey(file.key, gainCut));
  if (underTest == gainLevels.end()) return false;
  const std::string& frequencyText = file.nameFields[12];
  const Standard standard = FindStandard(gainLevels, data::LeadingInteger(frequencyText));
  if (standard.levels == nullptr || standard.gains == nullptr) return false;

  const double f = data::LeadingNumber(frequencyText);
  const std::optional<double> standardLevel = ValueAt(standard.levels->points, f);
  const std::optional<double> standardGain = ValueAt(standard.gains->points, f);
  if (!standardLevel || !standardGain) return false;

  const double level = UnderTestLevel(underTest->second.points, f);
  file.result.gain = level == 0.0 ? kUnset : StoredValue(level - *standardLevel + *standardGain);
  return true;
}

}  // namespace lumaret::analysis

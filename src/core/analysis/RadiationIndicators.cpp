#include "analysis/RadiationIndicators.h"

#include <cmath>

#include "analysis/StoredValue.h"

namespace lumaret::analysis {

using data::IsUnset;
using data::kUnset;
using data::PatternFile;

namespace {

constexpr int kFirstGroupField = 6;
constexpr int kLastGroupField = 11;
constexpr char kFieldSeparator = '\x1f';

std::string LowerCase(std::string text) { return data::ToKey(text); }

bool HasNameFields(const PatternFile& file) {
  for (int f = kFirstGroupField; f <= kLastGroupField; ++f) {
    if (!file.nameFields[f].empty()) return true;
  }
  return false;
}

}  // namespace

std::string GainGroupKey(const PatternFile& file) {
  if (file.IsCombined() || !HasNameFields(file)) return {};
  std::string key;
  for (int f = kFirstGroupField; f <= kLastGroupField; ++f) {
    const bool caseless = f == data::kFieldPolarization || f == data::kFieldCut;
    key += caseless ? LowerCase(file.nameFields[f]) : file.nameFields[f];
    key += kFieldSeparator;
  }
  return key;
}

void SettleGain(const AnalysisDocument& doc, PatternFile& file) {
  if (!file.readWithoutGain || file.points.empty()) return;
  LookUpGainFromLevels(doc.gainLevelMap, doc.vPara.gainCut.gainCut, file);
}

void GainGroups::BuildIndex() {
  indexed_ = true;
  for (auto& [key, file] : doc_->patterns) {
    std::string groupKey = GainGroupKey(file);
    if (!groupKey.empty()) groups_[std::move(groupKey)].members.push_back(&file);
  }
}

void GainGroups::Settle(Group& group) {
  group.settled = true;
  float largest = kUnset;
  float smallest = 999.0f;
  bool anySet = false;
  for (PatternFile* member : group.members) {
    if (!member->result.radDone) SettleGain(*doc_, *member);
    const float gain = member->result.gain;
    if (IsUnset(gain)) continue;
    anySet = true;
    if (gain > largest) largest = gain;
    if (gain < smallest) smallest = gain;
  }
  if (!anySet) return;
  group.largest = largest;
  group.smallest = smallest;
}

float GainGroups::GainRange(const PatternFile& file) {
  if (file.points.empty() || IsUnset(file.result.gain)) return kUnset;
  const std::string groupKey = GainGroupKey(file);
  if (groupKey.empty()) return kUnset;
  if (!indexed_) BuildIndex();
  const auto it = groups_.find(groupKey);
  if (it == groups_.end()) return kUnset;
  Group& group = it->second;
  if (!group.settled) Settle(group);
  if (IsUnset(group.largest)) return kUnset;
  return StoredValue(static_cast<double>(group.largest) - group.smallest);
}

void ComputeLossesAndEfficiency(data::PerformanceResult& result) {
  const bool bothSet = !IsUnset(result.gain) && !IsUnset(result.directivity);
  if (!bothSet) {
    result.losses = kUnset;
    result.eff = kUnset;
    return;
  }
  const double gain = result.gain;
  const double directivity = result.directivity;
  result.losses = StoredValue(directivity - gain);
  result.eff = StoredValue(std::pow(10.0, gain / 10.0) / std::pow(10.0, directivity / 10.0));
}

void RunRadiationStage(AnalysisDocument& doc, PatternFile& file, GainGroups& groups) {
  if (file.points.empty()) return;
  SettleGain(doc, file);
  data::PerformanceResult& result = file.result;
  result.directivity = file.IsCombined() ? kUnset : StoredValue(file.line2Value);
  ComputeLossesAndEfficiency(result);
  result.gfr = groups.GainRange(file);
}

}  // namespace lumaret::analysis

#include "exports/ResultTables.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <functional>
#include <map>
#include <set>
#include <tuple>

#include "analysis/IndicatorTable.h"
#include "analysis/RadiationRule.h"
#include "data/DataLine.h"
#include "data/DiagnosticLog.h"
#include "data/PatternGrammar.h"
#include "exports/RawDataWorkbook.h"

namespace lumaret::exports {

namespace {

using analysis::Indicator;
using data::CutKind;
using data::PatternFile;
using data::PerformanceResult;

constexpr const char* kTrue = "TRUE";
constexpr int kFieldPort = 6;
constexpr int kFieldTilt = 10;
constexpr int kFieldFrequency = 12;
// The analysis leaves SS values below this level for ranges it found no lobe in.
constexpr float kLowestSsLevel = -200.0f;

// The file of a row that a table reads.
enum Slot : std::size_t { kHCo, kHCr, kVCo, kVCr, kCombined, kSlotCount };

bool SlotOf(CutKind kind, Slot& slot) {
  switch (kind) {
    case CutKind::HorizontalCo: slot = kHCo; return true;
    case CutKind::HorizontalCross: slot = kHCr; return true;
    case CutKind::VerticalCo: slot = kVCo; return true;
    case CutKind::VerticalCross: slot = kVCr; return true;
    case CutKind::Combined: slot = kCombined; return true;
    case CutKind::Unclassified: break;
  }
  return false;
}

const char* const kSlotNames[kSlotCount] = {"coh", "crh", "coe", "cre", "msi"};

// The files of one frequency of a group, at most one of each kind.
struct Row {
  std::array<const PatternFile*, kSlotCount> files{};
};

struct GroupKey {
  bool combined = false;
  std::string port, polarization, tilt, name;
  bool operator<(const GroupKey& o) const {
    return std::tie(combined, port, polarization, tilt, name) <
           std::tie(o.combined, o.port, o.polarization, o.tilt, o.name);
  }
};

struct Collected {
  std::map<double, Row> rows;
  const PatternFile* firstVerticalCo = nullptr;  // its SS ranges head the tables in automatic mode
};

// One indicator table to fill: its header, the file it reads and how.
struct Column {
  std::string header;
  Slot slot = kHCo;
  std::function<float(const PerformanceResult&)> value;
  float scale = 1.0f;
  bool radiation = false;  // subject to the radiation rule
  bool isGain = false;
};

template <typename... Args>
std::string Format(const char* format, Args... args) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, format, args...);
  return buffer;
}

class TableBuilder {
 public:
  explicit TableBuilder(const analysis::AnalysisDocument& doc) : doc_(doc) {}

  std::vector<Column> SplitColumns(const Collected& group) const {
    std::vector<Column> out;
    // The radiation values come from the co-polar file of the plane the gain is taken from.
    const Slot radiation = doc_.vPara.gainCut.gainCut == 1 ? kVCo : kHCo;
    for (Indicator i : {Indicator::Gain, Indicator::Directivity, Indicator::Eff, Indicator::GFR, Indicator::Losses})
      Add(out, i, radiation, true);
    for (Indicator i : {Indicator::HMaxLevel, Indicator::HBW3dB, Indicator::HBWXdB, Indicator::PXLevel,
                        Indicator::NXLevel, Indicator::FBRCO, Indicator::SSMax, Indicator::Roundness,
                        Indicator::Squint, Indicator::SquintError, Indicator::HPS, Indicator::Lean})
      Add(out, i, kHCo);
    AddThp(out);
    Add(out, Indicator::THP10dB, kHCo);
    AddSpr(out);
    for (Indicator i : {Indicator::FBRXP, Indicator::FBRtot, Indicator::XPD0, Indicator::XPDX, Indicator::XPD60deg,
                        Indicator::XPDXdB, Indicator::XPD10dB})
      Add(out, i, kHCr);
    for (Indicator i : {Indicator::VMaxLevel, Indicator::VBW3dB, Indicator::VBWXdB, Indicator::VBP, Indicator::VBRr,
                        Indicator::VBRs, Indicator::VBR10dB, Indicator::EDE, Indicator::FSU, Indicator::SSU,
                        Indicator::TSU, Indicator::FSD, Indicator::NF, Indicator::FN})
      Add(out, i, kVCo);
    AddSs(out, group);
    Add(out, Indicator::VXPD0, kVCr);
    Add(out, Indicator::VXPDX, kVCr);
    return out;
  }

  // A combined file lists its gain whatever the selection, then its beam widths.
  std::vector<Column> CombinedColumns() const {
    std::vector<Column> out;
    Add(out, Indicator::Gain, kCombined, false, true);
    Add(out, Indicator::HBW3dB, kCombined);
    Add(out, Indicator::VBW3dB, kCombined);
    return out;
  }

  ResultCell Cell(const Column& column, const Row& row) const {
    const PatternFile* file = row.files[column.slot];
    if (file == nullptr) return Missing();
    const PerformanceResult& r = file->result;
    if (column.radiation) {
      if (!analysis::CarriesRadiationValues(file->kind, doc_.vPara)) return Missing();
      if (!column.isGain && analysis::HidesRadiationValues(doc_.indicators, r)) return Missing();
    }
    const float value = column.value(r);
    if (data::IsUnset(value) || !std::isfinite(value)) return Missing();
    std::string text = Format("%.2f", static_cast<double>(value * column.scale));
    if (text == "-0.00") text = "0.00";  // a level a hair below 0 dB reads as 0, not "-0"
    return {text, 1};
  }

 private:
  static ResultCell Missing() { return {"-", 0}; }

  void Add(std::vector<Column>& out, Indicator indicator, Slot slot, bool radiation = false,
           bool always = false) const {
    if (!always && !doc_.indicators.IsSet(indicator)) return;
    const analysis::IndicatorRow& row = analysis::RowOf(indicator);
    Column column;
    column.header = analysis::IndicatorHeader(row, doc_.hPara, doc_.vPara);
    column.slot = slot;
    column.value = [&row](const PerformanceResult& r) { return analysis::LineValue(row, r); };
    column.scale = row.shape == analysis::TextShape::ValuePercent ? row.scale : 1.0f;
    column.radiation = radiation;
    column.isGain = indicator == Indicator::Gain;
    out.push_back(std::move(column));
  }

  static void AddList(std::vector<Column>& out, std::string header, Slot slot, std::size_t index,
                      data::ResultList PerformanceResult::*list, float lowest) {
    Column column;
    column.header = std::move(header);
    column.slot = slot;
    column.value = [list, index, lowest](const PerformanceResult& r) {
      const float v = (r.*list)[index];
      return v < lowest ? data::kUnset : v;
    };
    out.push_back(std::move(column));
  }

  void AddThp(std::vector<Column>& out) const {
    if (!doc_.indicators.IsSet(Indicator::THP)) return;
    std::vector<std::string> headers = analysis::ThpHeaders(doc_.hPara);
    // One value per listed drop, as many as the result has slots for.
    if (headers.size() > static_cast<std::size_t>(data::kResultListSize)) headers.resize(data::kResultListSize);
    for (std::size_t i = 0; i < headers.size(); ++i)
      AddList(out, std::move(headers[i]), kHCo, i, &PerformanceResult::thp, -INFINITY);
  }

  void AddSpr(std::vector<Column>& out) const {
    if (!doc_.indicators.IsSet(Indicator::SPR)) return;
    std::string header = analysis::SprHeader(doc_.hPara);
    if (header.empty()) return;  // no configured ratio type
    Column column;
    column.header = std::move(header);
    column.slot = kHCo;
    column.value = [](const PerformanceResult& r) { return r.spr; };
    column.scale = 100.0f;
    out.push_back(std::move(column));
  }

  void AddSs(std::vector<Column>& out, const Collected& group) const {
    if (!doc_.indicators.IsSet(Indicator::SS)) return;
    const auto add = [&](const std::vector<std::pair<std::string, std::string>>& ranges, bool skipEmpty) {
      const std::size_t n = std::min<std::size_t>(ranges.size(), data::kResultListSize);
      for (std::size_t i = 0; i < n; ++i) {
        if (skipEmpty && ranges[i].first.empty()) continue;
        AddList(out, analysis::SsHeader(ranges[i].first, ranges[i].second), kVCo, i, &PerformanceResult::ss,
                kLowestSsLevel);
      }
    };
    if (doc_.vPara.manual == kTrue) add(doc_.vPara.ssRanges, true);
    if (doc_.vPara.automatic == kTrue && group.firstVerticalCo != nullptr)
      add(group.firstVerticalCo->ssRangesUsed, false);
  }

  const analysis::AnalysisDocument& doc_;
};

std::map<GroupKey, Collected> CollectGroups(const analysis::AnalysisDocument& doc,
                                            const std::vector<std::string>& keys) {
  const std::set<std::string> wanted(keys.begin(), keys.end());
  std::map<GroupKey, Collected> groups;
  // In key order, so the first of two files of one kind and frequency is the one kept.
  for (const auto& [key, file] : doc.patterns) {
    Slot slot = kHCo;
    if (wanted.count(key) == 0 || !SlotOf(file.kind, slot)) continue;
    GroupKey groupKey;
    double frequency = 0.0;
    if (file.IsCombined()) {
      groupKey.combined = true;
      groupKey.name = RawDataGroupKey(file);  // the raw-data sheet of the same files
      frequency = static_cast<double>(file.line2Value);
    } else {
      groupKey.port = file.nameFields[kFieldPort];
      groupKey.polarization = file.nameFields[data::kFieldPolarization];
      groupKey.tilt = file.nameFields[kFieldTilt];
      groupKey.name = groupKey.port + "_" + groupKey.polarization + "_" + groupKey.tilt;
      frequency = data::LeadingNumber(file.nameFields[kFieldFrequency]);
    }
    if (!std::isfinite(frequency)) {
      LUMARET_LOG("Result tables: %s has no usable frequency and is left out\n", file.fileName.c_str());
      continue;
    }
    Collected& group = groups[groupKey];
    Row& row = group.rows[frequency];
    if (const PatternFile* first = row.files[slot]) {
      LUMARET_LOG("Result tables: %s is left out; %s already gives the %s values of %s at %g MHz\n",
                  file.fileName.c_str(), first->fileName.c_str(), kSlotNames[slot], groupKey.name.c_str(),
                  frequency);
      continue;
    }
    row.files[slot] = &file;
    if (slot == kVCo && group.firstVerticalCo == nullptr) group.firstVerticalCo = &file;
  }
  return groups;
}

}  // namespace

std::vector<ResultGroup> BuildResultGroups(const analysis::AnalysisDocument& doc, const std::vector<std::string>& keys) {
  const TableBuilder builder(doc);
  std::vector<ResultGroup> out;
  for (const auto& [key, collected] : CollectGroups(doc, keys)) {
    ResultGroup group{key.port, key.polarization, key.tilt, key.name, {}, {}};
    for (const auto& entry : collected.rows) group.frequencies.push_back(entry.first);
    const std::vector<Column> columns = key.combined ? builder.CombinedColumns() : builder.SplitColumns(collected);
    for (const Column& column : columns) {
      ResultTable table{column.header, {}};
      for (const auto& entry : collected.rows) table.values.push_back(builder.Cell(column, entry.second));
      group.tables.push_back(std::move(table));
    }
    out.push_back(std::move(group));
  }
  return out;
}

}  // namespace lumaret::exports

#include "display/ResultLines.h"

#include <algorithm>
#include <cstdio>
#include <span>

#include "analysis/IndicatorTable.h"
#include "analysis/RadiationRule.h"

namespace lumaret::display {

namespace {

using analysis::Indicator;
using data::IsUnset;
using data::PerformanceResult;

constexpr const char* kTrue = "TRUE";

// The catalogue lines of each kind, in the order they are listed.
constexpr Indicator kRadiationLines[] = {Indicator::Gain, Indicator::Directivity, Indicator::Losses, Indicator::Eff,
                                         Indicator::GFR};
// Before the THP lines; THP 10dB and SPR follow them.
constexpr Indicator kHorizontalCoLines[] = {
    Indicator::HMaxLevel, Indicator::HBW3dB, Indicator::HBWXdB, Indicator::PXLevel, Indicator::NXLevel,
    Indicator::FBRCO,     Indicator::SSMax,  Indicator::Roundness, Indicator::Squint, Indicator::SquintError,
    Indicator::HPS,       Indicator::Lean};
constexpr Indicator kHorizontalCrossLines[] = {Indicator::FBRXP,    Indicator::FBRtot, Indicator::XPD0,
                                               Indicator::XPDX,     Indicator::XPD60deg, Indicator::XPDXdB,
                                               Indicator::XPD10dB};
// Before the SS range lines.
constexpr Indicator kVerticalCoLines[] = {Indicator::VMaxLevel, Indicator::VBW3dB, Indicator::VBWXdB, Indicator::VBP,
                                          Indicator::VBRr,      Indicator::VBRs,   Indicator::VBR10dB, Indicator::EDE,
                                          Indicator::FSU,       Indicator::SSU,    Indicator::TSU,     Indicator::FSD,
                                          Indicator::NF,        Indicator::FN};
constexpr Indicator kVerticalCrossLines[] = {Indicator::VXPD0, Indicator::VXPDX};
// A combined file's gain line comes first and is shown whatever the selection.
constexpr Indicator kCombinedLines[] = {Indicator::VBW3dB, Indicator::HBW3dB};

template <typename... Args>
std::string Format(const char* format, Args... args) {
  char buffer[256];
  std::snprintf(buffer, sizeof buffer, format, args...);
  return buffer;
}

// The indicator's line, unless its flag is clear or it is checked and its value unset.
void AppendLine(std::vector<std::string>& out, Indicator indicator, const ResultTextSettings& s,
                const PerformanceResult& r, bool ignoreFlag = false) {
  if (!ignoreFlag && !s.flags.IsSet(indicator)) return;
  const analysis::IndicatorRow& row = analysis::RowOf(indicator);
  const float value = analysis::LineValue(row, r);
  if (row.lineChecked && IsUnset(value)) return;
  out.push_back(analysis::IndicatorLine(row, s.hPara, s.vPara, value));
}

void AppendLines(std::vector<std::string>& out, std::span<const Indicator> indicators, const ResultTextSettings& s,
                 const PerformanceResult& r) {
  for (Indicator indicator : indicators) AppendLine(out, indicator, s, r);
}

void Append(std::vector<std::string>& out, const std::vector<std::string>& more) {
  out.insert(out.end(), more.begin(), more.end());
}

// One SS range line: "SS %s°~%s° : %0.2fdB".
std::string SsLine(const std::pair<std::string, std::string>& range, float value) {
  return Format("SS %s\xC2\xB0~%s\xC2\xB0 : %0.2fdB", range.first.c_str(), range.second.c_str(),
                static_cast<double>(value));
}

}  // namespace

ResultTextSettings TextSettingsOf(const analysis::AnalysisDocument& doc) { return {doc.indicators, doc.hPara, doc.vPara}; }

bool ShowsRadiationLines(data::CutKind kind, const analysis::VPara& vPara) {
  return analysis::CarriesRadiationValues(kind, vPara);
}

std::vector<std::string> RadiationLines(const ResultTextSettings& s, const PerformanceResult& result) {
  // The gain itself is unset then, and its line is left out like the others.
  if (analysis::HidesRadiationValues(s.flags, result)) return {};
  std::vector<std::string> out;
  AppendLines(out, kRadiationLines, s, result);
  return out;
}

void ApplyRadiationRule(analysis::AnalysisDocument& doc, const std::vector<std::string>& keys) {
  for (const std::string& key : keys) {
    data::PatternFile* file = doc.Find(key);
    if (file == nullptr || !ShowsRadiationLines(file->kind, doc.vPara)) continue;
    PerformanceResult& r = file->result;
    if (!analysis::HidesRadiationValues(doc.indicators, r)) continue;
    r.directivity = data::kUnset;
    r.losses = data::kUnset;
    r.eff = data::kUnset;
    r.gfr = data::kUnset;
  }
}

std::vector<std::string> ThpLines(const ResultTextSettings& s, const PerformanceResult& r) {
  std::vector<std::string> out;
  if (!s.flags.IsSet(Indicator::THP) || IsUnset(r.thp[0])) return out;
  if (s.hPara.THP_mode != 1) {
    out.push_back(Format("THP %.0f : %0.2fdB", static_cast<double>(s.hPara.THP_Xdeg), static_cast<double>(r.thp[0])));
    return out;
  }
  // The result holds one THP value per listed drop, at most as many as it has slots.
  const std::size_t n = std::min<std::size_t>(s.hPara.THP_XdB.size(), r.thp.size());
  for (std::size_t i = 0; i < n; ++i)
    out.push_back(
        Format("THP %.0fdB : %0.2fdB", static_cast<double>(s.hPara.THP_XdB[i]), static_cast<double>(r.thp[i])));
  return out;
}

std::vector<std::string> SprLines(const ResultTextSettings& s, const PerformanceResult& r) {
  static const char* const kRatioFormats[] = {"SPR%s u/s: %0.4f%c", "SPR%s s/u: %0.4f%c", "SPR%s s/t: %0.4f%c",
                                              "SPR%s u/t: %0.4f%c"};
  const int type = s.hPara.SPR_ratio;
  if (!s.flags.IsSet(Indicator::SPR) || IsUnset(r.spr) || type < 0 || type > 3) return {};
  const std::string sector = analysis::SprSector(s.hPara);
  return {Format(kRatioFormats[type], sector.c_str(), static_cast<double>(r.spr * 100.0f), '%')};
}

std::vector<std::string> SsRangeLines(const analysis::VPara& vPara,
                                      const std::vector<std::pair<std::string, std::string>>& ranges,
                                      const data::ResultList& values) {
  std::vector<std::string> out;
  const std::size_t limit = std::min<std::size_t>(ranges.size(), values.size());
  if (vPara.manual == kTrue) {
    for (std::size_t i = 0; i < limit && !ranges[i].first.empty(); ++i)
      if (!(values[i] < -200.0f)) out.push_back(SsLine(ranges[i], values[i]));
  }
  if (vPara.automatic == kTrue) {
    for (std::size_t i = 0; i < limit; ++i) out.push_back(SsLine(ranges[i], values[i]));
  }
  return out;
}

std::vector<std::string> HorizontalCoLines(const ResultTextSettings& s, const PerformanceResult& r) {
  std::vector<std::string> out;
  AppendLines(out, kHorizontalCoLines, s, r);
  Append(out, ThpLines(s, r));
  AppendLine(out, Indicator::THP10dB, s, r);
  Append(out, SprLines(s, r));
  return out;
}

std::vector<std::string> HorizontalCrossLines(const ResultTextSettings& s, const PerformanceResult& r) {
  std::vector<std::string> out;
  AppendLines(out, kHorizontalCrossLines, s, r);
  return out;
}

std::vector<std::string> VerticalCoLines(const ResultTextSettings& s, const data::PatternFile& file) {
  std::vector<std::string> out;
  AppendLines(out, kVerticalCoLines, s, file.result);
  if (s.flags.IsSet(Indicator::SS)) {
    const bool automatic = s.vPara.automatic == kTrue;
    Append(out, SsRangeLines(s.vPara, automatic ? file.ssRangesUsed : s.vPara.ssRanges, file.result.ss));
  }
  return out;
}

std::vector<std::string> VerticalCrossLines(const ResultTextSettings& s, const PerformanceResult& r) {
  std::vector<std::string> out;
  AppendLines(out, kVerticalCrossLines, s, r);
  return out;
}

std::vector<std::string> CombinedLines(const ResultTextSettings& s, const PerformanceResult& r) {
  std::vector<std::string> out;
  AppendLine(out, Indicator::Gain, s, r, true);
  AppendLines(out, kCombinedLines, s, r);
  return out;
}

std::vector<std::string> CatalogueLines(const ResultTextSettings& s, const data::PatternFile& file) {
  const data::CutKind kind = file.kind;
  std::vector<std::string> out;
  if (ShowsRadiationLines(kind, s.vPara)) out = RadiationLines(s, file.result);
  switch (kind) {
    case data::CutKind::HorizontalCo:
      Append(out, HorizontalCoLines(s, file.result));
      break;
    case data::CutKind::HorizontalCross:
      return HorizontalCrossLines(s, file.result);
    case data::CutKind::VerticalCo:
      Append(out, VerticalCoLines(s, file));
      break;
    case data::CutKind::VerticalCross:
      return VerticalCrossLines(s, file.result);
    case data::CutKind::Combined:
      return CombinedLines(s, file.result);
    case data::CutKind::Unclassified:
      break;
  }
  return out;
}

std::string ComposedFileName(const data::PatternFile& file) {
  std::string name = file.nameFields[6];
  for (int i = 7; i <= 12; ++i) name += "_" + file.nameFields[i];
  return name;
}

}  // namespace lumaret::display

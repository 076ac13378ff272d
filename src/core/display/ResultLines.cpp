#include "display/ResultLines.h"

#include <algorithm>
#include <cstdio>
#include <span>

namespace lumaret::display {

namespace {

using analysis::HPara;
using analysis::Indicator;
using analysis::VPara;
using data::IsUnset;
using data::PerformanceResult;

constexpr const char* kTrue = "TRUE";

// How a catalogue row turns its value (and setting) into text.
enum class Shape {
  Value,                  // format(value)
  ValuePercent,           // format(value x scale, '%')
  FloatSettingThenValue,  // format(setting, value)
  IntSettingThenValue,    // format((int) setting, value)
};

struct LineRow {
  Indicator indicator;
  const char* format;
  float (*value)(const PerformanceResult&);
  bool checked;  // left out when the value is unset
  Shape shape = Shape::Value;
  double (*setting)(const HPara&, const VPara&) = nullptr;
  float scale = 1.0f;
};

#define RESULT(expr) +[](const PerformanceResult& r) -> float { return expr; }
#define SETTING(expr) +[](const HPara& h, const VPara& v) -> double { (void)h; (void)v; return expr; }

const LineRow kRadiationRows[] = {
    {Indicator::Gain, "Gain : %0.2fdBi", RESULT(r.gain), true},
    {Indicator::Directivity, "Directivity : %0.2fdBi", RESULT(r.directivity), true},
    {Indicator::Losses, "Losses : %0.2fdB", RESULT(r.losses), true},
    {Indicator::Eff, "Eff : %0.2f%c", RESULT(r.eff), true, Shape::ValuePercent, nullptr, 100.0f},
    {Indicator::GFR, "GFR : %0.2fdB", RESULT(r.gfr), true},
};

// The horizontal co-polar rows before the THP lines, and the one after them (before SPR).
const LineRow kHorizontalCoRows[] = {
    {Indicator::HMaxLevel, "H-Max Level : %0.2fdB", RESULT(r.hpeak.fMag), false},
    {Indicator::HBW3dB, "HBW : %0.2f\xC2\xB0", RESULT(r.hbw), false},
    {Indicator::HBWXdB, "HBW %.0fdB : %0.2f\xC2\xB0", RESULT(r.hbwXdB), false, Shape::FloatSettingThenValue,
     SETTING(h.HBW_XdB)},
    {Indicator::PXLevel, "+%d\xC2\xB0 Level : %0.2fdB", RESULT(r.pxLevel), false, Shape::IntSettingThenValue,
     SETTING(h.PX_deg)},
    {Indicator::NXLevel, "-%d\xC2\xB0 Level : %0.2fdB", RESULT(r.nxLevel), false, Shape::IntSettingThenValue,
     SETTING(h.NX_deg)},
    {Indicator::FBRCO, "FBR CO : %0.2fdB", RESULT(r.fbrCo), false},
    {Indicator::SSMax, "SS Max : %0.2fdB", RESULT(r.ssMax.fMag), false},
    {Indicator::Roundness, "Roundness : %0.2fdB", RESULT(r.roundness), false},
    {Indicator::Squint, "Squint : %0.2f\xC2\xB0", RESULT(r.squint), false},
    {Indicator::SquintError, "SquintError : %0.2f\xC2\xB0", RESULT(r.squintError), true},
    {Indicator::HPS, "HPS : %0.2fdB", RESULT(r.hps), true},
    {Indicator::Lean, "Lean : %0.2f\xC2\xB0", RESULT(r.lean), false},
};
const LineRow kThp10dBRow = {Indicator::THP10dB, "THP 10dB : %0.2fdB", RESULT(r.thp10dB), true};

const LineRow kHorizontalCrossRows[] = {
    {Indicator::FBRXP, "FBR XP : %0.2fdB", RESULT(r.fbrXp), true},
    {Indicator::FBRtot, "FBR tot : %0.2fdB", RESULT(r.fbrTot), true},
    {Indicator::XPD0, "XPD 0 : %0.2fdB", RESULT(r.xpd0), true},
    {Indicator::XPDX, "XPD %.0f\xC2\xB0 : %0.2fdB", RESULT(r.xpdX), true, Shape::FloatSettingThenValue,
     SETTING(h.XPD_Xdeg)},
    {Indicator::XPD60deg, "XPD 60 : %0.2fdB", RESULT(r.xpd60), true},
    {Indicator::XPDXdB, "XPD %.0fdB : %0.2fdB", RESULT(r.xpdXdB), true, Shape::FloatSettingThenValue,
     SETTING(h.XPD_XdB)},
    {Indicator::XPD10dB, "XPD 10dB : %0.2fdB", RESULT(r.xpd10dB), true},
};

const LineRow kVerticalCoRows[] = {
    {Indicator::VMaxLevel, "V-Max Level : %0.2fdB", RESULT(r.vmax.fMag), false},
    {Indicator::VBW3dB, "VBW : %0.2f\xC2\xB0", RESULT(r.vbw), false},
    {Indicator::VBWXdB, "VBW %.0fdB : %0.2f\xC2\xB0", RESULT(r.vbwXdB), false, Shape::FloatSettingThenValue,
     SETTING(v.VBW_XdB)},
    {Indicator::VBP, "VBP : %0.2f\xC2\xB0", RESULT(r.vbp), false},
    {Indicator::VBRr, "VBR(r) : %.2f%c", RESULT(r.vbrR), false, Shape::ValuePercent},
    {Indicator::VBRs, "VBR(u) : %.2f%c", RESULT(r.vbrU), false, Shape::ValuePercent},
    {Indicator::VBR10dB, "VBR(10dB) : %.2f%c", RESULT(r.vbr10dB), false, Shape::ValuePercent},
    {Indicator::EDE, "EDE : %0.2f\xC2\xB0", RESULT(r.ede), false},
    {Indicator::FSU, "FSU : %0.2fdB", RESULT(r.fsu.fMag), false},
    {Indicator::SSU, "SSU : %0.2fdB", RESULT(r.ssu.fMag), false},
    {Indicator::TSU, "TSU : %0.2fdB", RESULT(r.tsu.fMag), false},
    {Indicator::FSD, "FSD : %0.2fdB", RESULT(r.fsd.fMag), false},
    {Indicator::NF, "NF : %0.2fdB", RESULT(r.nf), false},
    {Indicator::FN, "F. N : %0.2f\xC2\xB0", RESULT(r.fn), false},
};

const LineRow kVerticalCrossRows[] = {
    {Indicator::VXPD0, "V-XPD 0\xC2\xB0 : %0.2fdB", RESULT(r.vxpd0), true},
    {Indicator::VXPDX, "V-XPD %.0fdB : %0.2fdB", RESULT(r.vxpdXdB), true, Shape::FloatSettingThenValue,
     SETTING(v.VXPD_XdB)},
};

// The combined file's rows; its gain line is shown whatever the selection.
const LineRow kCombinedRows[] = {
    {Indicator::VBW3dB, "VBW : %0.2f\xC2\xB0", RESULT(r.vbw), false},
    {Indicator::HBW3dB, "HBW : %0.2f\xC2\xB0", RESULT(r.hbw), false},
};
const LineRow kCombinedGainRow = {Indicator::Gain, "Gain : %0.2fdBi", RESULT(r.gain), true};

#undef RESULT
#undef SETTING

template <typename... Args>
std::string Format(const char* format, Args... args) {
  char buffer[256];
  std::snprintf(buffer, sizeof buffer, format, args...);
  return buffer;
}

std::string FormatRow(const LineRow& row, const ResultTextSettings& s, float value) {
  switch (row.shape) {
    case Shape::Value:
      return Format(row.format, static_cast<double>(value));
    case Shape::ValuePercent:
      return Format(row.format, static_cast<double>(value * row.scale), '%');
    case Shape::FloatSettingThenValue:
      return Format(row.format, row.setting(s.hPara, s.vPara), static_cast<double>(value));
    case Shape::IntSettingThenValue:
      return Format(row.format, static_cast<int>(row.setting(s.hPara, s.vPara)), static_cast<double>(value));
  }
  return {};
}

// The row's line, unless its flag is clear or it is checked and its value unset.
void AppendRow(std::vector<std::string>& out, const LineRow& row, const ResultTextSettings& s,
               const PerformanceResult& r, bool ignoreFlag = false) {
  if (!ignoreFlag && !s.flags.IsSet(row.indicator)) return;
  const float value = row.value(r);
  if (row.checked && IsUnset(value)) return;
  out.push_back(FormatRow(row, s, value));
}

void AppendRows(std::vector<std::string>& out, std::span<const LineRow> rows, const ResultTextSettings& s,
                const PerformanceResult& r) {
  for (const auto& row : rows) AppendRow(out, row, s, r);
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
  return (kind == data::CutKind::HorizontalCo && vPara.gainCut.gainCut == 0) ||
         (kind == data::CutKind::VerticalCo && vPara.gainCut.gainCut == 1);
}

std::vector<std::string> RadiationLines(const ResultTextSettings& s, PerformanceResult& result) {
  if (s.flags.IsSet(Indicator::Gain) && IsUnset(result.gain)) {
    result.directivity = data::kUnset;
    result.losses = data::kUnset;
    result.eff = data::kUnset;
    result.gfr = data::kUnset;
  }
  std::vector<std::string> out;
  AppendRows(out, kRadiationRows, s, result);
  return out;
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
  const std::string sector = s.hPara.SPR_mode == 0 ? Format("%.0f\xC2\xB0", static_cast<double>(s.hPara.SPR_Xdeg))
                                                   : Format("%.0fdB", static_cast<double>(s.hPara.SPR_XdB));
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
  AppendRows(out, kHorizontalCoRows, s, r);
  Append(out, ThpLines(s, r));
  AppendRow(out, kThp10dBRow, s, r);
  Append(out, SprLines(s, r));
  return out;
}

std::vector<std::string> HorizontalCrossLines(const ResultTextSettings& s, const PerformanceResult& r) {
  std::vector<std::string> out;
  AppendRows(out, kHorizontalCrossRows, s, r);
  return out;
}

std::vector<std::string> VerticalCoLines(const ResultTextSettings& s, const data::PatternFile& file) {
  std::vector<std::string> out;
  AppendRows(out, kVerticalCoRows, s, file.result);
  if (s.flags.IsSet(Indicator::SS)) {
    const bool automatic = s.vPara.automatic == kTrue;
    Append(out, SsRangeLines(s.vPara, automatic ? file.ssRangesUsed : s.vPara.ssRanges, file.result.ss));
  }
  return out;
}

std::vector<std::string> VerticalCrossLines(const ResultTextSettings& s, const PerformanceResult& r) {
  std::vector<std::string> out;
  AppendRows(out, kVerticalCrossRows, s, r);
  return out;
}

std::vector<std::string> CombinedLines(const ResultTextSettings& s, const PerformanceResult& r) {
  std::vector<std::string> out;
  AppendRow(out, kCombinedGainRow, s, r, true);
  AppendRows(out, kCombinedRows, s, r);
  return out;
}

std::vector<std::string> CatalogueLines(const ResultTextSettings& s, data::PatternFile& file) {
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

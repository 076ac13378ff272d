#include "analysis/IndicatorTable.h"

#include <cstdio>

namespace lumaret::analysis {

namespace {

using I = Indicator;
using S = TextShape;
constexpr std::string_view kV = "VParameter";
constexpr std::string_view kH = "HParameter";
constexpr std::string_view kR = "RParameter";

// The settings whose values appear in some lines and headers.
double h_HBW_XdB(const HPara& h, const VPara& v) { (void)h; (void)v; return h.HBW_XdB; }
double h_NX_deg(const HPara& h, const VPara& v) { (void)h; (void)v; return h.NX_deg; }
double h_PX_deg(const HPara& h, const VPara& v) { (void)h; (void)v; return h.PX_deg; }
double h_XPD_XdB(const HPara& h, const VPara& v) { (void)h; (void)v; return h.XPD_XdB; }
double h_XPD_Xdeg(const HPara& h, const VPara& v) { (void)h; (void)v; return h.XPD_Xdeg; }
double v_VBW_XdB(const HPara& h, const VPara& v) { (void)h; (void)v; return v.VBW_XdB; }
double v_VXPD_XdB(const HPara& h, const VPara& v) { (void)h; (void)v; return v.VXPD_XdB; }

// clang-format off
constexpr std::array<IndicatorRow, kIndicatorCount> kRows = {{
  {.indicator = I::VMaxLevel, .name = "VMaxLevel", .iniSection = kV, .iniKey = "cm_isSelVMaxLevel", .menuKey = "ID_VMAXLEVEL", .checkBox = "V-Max Level", .resultKeys = {"vmax"}, .lineFormat = "V-Max Level : %0.2fdB", .headerFormat = "V-Max Level\n(dB)", .unit = "dB"},
  {.indicator = I::VBW3dB, .name = "VBW3dB", .iniSection = kV, .iniKey = "cm_isSelVBW3dB", .menuKey = "ID_VBW3dB", .checkBox = "VBW", .resultKeys = {"vbw"}, .lineFormat = "VBW : %0.2f\xC2\xB0", .headerFormat = "VBW\n(\xC2\xB0)", .unit = "\xC2\xB0"},
  {.indicator = I::VBWXdB, .name = "VBWXdB", .iniSection = kV, .iniKey = "cm_isSelVBWXdB", .menuKey = "ID_VBWXdB", .checkBox = "VBW XdB", .resultKeys = {"vbwXdB"}, .lineFormat = "VBW %.0fdB : %0.2f\xC2\xB0", .shape = S::FloatSetting, .setting = v_VBW_XdB, .headerFormat = "VBW %.0fdB\n(\xC2\xB0)", .unit = "\xC2\xB0"},
  {.indicator = I::VBP, .name = "VBP", .iniSection = kV, .iniKey = "cm_isSelVBP", .menuKey = "ID_VBP", .checkBox = "VBP", .resultKeys = {"vbp"}, .lineFormat = "VBP : %0.2f\xC2\xB0", .headerFormat = "VBP\n(\xC2\xB0)", .unit = "\xC2\xB0"},
  {.indicator = I::VBRr, .name = "VBRr", .iniSection = kV, .iniKey = "cm_isSelVBRr", .menuKey = "ID_VBRr", .checkBox = "VBR(r)", .resultKeys = {"vbrR"}, .lineFormat = "VBR(r) : %.2f%c", .shape = S::ValuePercent, .headerFormat = "VBR(r)\n(%)", .unit = "%"},
  {.indicator = I::VBRs, .name = "VBRs", .iniSection = kV, .iniKey = "cm_isSelVBRs", .menuKey = "ID_VBRs", .checkBox = "VBR(u)", .resultKeys = {"vbrU"}, .lineFormat = "VBR(u) : %.2f%c", .shape = S::ValuePercent, .headerFormat = "VBR(u)\n(%)", .unit = "%"},
  {.indicator = I::VBR10dB, .name = "VBR10dB", .iniSection = kV, .iniKey = "cm_isSelVBR10dB", .menuKey = "ID_VBR10dB", .checkBox = "VBR 10dB", .resultKeys = {"vbr10dB"}, .lineFormat = "VBR(10dB) : %.2f%c", .shape = S::ValuePercent, .headerFormat = "VBR(10dB)\n(%)", .unit = "%"},
  {.indicator = I::EDE, .name = "EDE", .iniSection = kV, .iniKey = "cm_isSelEDE", .menuKey = "ID_EDE", .checkBox = "EDE", .resultKeys = {"ede"}, .lineFormat = "EDE : %0.2f\xC2\xB0", .headerFormat = "EDE\n(\xC2\xB0)", .unit = "\xC2\xB0"},
  {.indicator = I::FSU, .name = "FSU", .iniSection = kV, .iniKey = "cm_isSelFSU", .menuKey = "ID_FSU", .checkBox = "FSU", .resultKeys = {"fsu", "fsuLobe"}, .lineFormat = "FSU : %0.2fdB", .headerFormat = "FSU\n(dB)", .unit = "dB"},
  {.indicator = I::FSD, .name = "FSD", .iniSection = kV, .iniKey = "cm_isSelFSD", .menuKey = "ID_FSD", .checkBox = "FSD", .resultKeys = {"fsd"}, .lineFormat = "FSD : %0.2fdB", .headerFormat = "FSD\n(dB)", .unit = "dB"},
  {.indicator = I::NF, .name = "NF", .iniSection = kV, .iniKey = "cm_isSelNF", .menuKey = "ID_NF", .checkBox = "NF", .resultKeys = {"nf"}, .lineFormat = "NF : %0.2fdB", .headerFormat = "NF\n(dB)", .unit = "dB"},
  {.indicator = I::FN, .name = "FN", .iniSection = kV, .iniKey = "cm_isSelFN", .menuKey = "ID_FN", .checkBox = "F.N.", .resultKeys = {"fn"}, .lineFormat = "F. N : %0.2f\xC2\xB0", .headerFormat = "F.N.\n(\xC2\xB0)", .unit = "\xC2\xB0"},
  {.indicator = I::SS, .name = "SS", .iniSection = kV, .iniKey = "cm_isSelSS", .menuKey = "ID_SS", .checkBox = "SS X1\xC2\xB0\xEF\xBD\x9EX2\xC2\xB0", .resultKeys = {"ss"}, .unit = "dB"},
  {.indicator = I::VXPD0, .name = "VXPD0", .iniSection = kV, .iniKey = "cm_isSelVXPD0", .menuKey = "ID_VXPD0", .checkBox = "V-XPD 0", .resultKeys = {"vxpd0"}, .lineFormat = "V-XPD 0\xC2\xB0 : %0.2fdB", .lineChecked = true, .headerFormat = "V-XPD 0\xC2\xB0\n(dB)", .unit = "dB"},
  {.indicator = I::VXPDX, .name = "VXPDX", .iniSection = kV, .iniKey = "cm_isSelVXPDX", .menuKey = "ID_VXPDX", .checkBox = "V-XPD XdB", .resultKeys = {"vxpdXdB"}, .lineFormat = "V-XPD %.0fdB : %0.2fdB", .shape = S::FloatSetting, .lineChecked = true, .setting = v_VXPD_XdB, .headerFormat = "V-XPD %.0fdB\n(dB)", .unit = "dB"},
  {.indicator = I::SSU, .name = "SSU", .iniSection = kV, .iniKey = "cm_isSelSSU", .menuKey = "ID_SSU", .checkBox = "SSU", .resultKeys = {"ssu"}, .lineFormat = "SSU : %0.2fdB", .headerFormat = "SSU\n(dB)", .unit = "dB"},
  {.indicator = I::TSU, .name = "TSU", .iniSection = kV, .iniKey = "cm_isSelTSU", .menuKey = "ID_TSU", .checkBox = "TSU", .resultKeys = {"tsu"}, .lineFormat = "TSU : %0.2fdB", .headerFormat = "TSU\n(dB)", .unit = "dB"},
  {.indicator = I::HMaxLevel, .name = "HMaxLevel", .iniSection = kH, .iniKey = "cm_isSelHMaxLevel", .menuKey = "ID_HMAXLEVEL", .checkBox = "H-Max Level", .resultKeys = {"hpeak"}, .lineFormat = "H-Max Level : %0.2fdB", .headerFormat = "H-Max Level\n(dB)", .unit = "dB"},
  {.indicator = I::HBW3dB, .name = "HBW3dB", .iniSection = kH, .iniKey = "cm_isSelHBW3dB", .menuKey = "ID_HBW3DB", .checkBox = "HBW", .resultKeys = {"hbw"}, .lineFormat = "HBW : %0.2f\xC2\xB0", .headerFormat = "HBW\n(\xC2\xB0)", .unit = "\xC2\xB0"},
  {.indicator = I::HBWXdB, .name = "HBWXdB", .iniSection = kH, .iniKey = "cm_isSelHBWXdB", .menuKey = "ID_HBWXdB", .checkBox = "HBW XdB", .resultKeys = {"hbwXdB"}, .lineFormat = "HBW %.0fdB : %0.2f\xC2\xB0", .shape = S::FloatSetting, .setting = h_HBW_XdB, .headerFormat = "HBW %.0fdB\n(\xC2\xB0)", .unit = "\xC2\xB0"},
  {.indicator = I::PXLevel, .name = "PXLevel", .iniSection = kH, .iniKey = "cm_isSelPXLevel", .menuKey = "ID_PXLEVEL", .checkBox = "+ X\xC2\xB0Level", .resultKeys = {"pxLevel"}, .lineFormat = "+%d\xC2\xB0 Level : %0.2fdB", .shape = S::IntSetting, .setting = h_PX_deg, .headerFormat = "+%d\xC2\xB0Level\n(dB)", .unit = "dB"},
  {.indicator = I::NXLevel, .name = "NXLevel", .iniSection = kH, .iniKey = "cm_isSelNXLevel", .menuKey = "ID_NXLEVEL", .checkBox = "- X\xC2\xB0Level", .resultKeys = {"nxLevel"}, .lineFormat = "-%d\xC2\xB0 Level : %0.2fdB", .shape = S::IntSetting, .setting = h_NX_deg, .headerFormat = "-%d\xC2\xB0Level\n(dB)", .unit = "dB"},
  {.indicator = I::FBRCO, .name = "FBRCO", .iniSection = kH, .iniKey = "cm_isSelFBRCO", .menuKey = "ID_FBRCO", .checkBox = "FBR CO", .resultKeys = {"fbrCo"}, .lineFormat = "FBR CO : %0.2fdB", .headerFormat = "FBR co\n(dB)", .unit = "dB"},
  {.indicator = I::SSMax, .name = "SSMax", .iniSection = kH, .iniKey = "cm_isSelSSMax", .menuKey = "ID_SSMAX", .checkBox = "SS Max", .resultKeys = {"ssMax", "ssMaxLobe"}, .lineFormat = "SS Max : %0.2fdB", .headerFormat = "SS Max\n(dB)", .unit = "dB"},
  {.indicator = I::SPR, .name = "SPR", .iniSection = kH, .iniKey = "cm_isSelSPR", .menuKey = "ID_SPR", .checkBox = "SPR", .resultKeys = {"spr"}, .unit = "%"},
  {.indicator = I::Squint, .name = "Squint", .iniSection = kH, .iniKey = "cm_isSelSquint", .menuKey = "ID_SQUINT", .checkBox = "Squint", .resultKeys = {"squint"}, .lineFormat = "Squint : %0.2f\xC2\xB0", .headerFormat = "Squint\n(\xC2\xB0)", .unit = "\xC2\xB0"},
  {.indicator = I::SquintError, .name = "SquintError", .iniSection = kH, .iniKey = "cm_isSelSquintError", .menuKey = "ID_Squint_Error", .checkBox = "SquintError", .resultKeys = {"squintError"}, .lineFormat = "SquintError : %0.2f\xC2\xB0", .lineChecked = true, .headerFormat = "SquintError\n(\xC2\xB0)", .unit = "\xC2\xB0"},
  {.indicator = I::HPS, .name = "HPS", .iniSection = kH, .iniKey = "cm_isSelHPS", .menuKey = "ID_HPS", .checkBox = "HPS", .resultKeys = {"hps"}, .lineFormat = "HPS : %0.2fdB", .lineChecked = true, .headerFormat = "HPS\n(dB)", .unit = "dB"},
  {.indicator = I::Lean, .name = "Lean", .iniSection = kH, .iniKey = "cm_isSelLean", .menuKey = "ID_LEAN", .checkBox = "Lean", .resultKeys = {"lean"}, .lineFormat = "Lean : %0.2f\xC2\xB0", .headerFormat = "Lean\n(\xC2\xB0)", .unit = "\xC2\xB0"},
  {.indicator = I::Roundness, .name = "Roundness", .iniSection = kH, .iniKey = "cm_isSelRoundness", .menuKey = "ID_ROUNDNESS", .checkBox = "Roundness", .resultKeys = {"roundness"}, .lineFormat = "Roundness : %0.2fdB", .headerFormat = "Roundness\n(dB)", .unit = "dB"},
  {.indicator = I::FBRXP, .name = "FBRXP", .iniSection = kH, .iniKey = "cm_isSelFBRXP", .menuKey = "ID_FBRXP", .checkBox = "FBR XP", .resultKeys = {"fbrXp"}, .lineFormat = "FBR XP : %0.2fdB", .lineChecked = true, .headerFormat = "FBR xp\n(dB)", .unit = "dB"},
  {.indicator = I::FBRtot, .name = "FBRtot", .iniSection = kH, .iniKey = "cm_isSelFBRtot", .menuKey = "ID_FBRTOT", .checkBox = "FBR tot", .resultKeys = {"fbrTot"}, .lineFormat = "FBR tot : %0.2fdB", .lineChecked = true, .headerFormat = "FBR tot\n(dB)", .unit = "dB"},
  {.indicator = I::XPD0, .name = "XPD0", .iniSection = kH, .iniKey = "cm_isSelXPD0", .menuKey = "ID_XPD0", .checkBox = "XPD 0", .resultKeys = {"xpd0"}, .lineFormat = "XPD 0 : %0.2fdB", .lineChecked = true, .headerFormat = "XPD 0\n(dB)", .unit = "dB"},
  {.indicator = I::XPDX, .name = "XPDX", .iniSection = kH, .iniKey = "cm_isSelXPDX", .menuKey = "ID_XPDX", .checkBox = "XPD X", .resultKeys = {"xpdX"}, .lineFormat = "XPD %.0f\xC2\xB0 : %0.2fdB", .shape = S::FloatSetting, .lineChecked = true, .setting = h_XPD_Xdeg, .headerFormat = "XPD %.0f\n(dB)", .unit = "dB"},
  {.indicator = I::XPDXdB, .name = "XPDXdB", .iniSection = kH, .iniKey = "cm_isSelXPDXdB", .menuKey = "ID_XPDXDB", .checkBox = "XPD XdB", .resultKeys = {"xpdXdB"}, .lineFormat = "XPD %.0fdB : %0.2fdB", .shape = S::FloatSetting, .lineChecked = true, .setting = h_XPD_XdB, .headerFormat = "XPD %.0fdB\n(dB)", .unit = "dB"},
  {.indicator = I::THP, .name = "THP", .iniSection = kH, .iniKey = "cm_isSelTHP", .menuKey = "ID_THP", .checkBox = "THP XdB", .resultKeys = {"thp"}, .unit = "dB"},
  {.indicator = I::Unitary, .name = "Unitary", .iniSection = kH, .iniKey = "cm_bUNITARY", .menuKey = "ID_UNITARY", .checkBox = ""},
  {.indicator = I::XPD10dB, .name = "XPD10dB", .iniSection = kH, .iniKey = "cm_isSelXPD10dB", .menuKey = "ID_XPD10dB", .checkBox = "XPD 10dB", .resultKeys = {"xpd10dB"}, .lineFormat = "XPD 10dB : %0.2fdB", .lineChecked = true, .headerFormat = "XPD 10dB\n(dB)", .unit = "dB"},
  {.indicator = I::XPD60deg, .name = "XPD60deg", .iniSection = kH, .iniKey = "cm_isSelXPD60deg", .menuKey = "ID_XPD60deg", .checkBox = "XPD 60", .resultKeys = {"xpd60"}, .lineFormat = "XPD 60 : %0.2fdB", .lineChecked = true, .headerFormat = "XPD 60\n(dB)", .unit = "dB"},
  {.indicator = I::THP10dB, .name = "THP10dB", .iniSection = kH, .iniKey = "cm_isSelTHP10dB", .menuKey = "ID_THP10dB", .checkBox = "THP 10dB", .resultKeys = {"thp10dB"}, .lineFormat = "THP 10dB : %0.2fdB", .lineChecked = true, .headerFormat = "THP 10dB\n(dB)", .unit = "dB"},
  {.indicator = I::Directivity, .name = "Directivity", .iniSection = kR, .iniKey = "Directivity", .menuKey = "ID_DIRECTIVITY", .checkBox = "", .resultKeys = {"directivity"}, .lineFormat = "Directivity : %0.2fdBi", .lineChecked = true, .headerFormat = "Directivity\n(dBi)", .unit = "dBi"},
  {.indicator = I::Eff, .name = "Eff", .iniSection = kR, .iniKey = "Eff", .menuKey = "ID_ANTENNA_EFF", .checkBox = "", .resultKeys = {"eff"}, .lineFormat = "Eff : %0.2f%c", .shape = S::ValuePercent, .lineChecked = true, .scale = 100.0f, .headerFormat = "Eff.\n(%)", .unit = "%"},
  {.indicator = I::GFR, .name = "GFR", .iniSection = kR, .iniKey = "GFR", .menuKey = "ID_GFR", .checkBox = "", .resultKeys = {"gfr"}, .lineFormat = "GFR : %0.2fdB", .lineChecked = true, .headerFormat = "GFR.\n(dB)", .unit = "dB"},
  {.indicator = I::Gain, .name = "Gain", .iniSection = kR, .iniKey = "Gain", .menuKey = "ID_GAIN", .checkBox = "", .resultKeys = {"gain"}, .lineFormat = "Gain : %0.2fdBi", .lineChecked = true, .headerFormat = "Gain\n(dBi)", .unit = "dBi"},
  {.indicator = I::Losses, .name = "Losses", .iniSection = kR, .iniKey = "Losses", .menuKey = "ID_ANTENNA_LOSS", .checkBox = "", .resultKeys = {"losses"}, .lineFormat = "Losses : %0.2fdB", .lineChecked = true, .headerFormat = "Losses\n(dB)", .unit = "dB"},
}};
// clang-format on

constexpr bool RowsFollowTheEnumeration() {
  for (std::size_t i = 0; i < kRows.size(); ++i)
    if (static_cast<std::size_t>(kRows[i].indicator) != i) return false;
  return true;
}
static_assert(RowsFollowTheEnumeration(), "one row per indicator, in the order of the enumeration");

template <typename... Args>
std::string Format(std::string_view format, Args... args) {
  char buffer[256];
  const std::string f(format);
  std::snprintf(buffer, sizeof buffer, f.c_str(), args...);
  return buffer;
}

}  // namespace

std::span<const IndicatorRow> IndicatorTable() { return kRows; }

const IndicatorRow& RowOf(Indicator indicator) { return kRows[static_cast<std::size_t>(indicator)]; }

const data::ResultField* ResultFieldOf(std::string_view key) {
  for (const data::ResultField& field : data::ResultFields())
    if (key == field.key) return &field;
  return nullptr;
}

float LineValue(const IndicatorRow& row, const data::PerformanceResult& result) {
  const data::ResultField* field = ResultFieldOf(row.resultKeys[0]);
  if (field == nullptr) return data::kUnset;
  switch (field->kind) {
    case data::ResultFieldKind::Value:
      return result.*field->value;
    case data::ResultFieldKind::Point:
      return (result.*field->point).fMag;
    case data::ResultFieldKind::List:
      return (result.*field->list)[0];
  }
  return data::kUnset;
}

std::string IndicatorLine(const IndicatorRow& row, const HPara& hPara, const VPara& vPara, float value) {
  if (row.lineFormat.empty()) return {};
  const double v = static_cast<double>(value);
  switch (row.shape) {
    case S::Value:
      return Format(row.lineFormat, v);
    case S::ValuePercent:
      return Format(row.lineFormat, static_cast<double>(value * row.scale), '%');
    case S::FloatSetting:
      return Format(row.lineFormat, row.setting(hPara, vPara), v);
    case S::IntSetting:
      return Format(row.lineFormat, static_cast<int>(row.setting(hPara, vPara)), v);
  }
  return {};
}

std::string IndicatorHeader(const IndicatorRow& row, const HPara& hPara, const VPara& vPara) {
  // Headers without a setting are written as they stand (some hold a literal '%').
  switch (row.shape) {
    case S::FloatSetting:
      return Format(row.headerFormat, row.setting(hPara, vPara));
    case S::IntSetting:
      return Format(row.headerFormat, static_cast<int>(row.setting(hPara, vPara)));
    case S::Value:
    case S::ValuePercent:
      break;
  }
  return std::string(row.headerFormat);
}

std::vector<std::string> ThpHeaders(const HPara& hPara) {
  if (hPara.THP_mode != 1) return {Format("THP\n(%.0f\xC2\xB0) ", static_cast<double>(hPara.THP_Xdeg))};
  std::vector<std::string> out;
  for (float drop : hPara.THP_XdB) out.push_back(Format("THP\n(%.0fdB) ", static_cast<double>(drop)));
  return out;
}

std::string SprSector(const HPara& hPara) {
  return hPara.SPR_mode == 0 ? Format("%.0f\xC2\xB0", static_cast<double>(hPara.SPR_Xdeg))
                             : Format("%.0fdB", static_cast<double>(hPara.SPR_XdB));
}

std::string SprHeader(const HPara& hPara) {
  static const char* const kRatioHeaders[] = {"SPR(%s)\n u/s(%c)", "SPR(%s)\n s/u(%c)", "SPR(%s)\n s/t(%c)",
                                              "SPR(%s)\n u/t(%c)"};
  if (hPara.SPR_ratio < 0 || hPara.SPR_ratio > 3) return {};
  return Format(kRatioHeaders[hPara.SPR_ratio], SprSector(hPara).c_str(), '%');
}

std::string SsHeader(const std::string& start, const std::string& end) {
  return "SS " + start + "\xC2\xB0~" + end + "\xC2\xB0\n(dB)";
}

IndicatorFlags ReadIndicatorFlags(const data::CSettingsStore& store) {
  IndicatorFlags flags;
  for (const IndicatorRow& row : kRows)
    flags.Set(row.indicator, store.Read(std::string(row.menuKey), kMenuSection) == "TRUE");
  return flags;
}

bool WriteIndicatorFlags(data::CSettingsStore& store, const IndicatorFlags& flags) {
  bool ok = true;
  for (const IndicatorRow& row : kRows)
    ok = store.Write(flags.IsSet(row.indicator) ? "TRUE" : "FALSE", std::string(row.menuKey), kMenuSection) && ok;
  return ok;
}

}  // namespace lumaret::analysis

#include "analysis/IndicatorTable.h"

namespace lumaret::analysis {

namespace {

using I = Indicator;
constexpr std::string_view kV = "VParameter";
constexpr std::string_view kH = "HParameter";
constexpr std::string_view kR = "RParameter";

// clang-format off
constexpr std::array<IndicatorRow, kIndicatorCount> kRows = {{
  {.indicator = I::VMaxLevel, .iniSection = kV, .iniKey = "cm_isSelVMaxLevel", .menuKey = "ID_VMAXLEVEL", .checkBox = "V-Max Level", .resultKeys = {"vmax"}},
  {.indicator = I::VBW3dB, .iniSection = kV, .iniKey = "cm_isSelVBW3dB", .menuKey = "ID_VBW3dB", .checkBox = "VBW", .resultKeys = {"vbw"}},
  {.indicator = I::VBWXdB, .iniSection = kV, .iniKey = "cm_isSelVBWXdB", .menuKey = "ID_VBWXdB", .checkBox = "VBW XdB", .resultKeys = {"vbwXdB"}},
  {.indicator = I::VBP, .iniSection = kV, .iniKey = "cm_isSelVBP", .menuKey = "ID_VBP", .checkBox = "VBP", .resultKeys = {"vbp"}},
  {.indicator = I::VBRr, .iniSection = kV, .iniKey = "cm_isSelVBRr", .menuKey = "ID_VBRr", .checkBox = "VBR(r)", .resultKeys = {"vbrR"}},
  {.indicator = I::VBRs, .iniSection = kV, .iniKey = "cm_isSelVBRs", .menuKey = "ID_VBRs", .checkBox = "VBR(u)", .resultKeys = {"vbrU"}},
  {.indicator = I::VBR10dB, .iniSection = kV, .iniKey = "cm_isSelVBR10dB", .menuKey = "ID_VBR10dB", .checkBox = "VBR 10dB", .resultKeys = {"vbr10dB"}},
  {.indicator = I::EDE, .iniSection = kV, .iniKey = "cm_isSelEDE", .menuKey = "ID_EDE", .checkBox = "EDE", .resultKeys = {"ede"}},
  {.indicator = I::FSU, .iniSection = kV, .iniKey = "cm_isSelFSU", .menuKey = "ID_FSU", .checkBox = "FSU", .resultKeys = {"fsu", "fsuLobe"}},
  {.indicator = I::FSD, .iniSection = kV, .iniKey = "cm_isSelFSD", .menuKey = "ID_FSD", .checkBox = "FSD", .resultKeys = {"fsd"}},
  {.indicator = I::NF, .iniSection = kV, .iniKey = "cm_isSelNF", .menuKey = "ID_NF", .checkBox = "NF", .resultKeys = {"nf"}},
  {.indicator = I::FN, .iniSection = kV, .iniKey = "cm_isSelFN", .menuKey = "ID_FN", .checkBox = "F.N.", .resultKeys = {"fn"}},
  {.indicator = I::SS, .iniSection = kV, .iniKey = "cm_isSelSS", .menuKey = "ID_SS", .checkBox = "SS X1°～X2°", .resultKeys = {"ss"}},
  {.indicator = I::VXPD0, .iniSection = kV, .iniKey = "cm_isSelVXPD0", .menuKey = "ID_VXPD0", .checkBox = "V-XPD 0", .resultKeys = {"vxpd0"}},
  {.indicator = I::VXPDX, .iniSection = kV, .iniKey = "cm_isSelVXPDX", .menuKey = "ID_VXPDX", .checkBox = "V-XPD XdB", .resultKeys = {"vxpdXdB"}},
  {.indicator = I::SSU, .iniSection = kV, .iniKey = "cm_isSelSSU", .menuKey = "ID_SSU", .checkBox = "SSU", .resultKeys = {"ssu"}},
  {.indicator = I::TSU, .iniSection = kV, .iniKey = "cm_isSelTSU", .menuKey = "ID_TSU", .checkBox = "TSU", .resultKeys = {"tsu"}},
  {.indicator = I::HMaxLevel, .iniSection = kH, .iniKey = "cm_isSelHMaxLevel", .menuKey = "ID_HMAXLEVEL", .checkBox = "H-Max Level", .resultKeys = {"hpeak"}},
  {.indicator = I::HBW3dB, .iniSection = kH, .iniKey = "cm_isSelHBW3dB", .menuKey = "ID_HBW3DB", .checkBox = "HBW", .resultKeys = {"hbw"}},
  {.indicator = I::HBWXdB, .iniSection = kH, .iniKey = "cm_isSelHBWXdB", .menuKey = "ID_HBWXdB", .checkBox = "HBW XdB", .resultKeys = {"hbwXdB"}},
  {.indicator = I::PXLevel, .iniSection = kH, .iniKey = "cm_isSelPXLevel", .menuKey = "ID_PXLEVEL", .checkBox = "+ X°Level", .resultKeys = {"pxLevel"}},
  {.indicator = I::NXLevel, .iniSection = kH, .iniKey = "cm_isSelNXLevel", .menuKey = "ID_NXLEVEL", .checkBox = "- X°Level", .resultKeys = {"nxLevel"}},
  {.indicator = I::FBRCO, .iniSection = kH, .iniKey = "cm_isSelFBRCO", .menuKey = "ID_FBRCO", .checkBox = "FBR CO", .resultKeys = {"fbrCo"}},
  {.indicator = I::SSMax, .iniSection = kH, .iniKey = "cm_isSelSSMax", .menuKey = "ID_SSMAX", .checkBox = "SS Max", .resultKeys = {"ssMax", "ssMaxLobe"}},
  {.indicator = I::SPR, .iniSection = kH, .iniKey = "cm_isSelSPR", .menuKey = "ID_SPR", .checkBox = "SPR", .resultKeys = {"spr"}},
  {.indicator = I::Squint, .iniSection = kH, .iniKey = "cm_isSelSquint", .menuKey = "ID_SQUINT", .checkBox = "Squint", .resultKeys = {"squint"}},
  {.indicator = I::SquintError, .iniSection = kH, .iniKey = "cm_isSelSquintError", .menuKey = "ID_Squint_Error", .checkBox = "SquintError", .resultKeys = {"squintError"}},
  {.indicator = I::HPS, .iniSection = kH, .iniKey = "cm_isSelHPS", .menuKey = "ID_HPS", .checkBox = "HPS", .resultKeys = {"hps"}},
  {.indicator = I::Lean, .iniSection = kH, .iniKey = "cm_isSelLean", .menuKey = "ID_LEAN", .checkBox = "Lean", .resultKeys = {"lean"}},
  {.indicator = I::Roundness, .iniSection = kH, .iniKey = "cm_isSelRoundness", .menuKey = "ID_ROUNDNESS", .checkBox = "Roundness", .resultKeys = {"roundness"}},
  {.indicator = I::FBRXP, .iniSection = kH, .iniKey = "cm_isSelFBRXP", .menuKey = "ID_FBRXP", .checkBox = "FBR XP", .resultKeys = {"fbrXp"}},
  {.indicator = I::FBRtot, .iniSection = kH, .iniKey = "cm_isSelFBRtot", .menuKey = "ID_FBRTOT", .checkBox = "FBR tot", .resultKeys = {"fbrTot"}},
  {.indicator = I::XPD0, .iniSection = kH, .iniKey = "cm_isSelXPD0", .menuKey = "ID_XPD0", .checkBox = "XPD 0", .resultKeys = {"xpd0"}},
  {.indicator = I::XPDX, .iniSection = kH, .iniKey = "cm_isSelXPDX", .menuKey = "ID_XPDX", .checkBox = "XPD X", .resultKeys = {"xpdX"}},
  {.indicator = I::XPDXdB, .iniSection = kH, .iniKey = "cm_isSelXPDXdB", .menuKey = "ID_XPDXDB", .checkBox = "XPD XdB", .resultKeys = {"xpdXdB"}},
  {.indicator = I::THP, .iniSection = kH, .iniKey = "cm_isSelTHP", .menuKey = "ID_THP", .checkBox = "THP XdB", .resultKeys = {"thp"}},
  {.indicator = I::Unitary, .iniSection = kH, .iniKey = "cm_bUNITARY", .menuKey = "ID_UNITARY", .checkBox = "", .resultKeys = {}},
  {.indicator = I::XPD10dB, .iniSection = kH, .iniKey = "cm_isSelXPD10dB", .menuKey = "ID_XPD10dB", .checkBox = "XPD 10dB", .resultKeys = {"xpd10dB"}},
  {.indicator = I::XPD60deg, .iniSection = kH, .iniKey = "cm_isSelXPD60deg", .menuKey = "ID_XPD60deg", .checkBox = "XPD 60", .resultKeys = {"xpd60"}},
  {.indicator = I::THP10dB, .iniSection = kH, .iniKey = "cm_isSelTHP10dB", .menuKey = "ID_THP10dB", .checkBox = "THP 10dB", .resultKeys = {"thp10dB"}},
  {.indicator = I::Directivity, .iniSection = kR, .iniKey = "Directivity", .menuKey = "ID_DIRECTIVITY", .checkBox = "", .resultKeys = {"directivity"}},
  {.indicator = I::Eff, .iniSection = kR, .iniKey = "Eff", .menuKey = "ID_ANTENNA_EFF", .checkBox = "", .resultKeys = {"eff"}},
  {.indicator = I::GFR, .iniSection = kR, .iniKey = "GFR", .menuKey = "ID_GFR", .checkBox = "", .resultKeys = {"gfr"}},
  {.indicator = I::Gain, .iniSection = kR, .iniKey = "Gain", .menuKey = "ID_GAIN", .checkBox = "", .resultKeys = {"gain"}},
  {.indicator = I::Losses, .iniSection = kR, .iniKey = "Losses", .menuKey = "ID_ANTENNA_LOSS", .checkBox = "", .resultKeys = {"losses"}},
}};
// clang-format on

constexpr bool RowsFollowTheEnumeration() {
  for (std::size_t i = 0; i < kRows.size(); ++i)
    if (static_cast<std::size_t>(kRows[i].indicator) != i) return false;
  return true;
}
static_assert(RowsFollowTheEnumeration(), "one row per indicator, in the order of the enumeration");

}  // namespace

std::span<const IndicatorRow> IndicatorTable() { return kRows; }

const IndicatorRow& RowOf(Indicator indicator) { return kRows[static_cast<std::size_t>(indicator)]; }

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

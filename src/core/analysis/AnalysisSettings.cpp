#include "analysis/AnalysisSettings.h"

#include <algorithm>

#include "data/DataLine.h"

namespace lumaret::analysis {

namespace {

constexpr const char* kTrue = "TRUE";
constexpr const char* kFalse = "FALSE";

using H = HSetupTexts;
using V = VSetupTexts;

float TextToFloat(const std::string& text) { return static_cast<float>(data::LeadingNumber(text)); }
std::int32_t TextToInt(const std::string& text) { return data::LeadingInteger(text); }

// A radio pair: 0 when the first button is on and the second off, otherwise 1.
std::int32_t RadioPair(const std::string& first, const std::string& second) {
  return first == kTrue && second == kFalse ? 0 : 1;
}

template <typename Texts>
Texts ReadTexts(const data::CSettingsStore& store, const char* section, const std::vector<SetupKey<Texts>>& keys) {
  Texts texts;
  for (const auto& k : keys) texts.*k.text = store.Read(k.key, section);
  return texts;
}

template <typename Texts>
std::string* FindText(Texts& texts, const std::vector<SetupKey<Texts>>& keys, const std::string& key) {
  auto it = std::find_if(keys.begin(), keys.end(), [&](const auto& k) { return key == k.key; });
  return it == keys.end() ? nullptr : &(texts.*it->text);
}

// Writes every text of the dialog; true when every write succeeded.
template <typename Texts>
bool WriteTexts(data::CSettingsStore& store, const char* section, const std::vector<SetupKey<Texts>>& keys,
                const Texts& texts) {
  bool ok = true;
  for (const auto& k : keys) ok = store.Write(texts.*k.text, k.key, section) && ok;
  return ok;
}

void SetRadioPair(std::string& first, std::string& second, bool firstOn) {
  first = firstOn ? kTrue : kFalse;
  second = firstOn ? kFalse : kTrue;
}

}  // namespace

const std::vector<SetupKey<HSetupTexts>>& HSetupKeys() {
  static const std::vector<SetupKey<HSetupTexts>> keys = {
      {"IDC_RADIO_MAXLEVEL_BYPOWER", &H::IDC_RADIO_MAXLEVEL_BYPOWER},
      {"IDC_RADIO_DIRECTION_BYPOWER", &H::IDC_RADIO_DIRECTION_BYPOWER},
      {"IDC_RADIO_MAXLEVEL_BYANGLE", &H::IDC_RADIO_MAXLEVEL_BYANGLE},
      {"IDC_RADIO_DIRECTION_BYANGLE", &H::IDC_RADIO_DIRECTION_BYANGLE},
      {"IDC_EDIT_HBWXdB", &H::IDC_EDIT_HBWXdB},
      {"IDC_EDIT_PXLEVEL", &H::IDC_EDIT_PXLEVEL},
      {"IDC_EDIT_NXLEVEL", &H::IDC_EDIT_NXLEVEL},
      {"IDC_EDIT_FBR_XDEG", &H::IDC_EDIT_FBR_XDEG},
      {"IDC_EDIT_FBR_TDEG", &H::IDC_EDIT_FBR_TDEG},
      {"IDC_EDIT_SELLEAN", &H::IDC_EDIT_SELLEAN},
      {"IDC_RADIO_THP_ANGLE_RANG", &H::IDC_RADIO_THP_ANGLE_RANG},
      {"IDC_RADIO_THP_DB_RANG", &H::IDC_RADIO_THP_DB_RANG},
      {"IDC_EDIT_THP_XDEG", &H::IDC_EDIT_THP_XDEG},
      {"IDC_EDIT_THP_XDB", &H::IDC_EDIT_THP_XDB},
      {"IDC_RADIO_SPR_ANGLE_RANG", &H::IDC_RADIO_SPR_ANGLE_RANG},
      {"IDC_RADIO_SPR_DB_RANG", &H::IDC_RADIO_SPR_DB_RANG},
      {"IDC_EDIT_SPR_XDEG", &H::IDC_EDIT_SPR_XDEG},
      {"IDC_EDIT_SPR_XDB", &H::IDC_EDIT_SPR_XDB},
      {"IDC_IDC_COMB_SPR_XDB", &H::IDC_IDC_COMB_SPR_XDB},
      {"IDC_RADIO_SelSPR_MAX", &H::IDC_RADIO_SelSPR_MAX},
      {"IDC_RADIO_SelSPR_AVERAGE", &H::IDC_RADIO_SelSPR_AVERAGE},
      {"IDC_EDIT_SelXPDX", &H::IDC_EDIT_SelXPDX},
      {"IDC_EDIT_SelXPDXDB", &H::IDC_EDIT_SelXPDXDB},
  };
  return keys;
}

const std::vector<SetupKey<VSetupTexts>>& VSetupKeys() {
  static const std::vector<SetupKey<VSetupTexts>> keys = {
      {"IDC_RADIO_GAIN_CALCPARA_V", &V::IDC_RADIO_GAIN_CALCPARA_V},
      {"IDC_RADIO_GAIN_CALCPARA_H", &V::IDC_RADIO_GAIN_CALCPARA_H},
      {"IDC_EDIT_VBWXdB_xdB", &V::IDC_EDIT_VBWXdB_xdB},
      {"IDC_EDIT_VXPDX_XDB", &V::IDC_EDIT_VXPDX_XDB},
      {"IDC_RADIO_MANUAL", &V::IDC_RADIO_MANUAL},
      {"IDC_RADIO_AUTO", &V::IDC_RADIO_AUTO},
      {"IDC_EDIT_1", &V::IDC_EDIT_1},
      {"IDC_EDIT_11", &V::IDC_EDIT_11},
      {"IDC_EDIT_2", &V::IDC_EDIT_2},
      {"IDC_EDIT_21", &V::IDC_EDIT_21},
      {"IDC_EDIT_3", &V::IDC_EDIT_3},
      {"IDC_EDIT_31", &V::IDC_EDIT_31},
      {"IDC_EDIT_4", &V::IDC_EDIT_4},
      {"IDC_EDIT_41", &V::IDC_EDIT_41},
      {"IDC_EDIT_5", &V::IDC_EDIT_5},
      {"IDC_EDIT_51", &V::IDC_EDIT_51},
      {"IDC_EDIT_6", &V::IDC_EDIT_6},
      {"IDC_EDIT_61", &V::IDC_EDIT_61},
      {"IDC_EDIT_7", &V::IDC_EDIT_7},
      {"IDC_EDIT_72", &V::IDC_EDIT_72},
      {"IDC_EDIT_8", &V::IDC_EDIT_8},
      {"IDC_EDIT_81", &V::IDC_EDIT_81},
      {"IDC_EDIT_9", &V::IDC_EDIT_9},
      {"IDC_EDIT_91", &V::IDC_EDIT_91},
      {"IDC_EDIT_10", &V::IDC_EDIT_10},
      {"IDC_EDIT_101", &V::IDC_EDIT_101},
      {"IDC_EDIT_FSU_ENV", &V::IDC_EDIT_FSU_ENV},
      {"IDC_EDIT_FSD_ENV", &V::IDC_EDIT_FSD_ENV},
      {"IDC_EDIT_ENVSCOP", &V::IDC_EDIT_ENVSCOP},
      {"IDC_CHECK_FSU_ENVCAL", &V::IDC_CHECK_FSU_ENVCAL},
  };
  return keys;
}

const std::vector<std::pair<std::string VSetupTexts::*, std::string VSetupTexts::*>>& SsRangeTexts() {
  static const std::vector<std::pair<std::string V::*, std::string V::*>> ranges = {
      {&V::IDC_EDIT_1, &V::IDC_EDIT_11}, {&V::IDC_EDIT_2, &V::IDC_EDIT_21}, {&V::IDC_EDIT_3, &V::IDC_EDIT_31},
      {&V::IDC_EDIT_4, &V::IDC_EDIT_41}, {&V::IDC_EDIT_5, &V::IDC_EDIT_51}, {&V::IDC_EDIT_6, &V::IDC_EDIT_61},
      {&V::IDC_EDIT_7, &V::IDC_EDIT_72}, {&V::IDC_EDIT_8, &V::IDC_EDIT_81}, {&V::IDC_EDIT_9, &V::IDC_EDIT_91},
      {&V::IDC_EDIT_10, &V::IDC_EDIT_101},
  };
  return ranges;
}

std::string* FindSetupText(HSetupTexts& texts, const std::string& key) { return FindText(texts, HSetupKeys(), key); }
std::string* FindSetupText(VSetupTexts& texts, const std::string& key) { return FindText(texts, VSetupKeys(), key); }

bool IsSwitchKey(const std::string& key) {
  return key.rfind("IDC_RADIO_", 0) == 0 || key.rfind("IDC_CHECK_", 0) == 0;
}

std::string RadioPartnerKey(const std::string& key) {
  static const std::pair<const char*, const char*> kPairs[] = {
      {"IDC_RADIO_MAXLEVEL_BYPOWER", "IDC_RADIO_DIRECTION_BYPOWER"},
      {"IDC_RADIO_MAXLEVEL_BYANGLE", "IDC_RADIO_DIRECTION_BYANGLE"},
      {"IDC_RADIO_THP_ANGLE_RANG", "IDC_RADIO_THP_DB_RANG"},
      {"IDC_RADIO_SPR_ANGLE_RANG", "IDC_RADIO_SPR_DB_RANG"},
      {"IDC_RADIO_SelSPR_MAX", "IDC_RADIO_SelSPR_AVERAGE"},
      {"IDC_RADIO_GAIN_CALCPARA_V", "IDC_RADIO_GAIN_CALCPARA_H"},
      {"IDC_RADIO_MANUAL", "IDC_RADIO_AUTO"},
  };
  for (const auto& [first, second] : kPairs) {
    if (key == first) return second;
    if (key == second) return first;
  }
  return "";
}

bool IsRadiationSetupKey(const std::string& key) {
  return key == "IDC_RADIO_GAIN_CALCPARA_V" || key == "IDC_RADIO_GAIN_CALCPARA_H";
}

HSetupTexts ReadHSetupTexts(const data::CSettingsStore& store) { return ReadTexts(store, kHSetupSection, HSetupKeys()); }
VSetupTexts ReadVSetupTexts(const data::CSettingsStore& store) { return ReadTexts(store, kVSetupSection, VSetupKeys()); }

HPara HParaFromTexts(const HSetupTexts& t) {
  HPara p;
  p.levelRef = RadioPair(t.IDC_RADIO_MAXLEVEL_BYPOWER, t.IDC_RADIO_DIRECTION_BYPOWER);
  p.dirRef = RadioPair(t.IDC_RADIO_MAXLEVEL_BYANGLE, t.IDC_RADIO_DIRECTION_BYANGLE);
  p.HBW_XdB = TextToFloat(t.IDC_EDIT_HBWXdB);
  p.PX_deg = TextToInt(t.IDC_EDIT_PXLEVEL);
  p.NX_deg = TextToInt(t.IDC_EDIT_NXLEVEL);
  p.FBR_xdeg = TextToInt(t.IDC_EDIT_FBR_XDEG);
  p.FBR_tdeg = TextToInt(t.IDC_EDIT_FBR_TDEG);
  p.Lean_XdB = TextToFloat(t.IDC_EDIT_SELLEAN);
  p.THP_mode = RadioPair(t.IDC_RADIO_THP_ANGLE_RANG, t.IDC_RADIO_THP_DB_RANG);
  p.THP_Xdeg = TextToFloat(t.IDC_EDIT_THP_XDEG);
  for (const std::string& drop : ThpDropTexts(t.IDC_EDIT_THP_XDB)) p.THP_XdB.push_back(TextToFloat(drop));
  p.SPR_mode = RadioPair(t.IDC_RADIO_SPR_ANGLE_RANG, t.IDC_RADIO_SPR_DB_RANG);
  p.SPR_Xdeg = TextToFloat(t.IDC_EDIT_SPR_XDEG);
  p.SPR_XdB = TextToFloat(t.IDC_EDIT_SPR_XDB);
  p.SPR_ratio = TextToInt(t.IDC_IDC_COMB_SPR_XDB);
  p.selSPR = RadioPair(t.IDC_RADIO_SelSPR_MAX, t.IDC_RADIO_SelSPR_AVERAGE);
  p.XPD_Xdeg = TextToFloat(t.IDC_EDIT_SelXPDX);
  p.XPD_XdB = TextToFloat(t.IDC_EDIT_SelXPDXDB);
  return p;
}

std::vector<std::string> ThpDropTexts(const std::string& text) {
  std::vector<std::string> pieces;
  std::size_t start = 0;
  for (std::size_t comma = text.find(','); comma != std::string::npos; comma = text.find(',', start)) {
    pieces.push_back(text.substr(start, comma - start));
    start = comma + 1;
  }
  pieces.push_back(text.substr(start));
  return pieces;
}

bool IsManualSsMode(const VSetupTexts& t) { return t.IDC_RADIO_AUTO == kFalse && t.IDC_RADIO_MANUAL == kTrue; }

RPara RParaFromTexts(const VSetupTexts& t) { return RPara{t.IDC_RADIO_GAIN_CALCPARA_V == kTrue ? 1 : 0}; }

VPara VParaFromTexts(const VSetupTexts& t) {
  VPara p;
  p.gainCut = RParaFromTexts(t);
  p.VBW_XdB = TextToFloat(t.IDC_EDIT_VBWXdB_xdB);
  p.VXPD_XdB = TextToFloat(t.IDC_EDIT_VXPDX_XDB);
  p.manual = t.IDC_RADIO_MANUAL;
  p.automatic = t.IDC_RADIO_AUTO;
  if (IsManualSsMode(t))
    for (const auto& [start, end] : SsRangeTexts()) p.ssRanges.emplace_back(t.*start, t.*end);
  p.FSU_envcal = t.IDC_CHECK_FSU_ENVCAL == kFalse ? 0 : 1;
  if (t.IDC_CHECK_FSU_ENVCAL == kTrue) {
    p.FSU_env = TextToFloat(t.IDC_EDIT_FSU_ENV);
    p.FSD_env = TextToFloat(t.IDC_EDIT_FSD_ENV);
    p.env_scope = TextToFloat(t.IDC_EDIT_ENVSCOP);
  }
  return p;
}

HPara LoadHPara(const data::CSettingsStore& store) { return HParaFromTexts(ReadHSetupTexts(store)); }
VPara LoadVPara(const data::CSettingsStore& store) { return VParaFromTexts(ReadVSetupTexts(store)); }

bool WriteHSetup(data::CSettingsStore& store, const HSetupTexts& texts, const HPara& record) {
  HSetupTexts t = texts;
  SetRadioPair(t.IDC_RADIO_MAXLEVEL_BYPOWER, t.IDC_RADIO_DIRECTION_BYPOWER, record.levelRef == 0);
  SetRadioPair(t.IDC_RADIO_MAXLEVEL_BYANGLE, t.IDC_RADIO_DIRECTION_BYANGLE, record.dirRef == 0);
  SetRadioPair(t.IDC_RADIO_THP_ANGLE_RANG, t.IDC_RADIO_THP_DB_RANG, record.THP_mode == 0);
  SetRadioPair(t.IDC_RADIO_SPR_ANGLE_RANG, t.IDC_RADIO_SPR_DB_RANG, record.SPR_mode == 0);
  SetRadioPair(t.IDC_RADIO_SelSPR_MAX, t.IDC_RADIO_SelSPR_AVERAGE, record.selSPR == 0);
  return WriteTexts(store, kHSetupSection, HSetupKeys(), t);
}

bool WriteVSetup(data::CSettingsStore& store, const VSetupTexts& texts, const VPara& record) {
  VSetupTexts t = texts;
  SetRadioPair(t.IDC_RADIO_GAIN_CALCPARA_V, t.IDC_RADIO_GAIN_CALCPARA_H, record.gainCut.gainCut == 1);
  SetRadioPair(t.IDC_RADIO_MANUAL, t.IDC_RADIO_AUTO, record.manual == kTrue && record.automatic == kFalse);
  t.IDC_CHECK_FSU_ENVCAL = record.FSU_envcal != 0 ? kTrue : kFalse;
  return WriteTexts(store, kVSetupSection, VSetupKeys(), t);
}

bool WriteRPara(data::CSettingsStore& store, const RPara& record) {
  const bool vertical = record.gainCut == 1;
  const bool first = store.Write(vertical ? kTrue : kFalse, "IDC_RADIO_GAIN_CALCPARA_V", kVSetupSection);
  return store.Write(vertical ? kFalse : kTrue, "IDC_RADIO_GAIN_CALCPARA_H", kVSetupSection) && first;
}

}  // namespace lumaret::analysis

#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "data/SettingsStore.h"

namespace lumaret::analysis {

// Settings-store sections of the three setup dialogs (the radiation setup keeps its two
// keys in the vertical section).
inline constexpr const char* kHSetupSection = "IDD_DIALOG_H_SETUP";
inline constexpr const char* kVSetupSection = "IDD_DIALOG_V_SETUP";
inline constexpr int kSsRangeCount = 10;

// Which cut the gain is taken from: 1 = the vertical (elevation) cut, 0 = the horizontal.
struct RPara {
  std::int32_t gainCut = 0;
  friend bool operator==(const RPara&, const RPara&) = default;
};

// Settings of the horizontal co-polar and cross-polar indicators.
struct HPara {
  std::int32_t levelRef = 0;  // 0 = maximum level of the cut, 1 = level at the nominal direction
  std::int32_t dirRef = 0;    // 0 = direction of the maximum, 1 = the nominal direction
  float HBW_XdB = 10.0f;
  std::int32_t PX_deg = 60;
  std::int32_t NX_deg = 60;  // used as -NX_deg
  std::int32_t FBR_xdeg = 180;
  std::int32_t FBR_tdeg = 30;
  float Lean_XdB = 3.0f;
  std::int32_t THP_mode = 1;  // 0 = angle range, 1 = X dB ranges
  float THP_Xdeg = 60.0f;
  std::vector<float> THP_XdB;
  std::int32_t SPR_mode = 0;  // 0 = sector in degrees, 1 = sector by an X dB beam
  float SPR_Xdeg = 60.0f;
  float SPR_XdB = 10.0f;
  std::int32_t SPR_ratio = 0;  // 0 u/s, 1 s/u, 2 s/t, 3 u/t
  std::int32_t selSPR = 0;     // roundness formula: 0 = MAX, 1 = AVERAGE
  float XPD_Xdeg = 20.0f;
  float XPD_XdB = 3.0f;
  friend bool operator==(const HPara&, const HPara&) = default;
};

// Settings of the vertical indicators.
struct VPara {
  RPara gainCut;
  float VBW_XdB = 10.0f;
  float VXPD_XdB = 3.0f;
  std::string manual;  // stored state of the manual side-lobe radio ("TRUE"/"FALSE")
  std::string automatic;
  std::vector<std::pair<std::string, std::string>> ssRanges;  // (start text, end text)
  float FSU_env = 0.0f;
  float FSD_env = 0.0f;
  float env_scope = 0.0f;
  std::int32_t FSU_envcal = 0;
  friend bool operator==(const VPara&, const VPara&) = default;
};

// The texts of the horizontal parameter setup, one member per control, named after the
// control id that is also its settings-store key. Radio buttons hold "TRUE" or "FALSE".
struct HSetupTexts {
  std::string IDC_RADIO_MAXLEVEL_BYPOWER, IDC_RADIO_DIRECTION_BYPOWER;
  std::string IDC_RADIO_MAXLEVEL_BYANGLE, IDC_RADIO_DIRECTION_BYANGLE;
  std::string IDC_EDIT_HBWXdB;
  std::string IDC_EDIT_PXLEVEL;
  std::string IDC_EDIT_NXLEVEL;
  std::string IDC_EDIT_FBR_XDEG;
  std::string IDC_EDIT_FBR_TDEG;
  std::string IDC_EDIT_SELLEAN;
  std::string IDC_RADIO_THP_ANGLE_RANG, IDC_RADIO_THP_DB_RANG;
  std::string IDC_EDIT_THP_XDEG;
  std::string IDC_EDIT_THP_XDB;  // comma-separated drops
  std::string IDC_RADIO_SPR_ANGLE_RANG, IDC_RADIO_SPR_DB_RANG;
  std::string IDC_EDIT_SPR_XDEG;
  std::string IDC_EDIT_SPR_XDB;
  std::string IDC_IDC_COMB_SPR_XDB;  // index of the SPR ratio in its drop-down list
  std::string IDC_RADIO_SelSPR_MAX, IDC_RADIO_SelSPR_AVERAGE;
  std::string IDC_EDIT_SelXPDX;
  std::string IDC_EDIT_SelXPDXDB;
};

// The texts of the vertical parameter setup (with the gain-cut radio pair that the
// radiation setup keeps in the same section).
struct VSetupTexts {
  std::string IDC_RADIO_GAIN_CALCPARA_V, IDC_RADIO_GAIN_CALCPARA_H;
  std::string IDC_EDIT_VBWXdB_xdB;
  std::string IDC_EDIT_VXPDX_XDB;
  std::string IDC_RADIO_MANUAL;
  std::string IDC_RADIO_AUTO;
  std::string IDC_EDIT_1, IDC_EDIT_11, IDC_EDIT_2, IDC_EDIT_21, IDC_EDIT_3, IDC_EDIT_31, IDC_EDIT_4, IDC_EDIT_41;
  std::string IDC_EDIT_5, IDC_EDIT_51, IDC_EDIT_6, IDC_EDIT_61, IDC_EDIT_7, IDC_EDIT_72, IDC_EDIT_8, IDC_EDIT_81;
  std::string IDC_EDIT_9, IDC_EDIT_91, IDC_EDIT_10, IDC_EDIT_101;
  std::string IDC_EDIT_FSU_ENV;
  std::string IDC_EDIT_FSD_ENV;
  std::string IDC_EDIT_ENVSCOP;
  std::string IDC_CHECK_FSU_ENVCAL;
};

// One control of a setup dialog: its settings-store key and the member holding its text.
template <typename Texts>
struct SetupKey {
  const char* key;
  std::string Texts::*text;
};

// Every control of the dialog, in the order of its record's fields.
const std::vector<SetupKey<HSetupTexts>>& HSetupKeys();
const std::vector<SetupKey<VSetupTexts>>& VSetupKeys();

// The (start, end) members of the ten side-lobe ranges, in range order.
const std::vector<std::pair<std::string VSetupTexts::*, std::string VSetupTexts::*>>& SsRangeTexts();

// The member holding a key's text, or nullptr when the dialog has no such control.
std::string* FindSetupText(HSetupTexts& texts, const std::string& key);
std::string* FindSetupText(VSetupTexts& texts, const std::string& key);

// True for the keys of radio buttons and check boxes, whose texts are "TRUE" or "FALSE".
bool IsSwitchKey(const std::string& key);
// The other button of a radio pair ("IDC_RADIO_AUTO" for "IDC_RADIO_MANUAL"), or "" when
// the key is not part of a pair.
std::string RadioPartnerKey(const std::string& key);
// True for the two keys that the radiation setup writes (the gain-cut radio pair).
bool IsRadiationSetupKey(const std::string& key);

// Reads every control's text from the store; a missing key reads as "".
HSetupTexts ReadHSetupTexts(const data::CSettingsStore& store);
VSetupTexts ReadVSetupTexts(const data::CSettingsStore& store);

// The loader's conversions, without any range check: floats by text-to-double, integers by
// text-to-integer; a radio pair is 0 when its first key reads "TRUE" and its second
// "FALSE", otherwise 1; the THP drops are every comma-separated piece; the side-lobe ranges
// are taken only in manual mode; the three envelope values only when the refinement check
// box reads "TRUE" (the refinement itself is on unless it reads "FALSE").
HPara HParaFromTexts(const HSetupTexts& texts);
VPara VParaFromTexts(const VSetupTexts& texts);
RPara RParaFromTexts(const VSetupTexts& texts);  // 1 only when IDC_RADIO_GAIN_CALCPARA_V reads "TRUE"

// The pieces of the THP drop text between commas, the one after the last comma included
// ("3,10" gives "3" and "10"; "3," gives "3" and "").
std::vector<std::string> ThpDropTexts(const std::string& text);

// True when the side-lobe ranges are set by hand: IDC_RADIO_AUTO reads "FALSE" and
// IDC_RADIO_MANUAL reads "TRUE".
bool IsManualSsMode(const VSetupTexts& texts);

// The records as the document loads them at its initialisation.
HPara LoadHPara(const data::CSettingsStore& store);
VPara LoadVPara(const data::CSettingsStore& store);

// Writes an accepted dialog back: every edit field as its text (so ranges and envelope
// values that the current modes ignore are kept), every radio pair from the record as
// complementary "TRUE"/"FALSE", the refinement check box as "TRUE" or "FALSE". Returns
// false when the store could not be written.
bool WriteHSetup(data::CSettingsStore& store, const HSetupTexts& texts, const HPara& record);
bool WriteVSetup(data::CSettingsStore& store, const VSetupTexts& texts, const VPara& record);
// The radiation setup: the gain-cut radio pair only.
bool WriteRPara(data::CSettingsStore& store, const RPara& record);

}  // namespace lumaret::analysis

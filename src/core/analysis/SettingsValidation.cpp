#include "analysis/SettingsValidation.h"

// libstdc++ 12's regex compiler trips a false -Wmaybe-uninitialized when optimised with
// the sanitizers on; the warning points into the library's own headers.
// clang has no such warning group and would reject the pragma.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
#include <regex>
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif

#include "data/DataLine.h"

namespace lumaret::analysis {

namespace {

constexpr const char* kCaption = "ERROR";
constexpr const char* kSsIllegalCaption = "Error";

// An accepted interval; each end is open or closed.
struct Range {
  double low;
  bool lowIncluded;
  double high;
  bool highIncluded;
};
constexpr Range kDrop{0, false, 20, true};             // 0 < v <= 20
constexpr Range kAngle{0, false, 180, true};           // 0 < v <= 180
constexpr Range kAngleFromZero{0, true, 180, true};    // 0 <= v <= 180
constexpr Range kSignedAngle{-180, true, 180, true};   // -180 <= v <= 180
constexpr Range kUpperEnvelope{-180, false, 0, true};  // -180 < v <= 0
constexpr Range kOpenAngle{0, false, 180, false};      // 0 < v < 180

bool InRange(double v, const Range& r) {
  const bool aboveLow = r.lowIncluded ? v >= r.low : v > r.low;
  const bool belowHigh = r.highIncluded ? v <= r.high : v < r.high;
  return aboveLow && belowHigh;  // false for NaN
}

// One edit field's check: the text converted with text-to-double must lie in the range,
// and, where asked, the text must be an integer.
bool Accepts(const std::string& text, const Range& range, bool integerOnly = false) {
  if (integerOnly && !IsIntegerText(text)) return false;
  return InRange(data::LeadingNumber(text), range);
}

template <typename Record>
SetupValidation<Record> Rejected(const char* message, const char* caption = kCaption) {
  return SetupValidation<Record>{std::nullopt, message, caption};
}

// The first failing field's message, or nullptr.
const char* FirstHorizontalFault(const HSetupTexts& t, const HPara& converted) {
  if (t.IDC_EDIT_HBWXdB.empty() || !Accepts(t.IDC_EDIT_HBWXdB, kDrop))
    return "HBW XdB input parameter is out of range 1~20,please check!";
  if (!Accepts(t.IDC_EDIT_PXLEVEL, kAngleFromZero))
    return "+X° Level input parameter is out of range 0~180,please check!";
  if (!Accepts(t.IDC_EDIT_NXLEVEL, kAngleFromZero)) return "-X° input parameter is out of range 0~180,please check!";
  // The back-window half width is refused with the same message as its offset.
  constexpr const char* kFbr = "FBR Xdeg input parameter is out of range -180~180,please check!";
  if (!Accepts(t.IDC_EDIT_FBR_XDEG, kSignedAngle, true)) return kFbr;
  if (!Accepts(t.IDC_EDIT_FBR_TDEG, kAngleFromZero)) return kFbr;
  if (!Accepts(t.IDC_EDIT_SELLEAN, kDrop)) return "Lean input parameter is out of range 1~20,please check!";
  if (converted.THP_mode == 0) {
    if (!Accepts(t.IDC_EDIT_THP_XDEG, kAngle)) return "THP input parameter is out of range 1~180,please check!";
  } else {
    for (const std::string& drop : ThpDropTexts(t.IDC_EDIT_THP_XDB))
      if (!Accepts(drop, kDrop)) return "THP XdB input parameter is out of range 1~20,please check!";
  }
  if (!Accepts(t.IDC_EDIT_SPR_XDEG, kAngle)) return "SPR Xdeg input parameter is out of range 1~180,please check!";
  if (!Accepts(t.IDC_EDIT_SPR_XDB, kDrop)) return "SPR XdB input parameter is out of range 1~20,please check!";
  if (!Accepts(t.IDC_EDIT_SelXPDX, kAngleFromZero))
    return "XPD X° input parameter is out of range 0~180,please check!";
  if (!Accepts(t.IDC_EDIT_SelXPDXDB, kDrop)) return "XPD XdB input parameter is out of range 1~20,please check!";
  return nullptr;
}

const char* FirstEnvelopeFault(const VSetupTexts& t) {
  if (!Accepts(t.IDC_EDIT_FSU_ENV, kUpperEnvelope, true))
    return "FSU envelope input parameter is out of range 0~-180,please check!";
  if (!Accepts(t.IDC_EDIT_FSD_ENV, kOpenAngle))
    return "FSD envelope input parameter is out of range 0~180,please check!";
  if (!Accepts(t.IDC_EDIT_ENVSCOP, kOpenAngle)) return "Envelope input parameter is out of range 0~180,please check!";
  return nullptr;
}

}  // namespace

bool IsIntegerText(const std::string& text) {
  // The whole text must match: a search would find "12" inside "12.5" and accept it.
  static const std::regex kInteger(R"(((\-|\+)*\d+))");
  return std::regex_match(text, kInteger);
}

SetupValidation<HPara> ValidateHSetup(const HSetupTexts& texts) {
  HPara converted = HParaFromTexts(texts);
  if (const char* fault = FirstHorizontalFault(texts, converted)) return Rejected<HPara>(fault);
  return SetupValidation<HPara>{std::move(converted), "", ""};
}

SetupValidation<VPara> ValidateVSetup(const VSetupTexts& texts) {
  if (!Accepts(texts.IDC_EDIT_VBWXdB_xdB, kDrop))
    return Rejected<VPara>("VBW XdB parameter is out of range 1~20,please check!");
  if (!Accepts(texts.IDC_EDIT_VXPDX_XDB, kDrop))
    return Rejected<VPara>("XPD XdB parameter is out of range 1~20,please check!");
  VPara converted = VParaFromTexts(texts);
  if (converted.FSU_envcal != 0)
    if (const char* fault = FirstEnvelopeFault(texts)) return Rejected<VPara>(fault);
  if (IsManualSsMode(texts)) {
    for (const auto& [startText, endText] : SsRangeTexts()) {
      const std::string& start = texts.*startText;
      const std::string& end = texts.*endText;
      if (!IsIntegerText(start) || !IsIntegerText(end))
        return Rejected<VPara>(
            "Vertical SS parameter contains illegal characters or one of them is empty, please check!",
            kSsIllegalCaption);
      if (!Accepts(start, kSignedAngle) || !Accepts(end, kSignedAngle))
        return Rejected<VPara>("Vertical SS parameter is out of range -180~180，please check!");
    }
  }
  return SetupValidation<VPara>{std::move(converted), "", ""};
}

}  // namespace lumaret::analysis

#include "analysis/AnalysisSettings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "analysis/SettingsValidation.h"
#include "session/CTessalyUnitDoc.h"
#include "session/DocumentSetup.h"
#include "support/TempDir.h"

using namespace lumaret::analysis;
using lumaret::data::CSettingsStore;

namespace {

const std::string kShipped = std::string(LUMARET_SOURCE_DIR) + "/Config File/Config.xml";

HSetupTexts ShippedH() { return ReadHSetupTexts(CSettingsStore(kShipped)); }
VSetupTexts ShippedV() { return ReadVSetupTexts(CSettingsStore(kShipped)); }

// One field changed from the shipped texts, and what the dialog's OK must answer:
// "" when the texts are accepted, else the message of the first failing field.
struct Edit {
  const char* key;
  const char* text;
  const char* message;
};

using Edits = std::vector<std::pair<const char*, const char*>>;

template <typename Texts>
void ApplyEdits(Texts& texts, const Edits& edits) {
  for (const auto& [key, text] : edits) {
    std::string* field = FindSetupText(texts, key);
    ASSERT_NE(field, nullptr) << key;
    *field = text;
  }
}

constexpr const char* kHbw = "HBW XdB input parameter is out of range 1~20,please check!";
constexpr const char* kPx = "+X° Level input parameter is out of range 0~180,please check!";
constexpr const char* kNx = "-X° input parameter is out of range 0~180,please check!";
constexpr const char* kFbr = "FBR Xdeg input parameter is out of range -180~180,please check!";
constexpr const char* kLean = "Lean input parameter is out of range 1~20,please check!";
constexpr const char* kThpDeg = "THP input parameter is out of range 1~180,please check!";
constexpr const char* kThpDb = "THP XdB input parameter is out of range 1~20,please check!";
constexpr const char* kSprDeg = "SPR Xdeg input parameter is out of range 1~180,please check!";
constexpr const char* kSprDb = "SPR XdB input parameter is out of range 1~20,please check!";
constexpr const char* kXpdDeg = "XPD X° input parameter is out of range 0~180,please check!";
constexpr const char* kXpdDb = "XPD XdB input parameter is out of range 1~20,please check!";
constexpr const char* kVbw = "VBW XdB parameter is out of range 1~20,please check!";
constexpr const char* kVxpd = "XPD XdB parameter is out of range 1~20,please check!";
constexpr const char* kFsuEnv = "FSU envelope input parameter is out of range 0~-180,please check!";
constexpr const char* kFsdEnv = "FSD envelope input parameter is out of range 0~180,please check!";
constexpr const char* kEnvScope = "Envelope input parameter is out of range 0~180,please check!";
constexpr const char* kSsIllegal =
    "Vertical SS parameter contains illegal characters or one of them is empty, please check!";
constexpr const char* kSsRange = "Vertical SS parameter is out of range -180~180，please check!";

}  // namespace

TEST(AnalysisSettings, LoaderConversionRules) {
  HSetupTexts h = ShippedH();
  ApplyEdits(h, {{"IDC_RADIO_MAXLEVEL_BYPOWER", "TRUE"}, {"IDC_RADIO_DIRECTION_BYPOWER", "TRUE"},  // both on
                 {"IDC_RADIO_MAXLEVEL_BYANGLE", "true"}, {"IDC_RADIO_DIRECTION_BYANGLE", "FALSE"},
                 {"IDC_EDIT_THP_XDB", "3, 10.5,x,"}, {"IDC_EDIT_PXLEVEL", "12.7"}, {"IDC_EDIT_HBWXdB", "abc"}});
  const HPara hp = HParaFromTexts(h);
  EXPECT_EQ(hp.levelRef, 1);
  EXPECT_EQ(hp.dirRef, 1);  // only the exact text "TRUE" counts
  EXPECT_EQ(hp.THP_XdB, (std::vector<float>{3, 10.5f, 0, 0}));
  EXPECT_EQ(hp.PX_deg, 12);
  EXPECT_EQ(hp.HBW_XdB, 0);

  struct EnvCase {
    const char* check;
    int envcal;
    float fsu;
  };
  for (const EnvCase c : {EnvCase{"TRUE", 1, -20}, EnvCase{"FALSE", 0, 0}, EnvCase{"", 1, 0}, EnvCase{"on", 1, 0}}) {
    VSetupTexts v = ShippedV();
    ApplyEdits(v, {{"IDC_CHECK_FSU_ENVCAL", c.check}});
    const VPara vp = VParaFromTexts(v);
    EXPECT_EQ(vp.FSU_envcal, c.envcal) << c.check;
    EXPECT_EQ(vp.FSU_env, c.fsu) << c.check;
  }
  struct SsMode {
    const char *manual, *automatic;
    std::size_t ranges;
  };
  for (const SsMode m : {SsMode{"TRUE", "FALSE", 10}, SsMode{"FALSE", "TRUE", 0}, SsMode{"TRUE", "TRUE", 0},
                         SsMode{"", "", 0}}) {
    VSetupTexts v = ShippedV();
    ApplyEdits(v, {{"IDC_RADIO_MANUAL", m.manual}, {"IDC_RADIO_AUTO", m.automatic}});
    EXPECT_EQ(VParaFromTexts(v).ssRanges.size(), m.ranges) << m.manual << "/" << m.automatic;
  }
  VSetupTexts v = ShippedV();
  ApplyEdits(v, {{"IDC_EDIT_72", "25"}, {"IDC_RADIO_GAIN_CALCPARA_V", "TRUE"}, {"IDC_RADIO_GAIN_CALCPARA_H", "TRUE"}});
  const VPara vp = VParaFromTexts(v);
  EXPECT_EQ(vp.ssRanges[6], (std::pair<std::string, std::string>{"10", "25"}));
  EXPECT_EQ(vp.gainCut.gainCut, 1);  // the gain cut reads only its first key
}

TEST(AnalysisSettings, HorizontalDialogAcceptsAndRejectsEachField) {
  const Edit edits[] = {
      {"IDC_EDIT_HBWXdB", "0", kHbw},        {"IDC_EDIT_HBWXdB", "0.5", ""},     {"IDC_EDIT_HBWXdB", "20", ""},
      {"IDC_EDIT_HBWXdB", "20.01", kHbw},    {"IDC_EDIT_HBWXdB", "", kHbw},      {"IDC_EDIT_PXLEVEL", "0", ""},
      {"IDC_EDIT_PXLEVEL", "-1", kPx},       {"IDC_EDIT_PXLEVEL", "180", ""},    {"IDC_EDIT_NXLEVEL", "180.5", kNx},
      {"IDC_EDIT_FBR_XDEG", "12.5", kFbr},   {"IDC_EDIT_FBR_XDEG", "-180", ""},  {"IDC_EDIT_FBR_XDEG", "+90", ""},
      {"IDC_EDIT_FBR_XDEG", "181", kFbr},    {"IDC_EDIT_FBR_XDEG", " 12", kFbr}, {"IDC_EDIT_FBR_XDEG", "", kFbr},
      {"IDC_EDIT_FBR_TDEG", "-1", kFbr},     {"IDC_EDIT_FBR_TDEG", "0", ""},     {"IDC_EDIT_SELLEAN", "0", kLean},
      {"IDC_EDIT_THP_XDB", "3,25", kThpDb},  {"IDC_EDIT_THP_XDB", "3,", kThpDb}, {"IDC_EDIT_THP_XDB", "0.5,20", ""},
      {"IDC_EDIT_THP_XDEG", "0", ""},  // dB mode: the angle is not checked
      {"IDC_EDIT_SPR_XDEG", "0", kSprDeg},   {"IDC_EDIT_SPR_XDEG", "180", ""},   {"IDC_EDIT_SPR_XDB", "20.5", kSprDb},
      {"IDC_EDIT_SelXPDX", "0", ""},         {"IDC_EDIT_SelXPDX", "200", kXpdDeg}, {"IDC_EDIT_SelXPDXDB", "0", kXpdDb},
  };
  for (const Edit& e : edits) {
    HSetupTexts texts = ShippedH();
    ApplyEdits(texts, {{e.key, e.text}});
    const auto out = ValidateHSetup(texts);
    EXPECT_EQ(out.message, e.message) << e.key << "=" << e.text;
    EXPECT_EQ(out.Accepted(), *e.message == '\0') << e.key << "=" << e.text;
    EXPECT_EQ(out.caption, out.Accepted() ? "" : "ERROR") << e.key << "=" << e.text;
  }
}

TEST(AnalysisSettings, HorizontalDialogChecksTheThpOfItsModeAndReportsTheFirstFault) {
  HSetupTexts angleMode = ShippedH();
  ApplyEdits(angleMode, {{"IDC_RADIO_THP_ANGLE_RANG", "TRUE"}, {"IDC_RADIO_THP_DB_RANG", "FALSE"},
                         {"IDC_EDIT_THP_XDB", "3,25"}, {"IDC_EDIT_THP_XDEG", "0"}});
  EXPECT_EQ(ValidateHSetup(angleMode).message, kThpDeg);
  ApplyEdits(angleMode, {{"IDC_EDIT_THP_XDEG", "180"}});
  EXPECT_TRUE(ValidateHSetup(angleMode).Accepted());

  HSetupTexts twoFaults = ShippedH();
  ApplyEdits(twoFaults, {{"IDC_EDIT_SelXPDXDB", "0"}, {"IDC_EDIT_SELLEAN", "30"}, {"IDC_EDIT_THP_XDB", "3,25"}});
  EXPECT_EQ(ValidateHSetup(twoFaults).message, kLean);

  HSetupTexts valid = ShippedH();
  ApplyEdits(valid, {{"IDC_EDIT_THP_XDB", "3,10"}, {"IDC_EDIT_FBR_XDEG", "-180"}});
  const auto out = ValidateHSetup(valid);
  ASSERT_TRUE(out.Accepted());
  EXPECT_EQ(out.record->THP_XdB, (std::vector<float>{3, 10}));
  EXPECT_EQ(out.record->FBR_xdeg, -180);
}

TEST(AnalysisSettings, VerticalDialogAcceptsAndRejectsEachField) {
  struct VEdit {
    Edits edits;
    const char* message;
    const char* caption;
  };
  const char* on = "TRUE";
  const VEdit cases[] = {
      {{{"IDC_EDIT_VBWXdB_xdB", "0"}}, kVbw, "ERROR"},
      {{{"IDC_EDIT_VXPDX_XDB", "21"}}, kVxpd, "ERROR"},
      {{{"IDC_EDIT_FSU_ENV", "5"}}, "", ""},  // refinement off: not checked
      {{{"IDC_CHECK_FSU_ENVCAL", on}, {"IDC_EDIT_FSU_ENV", "5"}}, kFsuEnv, "ERROR"},
      {{{"IDC_CHECK_FSU_ENVCAL", ""}, {"IDC_EDIT_FSU_ENV", "5"}}, kFsuEnv, "ERROR"},
      {{{"IDC_CHECK_FSU_ENVCAL", on}, {"IDC_EDIT_FSU_ENV", "-180"}}, kFsuEnv, "ERROR"},
      {{{"IDC_CHECK_FSU_ENVCAL", on}, {"IDC_EDIT_FSU_ENV", "-20.5"}}, kFsuEnv, "ERROR"},
      {{{"IDC_CHECK_FSU_ENVCAL", on}, {"IDC_EDIT_FSU_ENV", "0"}}, "", ""},
      {{{"IDC_CHECK_FSU_ENVCAL", on}, {"IDC_EDIT_FSD_ENV", "180"}}, kFsdEnv, "ERROR"},
      {{{"IDC_CHECK_FSU_ENVCAL", on}, {"IDC_EDIT_ENVSCOP", "0"}}, kEnvScope, "ERROR"},
      {{{"IDC_CHECK_FSU_ENVCAL", on}, {"IDC_EDIT_FSD_ENV", "180"}, {"IDC_EDIT_1", "x"}}, kFsdEnv, "ERROR"},
      {{{"IDC_EDIT_72", ""}}, kSsIllegal, "Error"},
      {{{"IDC_EDIT_3", "2.5"}}, kSsIllegal, "Error"},
      {{{"IDC_EDIT_101", "181"}}, kSsRange, "ERROR"},
      {{{"IDC_EDIT_1", "-180"}, {"IDC_EDIT_101", "180"}}, "", ""},
      {{{"IDC_EDIT_1", "200"}, {"IDC_EDIT_2", "x"}}, kSsRange, "ERROR"},  // ranges are checked in order
      {{{"IDC_RADIO_MANUAL", "FALSE"}, {"IDC_RADIO_AUTO", "TRUE"}, {"IDC_EDIT_72", "abc"}}, "", ""},
  };
  int i = 0;
  for (const VEdit& c : cases) {
    VSetupTexts texts = ShippedV();
    ApplyEdits(texts, c.edits);
    const auto out = ValidateVSetup(texts);
    EXPECT_EQ(out.message, c.message) << "case " << i;
    EXPECT_EQ(out.caption, c.caption) << "case " << i;
    EXPECT_EQ(out.Accepted(), *c.message == '\0') << "case " << i;
    ++i;
  }
}

TEST(AnalysisSettings, WritingAnAcceptedDialogKeepsTextsAndCompletesRadioPairs) {
  lumaret::test::TempDir dir;
  CSettingsStore store((dir.path() / "Config.xml").string());

  HSetupTexts h = ShippedH();
  ApplyEdits(h, {{"IDC_RADIO_MAXLEVEL_BYPOWER", "FALSE"}, {"IDC_RADIO_SelSPR_AVERAGE", "TRUE"},
                 {"IDC_EDIT_THP_XDB", "3,10,15"}, {"IDC_EDIT_HBWXdB", "10.50"}});
  const auto accepted = ValidateHSetup(h);
  ASSERT_TRUE(accepted.Accepted());
  ASSERT_TRUE(WriteHSetup(store, h, *accepted.record));
  EXPECT_EQ(store.Read("IDC_RADIO_DIRECTION_BYPOWER", kHSetupSection), "TRUE");
  EXPECT_EQ(store.Read("IDC_RADIO_SelSPR_MAX", kHSetupSection), "FALSE");  // both were TRUE
  EXPECT_EQ(store.Read("IDC_EDIT_HBWXdB", kHSetupSection), "10.50");
  const HPara reloaded = LoadHPara(store);
  EXPECT_TRUE(reloaded == *accepted.record);
  EXPECT_EQ(reloaded.THP_XdB, (std::vector<float>{3, 10, 15}));

  // Automatic side lobes and refinement off: the ignored texts are kept for later.
  VSetupTexts v = ShippedV();
  ApplyEdits(v, {{"IDC_RADIO_MANUAL", "FALSE"}, {"IDC_RADIO_AUTO", "FALSE"}, {"IDC_RADIO_GAIN_CALCPARA_V", "TRUE"}});
  const auto vAccepted = ValidateVSetup(v);
  ASSERT_TRUE(vAccepted.Accepted());
  EXPECT_TRUE(vAccepted.record->ssRanges.empty());
  ASSERT_TRUE(WriteVSetup(store, v, *vAccepted.record));
  EXPECT_EQ(store.Read("IDC_RADIO_AUTO", kVSetupSection), "TRUE");
  EXPECT_EQ(store.Read("IDC_RADIO_GAIN_CALCPARA_H", kVSetupSection), "FALSE");
  EXPECT_EQ(store.Read("IDC_EDIT_72", kVSetupSection), "20");
  EXPECT_EQ(LoadVPara(store).gainCut.gainCut, 1);

  ASSERT_TRUE(WriteRPara(store, RPara{0}));
  EXPECT_EQ(store.Read("IDC_RADIO_GAIN_CALCPARA_V", kVSetupSection), "FALSE");
  EXPECT_EQ(store.Read("IDC_RADIO_GAIN_CALCPARA_H", kVSetupSection), "TRUE");
}

TEST(AnalysisSettings, DocumentInitialisationLoadsSettingsSelectionAndAssociation) {
  lumaret::test::TempDir dir;
  std::filesystem::copy_file(kShipped, dir.path() / "Config.xml");
  CSettingsStore store((dir.path() / "Config.xml").string());
  store.Write("7.5", "IDC_EDIT_HBWXdB", kHSetupSection);
  store.Write("TRUE", "IDC_RADIO_AUTO", kVSetupSection);
  store.Write("FALSE", "ID_HPS", "ID_MENU");
  store.Write("TRUE", "ID_REL_V_H", "ID_MENU");

  lumaret::data::RecordingMessages messages;
  lumaret::session::CTessalyUnitDoc doc(messages);
  lumaret::session::InitialiseDocument(doc, {std::string(LUMARET_SOURCE_DIR) + "/", dir.path().string(), ""});
  EXPECT_EQ(doc.hPara.HBW_XdB, 7.5f);
  EXPECT_TRUE(doc.vPara.ssRanges.empty());
  EXPECT_FALSE(doc.indicators.IsSet(Indicator::HPS));
  EXPECT_TRUE(doc.indicators.IsSet(Indicator::Lean));
  EXPECT_TRUE(doc.association.polar && doc.association.cut && !doc.association.slant);
}

#include "session/ApplySetup.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "analysis/AnalysisDriver.h"
#include "session/AuxiliarySetup.h"
#include "session/DocumentSetup.h"
#include "support/CutBuilder.h"
#include "support/TempDir.h"

using namespace lumaret;

namespace {

// A document on a fresh copy of the shipped store, showing one analysed horizontal cut.
class ApplySetupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    session::DocumentFolders folders;
    folders.programFolder = LUMARET_SOURCE_DIR "/";
    folders.workingFolder = work.path().string() + "/";
    session::InitialiseDocument(doc, folders);
    data::PatternFile f = test::SplitCutFile("/camp/1700_2200_ANTX65_20261206_A_B", "P1_p45_h_co_2_0_1710.cm",
                                             test::SampledCut(-180, 180, 1, test::GaussianBeam(0, 65, -40)));
    key = f.key;
    doc.patterns[key] = std::move(f);
    doc.currentSelection = {key};
    doc.currentKey = key;
    analysis::AnalyseSelection(doc);
  }
  float HbwXdB() { return doc.patterns[key].result.hbwXdB; }

  test::TempDir work;
  data::RecordingMessages messages;
  session::CTessalyUnitDoc doc{messages};
  std::string key;
};

}  // namespace

TEST_F(ApplySetupTest, AcceptedHorizontalSetupIsStoredTakenAndAnalysed) {
  const float before = HbwXdB();
  analysis::HSetupTexts texts = analysis::ReadHSetupTexts(doc.settings);
  texts.IDC_EDIT_HBWXdB = "3";
  const session::SetupOutcome outcome = session::ApplyHSetup(doc, texts);
  EXPECT_EQ(outcome.status, session::SetupStatus::Applied);
  EXPECT_EQ(doc.settings.Read("IDC_EDIT_HBWXdB", analysis::kHSetupSection), "3");
  EXPECT_FLOAT_EQ(doc.hPara.HBW_XdB, 3.0f);
  EXPECT_LT(HbwXdB(), before - 10.0f);  // a 3 dB beam is much narrower than a 10 dB one
}

TEST_F(ApplySetupTest, RefusedSetupsChangeNothing) {
  struct Case {
    const char* name;
    std::function<session::SetupOutcome()> apply;
    const char* message;
    const char* caption;
  };
  const std::vector<Case> cases = {
      {"HBW above 20",
       [&] {
         analysis::HSetupTexts t = analysis::ReadHSetupTexts(doc.settings);
         t.IDC_EDIT_HBWXdB = "20.01";
         return session::ApplyHSetup(doc, t);
       },
       "HBW XdB input parameter is out of range 1~20,please check!", "ERROR"},
      {"manual side-lobe range not an integer",
       [&] {
         analysis::VSetupTexts t = analysis::ReadVSetupTexts(doc.settings);
         t.IDC_RADIO_MANUAL = "TRUE";
         t.IDC_RADIO_AUTO = "FALSE";
         t.IDC_EDIT_72 = "x";
         return session::ApplyVSetup(doc, t);
       },
       "Vertical SS parameter contains illegal characters or one of them is empty, please check!", "Error"},
      {"gain cut other than 0 or 1", [&] { return session::ApplyRadiationSetup(doc, analysis::RPara{2}); },
       "The gain is taken from the vertical (1) or the horizontal (0) cut.", "ERROR"},
      {"empty envelope folder", [&] { return session::ApplyEnvelopeConfiguration(doc, ""); },
       "Configured path can not be empty！", data::kAppCaption},
  };
  const analysis::HPara hBefore = doc.hPara;
  const analysis::VPara vBefore = doc.vPara;
  const std::string storeBefore = analysis::ReadVSetupTexts(doc.settings).IDC_EDIT_72;
  for (const Case& c : cases) {
    const session::SetupOutcome outcome = c.apply();
    EXPECT_TRUE(outcome.Refused()) << c.name;
    EXPECT_EQ(outcome.message, c.message) << c.name;
    EXPECT_EQ(outcome.caption, c.caption) << c.name;
  }
  EXPECT_EQ(doc.hPara, hBefore);
  EXPECT_EQ(doc.vPara, vBefore);
  EXPECT_EQ(analysis::ReadVSetupTexts(doc.settings).IDC_EDIT_72, storeBefore);
}

TEST_F(ApplySetupTest, RadiationSetupWritesTheRadioPairAndTheRecord) {
  EXPECT_EQ(session::ApplyRadiationSetup(doc, analysis::RPara{1}).status, session::SetupStatus::Applied);
  EXPECT_EQ(doc.settings.Read("IDC_RADIO_GAIN_CALCPARA_V", analysis::kVSetupSection), "TRUE");
  EXPECT_EQ(doc.settings.Read("IDC_RADIO_GAIN_CALCPARA_H", analysis::kVSetupSection), "FALSE");
  EXPECT_EQ(doc.vPara.gainCut.gainCut, 1);
}

TEST_F(ApplySetupTest, AStoreThatCannotBeWrittenIsReportedButTheValueApplies) {
  analysis::HSetupTexts texts = analysis::ReadHSetupTexts(doc.settings);
  texts.IDC_EDIT_HBWXdB = "3";
  doc.settings.SetPath((work.path() / "missing" / "Config.xml").string());
  const session::SetupOutcome outcome = session::ApplyHSetup(doc, texts);
  EXPECT_EQ(outcome.status, session::SetupStatus::WriteFailed);
  EXPECT_NE(outcome.message.find("missing/Config.xml"), std::string::npos);
  EXPECT_FLOAT_EQ(doc.hPara.HBW_XdB, 3.0f);
}

TEST_F(ApplySetupTest, EnvelopeConfigurationAddsTheFolderCurvesAndStoresTheFolder) {
  const std::size_t before = doc.envelopeMap.size();
  work.Write("env/sub/v-plane.txt", "0 0\n10 -3\n20 -10\n");
  const std::string folder = work.path().string() + "/env";
  EXPECT_EQ(session::ApplyEnvelopeConfiguration(doc, folder).status, session::SetupStatus::Applied);
  EXPECT_EQ(doc.envelopeMap.size(), before + 1);
  EXPECT_EQ(doc.envelopeFolder, folder + "/");
  EXPECT_EQ(doc.settings.Read(session::kOpenConfigKey, session::kOpenConfigSection), folder + "/");
}

TEST_F(ApplySetupTest, ChamberXmlPathMustNameAnExistingFile) {
  const std::string existing = work.Write("chamber.XML", "<Chamber/>");
  EXPECT_FALSE(session::CheckChamberXmlPath("").Refused());
  EXPECT_FALSE(session::CheckChamberXmlPath(existing).Refused());
  const std::string missing = work.path().string() + "/none.XML";
  const session::SetupOutcome outcome = session::CheckChamberXmlPath(missing);
  EXPECT_TRUE(outcome.Refused());
  EXPECT_EQ(outcome.message, missing + "文件在磁盘上不存在");
  EXPECT_EQ(outcome.caption, "信息提示");
  EXPECT_TRUE(session::CheckChamberXmlPath(work.path().string()).Refused());  // a folder is not a file
}

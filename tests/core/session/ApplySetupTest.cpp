#include "session/ApplySetup.h"

#include <gtest/gtest.h>


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
  analysis::HSetupTexts texts = analysis::ReadHSetupTexts(doc.settings);
  texts.IDC_EDIT_THP_XDB = "3,25";
  const analysis::HPara hBefore = doc.hPara;
  const session::SetupOutcome h = session::ApplyHSetup(doc, texts);
  EXPECT_EQ(h.message, "THP XdB input parameter is out of range 1~20,please check!");
  EXPECT_EQ(doc.settings.Read("IDC_EDIT_THP_XDB", analysis::kHSetupSection), "3,10");
  EXPECT_EQ(doc.hPara, hBefore);

  const analysis::VPara vBefore = doc.vPara;
  EXPECT_TRUE(session::ApplyRadiationSetup(doc, analysis::RPara{2}).Refused());
  EXPECT_EQ(doc.settings.Read("IDC_RADIO_GAIN_CALCPARA_V", analysis::kVSetupSection),
            vBefore.gainCut.gainCut == 1 ? "TRUE" : "FALSE");
  EXPECT_TRUE(session::ApplyEnvelopeConfiguration(doc, "").Refused());
  EXPECT_EQ(doc.vPara, vBefore);
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
  EXPECT_TRUE(session::CheckChamberXmlPath(work.path().string() + "/none.XML").Refused());
  EXPECT_TRUE(session::CheckChamberXmlPath(work.path().string()).Refused());  // a folder is not a file
}

#include "session/ReportPictures.h"

#include <gtest/gtest.h>

#include "support/CutBuilder.h"
#include "support/LogCapture.h"

using namespace lumaret;

namespace {

const std::string kFolder = "/camp/1700_2200_ANTX65_20261206_A_B";

// Each picture as "<name in its folder>: <file names drawn>".
std::vector<std::string> Described(const std::vector<session::ReportPicture>& pictures) {
  std::vector<std::string> out;
  for (const session::ReportPicture& p : pictures) {
    std::string text = p.path.substr(p.path.rfind('/') + 1) + ":";
    for (const std::string& key : p.files) text += " " + key.substr(key.rfind('/') + 1);
    out.push_back(text);
  }
  return out;
}

}  // namespace

TEST(ReportPictures, PatternSetPicturesFollowTheAssociationSwitches) {
  const std::string missing = "缺失\r\n";
  struct Case {
    analysis::AssociationSwitches on;
    std::vector<std::string> loaded, expected, logLines;
  };
  const std::vector<Case> cases = {
      {{true, false, false, false}, {"P1_p45_h_co.cm", "P1_p45_h_cr.cm"},
       {"P1_p45_h_co.bmp: p1_p45_h_co.cm", "P1_p45_h_cr.bmp: p1_p45_h_cr.cm"}, {}},
      {{false, true, false, false}, {"P1_p45_e_co.cm", "P1_p45_h_co.cm", "P1_p45_h_cr.cm"},
       {"P1_p45_e_co.bmp: p1_p45_e_co.cm", "P1_p45_h_co.bmp: p1_p45_h_co.cm p1_p45_h_cr.cm"},
       {"准备截图时P1_p45_e_co.cm极化关联文件：" + data::ToKey(kFolder) + "/p1_p45_e_cr.cm" + missing}},
      {{false, false, true, true}, {"P1_p45_h_co.cm"}, {"P1_p45_h_co.bmp: p1_p45_h_co.cm"},
       {"准备截图时P1_p45_h_co.cm端口关联文件：" + data::ToKey(kFolder) + "/p2_m45_h_co.cm" + missing,
        "准备截图时P1_p45_h_co.cm切面关联文件：" + data::ToKey(kFolder) + "/p1_p45_e_co.cm" + missing}},
      // Every file drawn in a picture is done: the whole set makes one picture, not four.
      {{false, true, true, true},
       {"P1_p45_e_co.cm", "P1_p45_e_cr.cm", "P1_p45_h_co.cm", "P1_p45_h_cr.cm", "P2_m45_e_co.cm", "P2_m45_e_cr.cm",
        "P2_m45_h_co.cm", "P2_m45_h_cr.cm"},
       {"P1_p45_e_co.bmp: p1_p45_e_co.cm p1_p45_e_cr.cm p2_m45_e_co.cm p2_m45_e_cr.cm p2_m45_h_co.cm "
        "p2_m45_h_cr.cm p1_p45_h_co.cm p1_p45_h_cr.cm"},
       {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.expected.front());
    test::LogCapture log;
    data::RecordingMessages messages;
    analysis::AnalysisDocument doc{messages};
    doc.association = c.on;
    for (const std::string& name : c.loaded) test::AddSplitCut(doc.patterns, kFolder, name, test::AsymmetricBeam());
    EXPECT_EQ(Described(session::PlanPatternSetPictures(doc, "/out/report/")), c.expected);
    const std::string text = log.Text();
    std::size_t at = 0;
    for (const std::string& line : c.logLines) EXPECT_NE(at = text.find(line, at), std::string::npos) << text;
    EXPECT_TRUE(!c.logLines.empty() || text.empty()) << text;
  }
  EXPECT_EQ(session::PictureFileName("noextension"), "noextension.bmp");
}

TEST(ReportPictures, StandardReportPicturesGroupPortTiltAndCut) {
  data::RecordingMessages messages;
  analysis::AnalysisDocument doc{messages};
  for (const char* name : {"P1_p45_h_co_4_0_1710.cm", "P1_p45_h_cr_4_0_1710.cm", "P1_p45_h_co_4_0_2170.cm",
                           "P1_p45_e_co_4_0_1710.cm", "P1_p45_h_co_6_0_1710.cm"})
    test::AddSplitCut(doc.patterns, kFolder, name, test::AsymmetricBeam());
  data::PatternFile& combined = doc.LookUpOrCreate("/camp/MSI/ANTX65_1710_X_CO_P45_04T.msi");
  combined.fileName = "ANTX65_1710_X_CO_P45_04T.msi";
  combined.nameFields[data::kFieldCut] = "msi";

  EXPECT_EQ(Described(session::PlanStandardReportPictures(doc, "/out/report/")),
            (std::vector<std::string>{
                "P1_4_e.bmp: p1_p45_e_co_4_0_1710.cm",
                "P1_4_h.bmp: p1_p45_h_co_4_0_1710.cm p1_p45_h_co_4_0_2170.cm p1_p45_h_cr_4_0_1710.cm",
                "P1_6_h.bmp: p1_p45_h_co_6_0_1710.cm",
                "ANTX65_1710_X_CO_P45_04T.bmp: antx65_1710_x_co_p45_04t.msi"}));
}

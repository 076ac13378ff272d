#include "session/ReportPictures.h"

#include <gtest/gtest.h>

#include "support/CutBuilder.h"
#include "support/LogCapture.h"

using namespace lumaret;

namespace {

const std::string kFolder = "/camp/1700_2200_ANTX65_20261206_A_B";
const std::string kReport = "/out/report/";

std::string Key(const std::string& name) { return data::ToKey(kFolder + "/" + name); }

void Load(analysis::AnalysisDocument& doc, const std::string& folder, const std::vector<std::string>& names) {
  for (const std::string& name : names) test::AddSplitCut(doc.patterns, folder, name, test::AsymmetricBeam());
}

// The plan as (picture name under its folder, file names drawn).
using Plan = std::vector<std::pair<std::string, std::vector<std::string>>>;
Plan Simplify(const std::vector<session::ReportPicture>& pictures, const std::string& folder) {
  Plan plan;
  for (const session::ReportPicture& p : pictures) {
    std::vector<std::string> files;
    for (const std::string& key : p.files) files.push_back(key.substr(key.rfind('/') + 1));
    plan.emplace_back(p.path.substr(folder.size()), files);
  }
  return plan;
}

}  // namespace

TEST(ReportPictures, PictureNameReplacesTheExtension) {
  EXPECT_EQ(session::PictureFileName("P1_p45_h_co_4_0_1940.cm"), "P1_p45_h_co_4_0_1940.bmp");
  EXPECT_EQ(session::PictureFileName("ANTX65_1710.X.msi"), "ANTX65_1710.X.bmp");
  EXPECT_EQ(session::PictureFileName("noextension"), "noextension.bmp");
}

TEST(ReportPictures, PatternSetPicturesFollowTheAssociationSwitches) {
  struct Case {
    const char* what;
    analysis::AssociationSwitches on;
    std::vector<std::string> loaded;
    Plan expected;
    std::vector<std::string> logLines;
  };
  const std::vector<std::string> full = {"P1_p45_e_co_4_0_1710.cm", "P1_p45_e_cr_4_0_1710.cm", "P1_p45_h_co_4_0_1710.cm",
                                         "P1_p45_h_cr_4_0_1710.cm", "P2_m45_e_co_4_0_1710.cm", "P2_m45_e_cr_4_0_1710.cm",
                                         "P2_m45_h_co_4_0_1710.cm", "P2_m45_h_cr_4_0_1710.cm"};
  const std::vector<Case> cases = {
      {"switches off: a picture each",
       {true, false, false, false},
       {"P1_p45_h_co_4_0_1710.cm", "P1_p45_h_cr_4_0_1710.cm"},
       {{"P1_p45_h_co_4_0_1710.bmp", {"p1_p45_h_co_4_0_1710.cm"}},
        {"P1_p45_h_cr_4_0_1710.bmp", {"p1_p45_h_cr_4_0_1710.cm"}}},
       {}},
      {"polar: the partner shares the picture, a missing one is logged",
       {false, true, false, false},
       {"P1_p45_e_co_4_0_1710.cm", "P1_p45_h_co_4_0_1710.cm", "P1_p45_h_cr_4_0_1710.cm"},
       {{"P1_p45_e_co_4_0_1710.bmp", {"p1_p45_e_co_4_0_1710.cm"}},
        {"P1_p45_h_co_4_0_1710.bmp", {"p1_p45_h_co_4_0_1710.cm", "p1_p45_h_cr_4_0_1710.cm"}}},
       {"准备截图时P1_p45_e_co_4_0_1710.cm极化关联文件：" + Key("P1_p45_e_cr_4_0_1710.cm") + "缺失\r\n"}},
      {"slant and cut partners missing are logged in that order",
       {false, false, true, true},
       {"P1_p45_h_co_4_0_1710.cm"},
       {{"P1_p45_h_co_4_0_1710.bmp", {"p1_p45_h_co_4_0_1710.cm"}}},
       {"准备截图时P1_p45_h_co_4_0_1710.cm端口关联文件：" + Key("P2_m45_h_co_4_0_1710.cm") + "缺失\r\n",
        "准备截图时P1_p45_h_co_4_0_1710.cm切面关联文件：" + Key("P1_p45_e_co_4_0_1710.cm") + "缺失\r\n"}},
      {"all switches: one picture for the whole set, no file pictured twice",
       {false, true, true, true},
       full,
       {{"P1_p45_e_co_4_0_1710.bmp",
         {"p1_p45_e_co_4_0_1710.cm", "p1_p45_e_cr_4_0_1710.cm", "p2_m45_e_co_4_0_1710.cm", "p2_m45_e_cr_4_0_1710.cm",
          "p2_m45_h_co_4_0_1710.cm", "p2_m45_h_cr_4_0_1710.cm", "p1_p45_h_co_4_0_1710.cm",
          "p1_p45_h_cr_4_0_1710.cm"}}},
       {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    test::LogCapture log;
    data::RecordingMessages messages;
    analysis::AnalysisDocument doc{messages};
    doc.association = c.on;
    Load(doc, kFolder, c.loaded);
    const auto pictures = session::PlanPatternSetPictures(doc, kReport);
    EXPECT_EQ(Simplify(pictures, kReport + "RelBmps/"), c.expected);
    const std::string text = log.Text();
    std::size_t from = 0;
    for (const std::string& line : c.logLines) {
      from = text.find(line, from);
      EXPECT_NE(from, std::string::npos) << line << " not in order in\n" << text;
    }
    if (c.logLines.empty()) {
      EXPECT_EQ(text, "");
    }
  }
}

TEST(ReportPictures, NamesakesFromTwoFoldersAreBothPlannedUnderOnePath) {
  data::RecordingMessages messages;
  analysis::AnalysisDocument doc{messages};
  Load(doc, kFolder, {"P1_p45_h_co_4_0_1710.cm"});
  Load(doc, "/other/1700_2200_ANTX65_20261207_A_B", {"P1_p45_h_co_4_0_1710.cm"});
  const auto pictures = session::PlanPatternSetPictures(doc, kReport);
  ASSERT_EQ(pictures.size(), 2u);
  EXPECT_EQ(pictures[0].path, pictures[1].path);
  EXPECT_NE(pictures[0].source, pictures[1].source);  // the writer names both in its refusal
}

TEST(ReportPictures, StandardReportPicturesGroupPortTiltAndCut) {
  data::RecordingMessages messages;
  analysis::AnalysisDocument doc{messages};
  doc.association = {false, true, true, true};  // the groups do not depend on the switches
  Load(doc, kFolder,
       {"P1_p45_h_co_4_0_1710.cm", "P1_p45_h_cr_4_0_1710.cm", "P1_p45_h_co_4_0_2170.cm", "P1_p45_e_co_4_0_1710.cm",
        "P2_m45_h_co_4_0_1710.cm", "P1_p45_h_co_6_0_1710.cm"});
  data::PatternFile& combined = doc.LookUpOrCreate("/camp/MSI/ANTX65_1710_X_CO_P45_04T.msi");
  combined.fileName = "ANTX65_1710_X_CO_P45_04T.msi";
  combined.nameFields[data::kFieldCut] = "msi";

  const Plan expected = {
      {"P1_4_e.bmp", {"p1_p45_e_co_4_0_1710.cm"}},
      {"P1_4_h.bmp", {"p1_p45_h_co_4_0_1710.cm", "p1_p45_h_co_4_0_2170.cm", "p1_p45_h_cr_4_0_1710.cm"}},
      {"P1_6_h.bmp", {"p1_p45_h_co_6_0_1710.cm"}},
      {"P2_4_h.bmp", {"p2_m45_h_co_4_0_1710.cm"}},
      {"ANTX65_1710_X_CO_P45_04T.bmp", {"antx65_1710_x_co_p45_04t.msi"}},
  };
  EXPECT_EQ(Simplify(session::PlanStandardReportPictures(doc, kReport), kReport + "SetBmps/"), expected);
}

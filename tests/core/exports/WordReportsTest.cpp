#include "exports/WordReports.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "analysis/AnalysisDriver.h"
#include "data/PatternFileReader.h"
#include "data/UserMessages.h"
#include "exports/ResultTables.h"
#include "support/DocxInspect.h"
#include "support/TempDir.h"

namespace lumaret::exports {
namespace {

using analysis::Indicator;

// A complete 1 x 1 PNG image.
const std::string kTinyPng(
    "\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\0\0\0\x01\0\0\0\x01\x08\x02\0\0\0\x90\x77\x53\xde\0\0\0\x0cIDAT"
    "\x08\xd7\x63\xf8\xcf\xc0\0\0\x03\x01\x01\0\x18\xdd\x8d\xb0\0\0\0\0IEND\xae\x42\x60\x82",
    69);

// Six analysed sample files of port P1 at two frequencies (no gain-level files, so the gain
// is unset) and a picture folder with two pictures, a "Thumbs" file and an unreadable one.
class WordReportsTest : public ::testing::Test {
 protected:
  WordReportsTest() : doc(messages) {
    const std::string folder = std::string(LUMARET_SOURCE_DIR) + "/samples/1700_2200_ANTX65_20261206_A_B/";
    for (const char* name : {"P1_p45_h_co_4_0_1710", "P1_p45_e_co_4_0_1710", "P1_p45_h_cr_4_0_1710",
                             "P1_p45_h_co_4_0_1940", "P1_p45_e_co_4_0_1940", "P1_p45_h_cr_4_0_1940"})
      EXPECT_TRUE(data::ReadPatternFile(doc, folder + name + ".cm").ok()) << name;
    analysis::AnalyseAllLoadedFiles(doc);
    doc.indicators.SetAll(false);
    for (Indicator i : {Indicator::Gain, Indicator::HBW3dB, Indicator::XPD0, Indicator::VBW3dB}) doc.indicators.Set(i, true);
    doc.configFolder = LUMARET_BUILT_CONFIG_DIR;
    for (const auto& [key, file] : doc.patterns) keys.push_back(key);
    folders = DeriveExportFolders(dir.path().string());
    for (const char* name : {"P1_p45_h_co_4_0_1940.BMP", "P1_p45_e_co_4_0_1710.bmp", "Thumbs.db", "a_unreadable.bmp"})
      dir.Write(std::string("report/RelBmps/") + name, "BM");
  }

  std::string ToPng(const std::string& path) { return path.find("unreadable") == std::string::npos ? kTinyPng : ""; }
  PictureToPng Pictures() {
    return [this](const std::string& path) { return ToPng(path); };
  }

  // The pictures' part: captions in order, one drawing per caption, the unreadable one failed.
  void ExpectPictures(const test::DocxPackage& docx) {
    const auto paragraphs = test::BodyParagraphs(docx);
    std::vector<std::string> captions;
    std::copy_if(paragraphs.begin(), paragraphs.end(), std::back_inserter(captions),
                 [](const std::string& p) { return p.rfind("(", 0) == 0; });
    EXPECT_EQ(captions, (std::vector<std::string>{"(1)p1_p45_e_co_4_0_1710", "(2)p1_p45_h_co_4_0_1940"}));
    EXPECT_EQ(test::AllOf(docx.Body(), "w:drawing").size(), 2u);
    EXPECT_TRUE(docx.parts.count("word/media/image2.png"));
    EXPECT_EQ(outcome.failed, (std::vector<std::string>{folders.reportFolder + "RelBmps/a_unreadable.bmp"}));
    const std::string& body = docx.parts.at("word/document.xml");
    for (const char* placeholder : {"KQM572914", "30481259637702000046", "InsertPicture1Here", "InsertPicture3Here"})
      EXPECT_EQ(body.find(placeholder), std::string::npos) << placeholder;
    EXPECT_NE(body.find(">ANTX65<"), std::string::npos);
  }

  data::RecordingMessages messages;
  analysis::AnalysisDocument doc;
  std::vector<std::string> keys;
  test::TempDir dir;
  ExportFolders folders;
  WriteOutcome outcome;
};

TEST_F(WordReportsTest, StandardReportHoldsOneHeadingAndTableSetPerGroupThenThePictures) {
  const struct {
    ReportLanguage language;
    const char* saved;
    const char* caption;
  } cases[] = {
      {ReportLanguage::kChinese, "ANTX65天线测试报告.docx", "端口：P1, 极化：+45, 下倾角：4的方向图测试数据"},
      {ReportLanguage::kEnglish, "Antenna test report of ANTX65.docx", "Port：P1, Polarization：+45, Tilt：4"},
  };
  const std::vector<ResultGroup> groups = BuildResultGroups(doc, keys);
  ASSERT_EQ(groups.size(), 1u);
  ASSERT_EQ(groups[0].tables.size(), 4u);
  for (const auto& c : cases) {
    outcome = {};
    ASSERT_TRUE(WriteStandardReport(doc, keys, folders, c.language, Pictures(), outcome).ok()) << c.saved;
    EXPECT_EQ(outcome.written, (std::vector<std::string>{folders.reportFolder + c.saved}));
    const test::DocxPackage docx(folders.reportFolder + c.saved);
    ASSERT_TRUE(docx.ok) << c.saved;
    ExpectPictures(docx);
    const auto paragraphs = test::BodyParagraphs(docx);
    EXPECT_NE(std::find(paragraphs.begin(), paragraphs.end(), c.caption), paragraphs.end()) << c.saved;

    const auto tables = test::Tables(docx);
    ASSERT_EQ(tables.size(), groups[0].tables.size()) << c.saved;
    bool anyRed = false;
    for (std::size_t t = 0; t < tables.size(); ++t) {
      const ResultTable& expected = groups[0].tables[t];
      std::vector<std::vector<std::string>> rows = {{"Frequency\n(MHz)", expected.header}};
      for (std::size_t r = 0; r < expected.values.size(); ++r) {
        rows.push_back({r == 0 ? "1710" : "1940", expected.values[r].text + (expected.values[r].mark == 0 ? "/red" : "")});
        anyRed = anyRed || expected.values[r].mark == 0;
      }
      EXPECT_EQ(tables[t], rows) << expected.header;
    }
    EXPECT_TRUE(anyRed);  // the unset gain
    EXPECT_EQ(tables[0][0][1], "Gain\n(dBi)");
    EXPECT_NE(docx.parts.at("word/settings.xml").find("w:updateFields"), std::string::npos);
    std::size_t groupEntries = 0;  // the contents list the group headings
    for (auto* style : test::AllOf(docx.Body(), "w:pStyle")) groupEntries += std::string(style->Attribute("w:val")) == "TOC2";
    EXPECT_EQ(groupEntries, groups.size());
  }
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(WordReportsTest, PatternCollectionHoldsThePicturesAndNoTables) {
  ASSERT_TRUE(WritePatternCollection(doc, folders, Pictures(), outcome).ok());
  const std::string saved = folders.reportFolder + "Tarsel_Test_Report2.docx";
  EXPECT_EQ(outcome.written, (std::vector<std::string>{saved}));
  const test::DocxPackage docx(saved);
  ASSERT_TRUE(docx.ok);
  ExpectPictures(docx);
  EXPECT_TRUE(test::Tables(docx).empty());
}

// A template that cannot be copied or read shows its message and counts the report as failed.
TEST_F(WordReportsTest, TemplateFailuresAreShownAndCounted) {
  const std::string target = folders.reportFolder + "Antenna test report of ANTX65.docx";
  doc.configFolder = (dir.path() / "no config").string() + "/";
  EXPECT_FALSE(WriteStandardReport(doc, keys, folders, ReportLanguage::kEnglish, Pictures(), outcome).ok());
  EXPECT_FALSE(WritePatternCollection(doc, folders, Pictures(), outcome).ok());
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[0].text, "Data Export Error！");

  dir.Write("config/template/Tarsel Pemblor K30682914 Antenna Test Report.docx", "not a package");
  doc.configFolder = (dir.path() / "config").string() + "/";
  outcome = {};
  EXPECT_FALSE(WriteStandardReport(doc, keys, folders, ReportLanguage::kEnglish, Pictures(), outcome).ok());
  EXPECT_EQ(messages.shown.back().text, "Template Read Exception!");
  EXPECT_EQ(outcome.failed, (std::vector<std::string>{target}));
  EXPECT_FALSE(std::filesystem::exists(target));
}

TEST(ReportLanguage, ChineseWinsWhenBothAreChosen) {
  ExportChoices choices;
  choices.english = true;
  EXPECT_EQ(ChooseReportLanguage(choices), ReportLanguage::kEnglish);
  choices.chinese = true;
  EXPECT_EQ(ChooseReportLanguage(choices), ReportLanguage::kChinese);
  EXPECT_EQ(StandardReportTemplate("/c/", ReportLanguage::kChinese), "/c/template/中文标准报告模板.docx");
}

}  // namespace
}  // namespace lumaret::exports

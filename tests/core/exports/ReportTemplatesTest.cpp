#include <gtest/gtest.h>

#include <string>

#include "exports/CWordOperate.h"
#include "exports/ZipPackage.h"
#include "support/DocxInspect.h"

namespace lumaret::exports {
namespace {

// Every built template has the report layout the report functions fill in.
TEST(ReportTemplates, EachHasTheTitlePlaceholdersContentsHeadingsAndInsertionPoints) {
  const struct {
    const char* name;
    const char* heading;  // a heading in the template's language
  } templates[] = {
      {"中文标准报告模板.docx", "方向图测试数据"},
      {"Tarsel Pemblor K30682914 Antenna Test Report.docx", "Pattern Test Data"},
      {"TestReport02.docx", "Radiation Patterns"},
  };
  for (const auto& t : templates) {
    const std::string path = std::string(LUMARET_BUILT_CONFIG_DIR) + "template/" + t.name;
    const test::DocxPackage docx(path);
    ASSERT_TRUE(docx.ok) << path;
    const auto paragraphs = test::BodyParagraphs(docx);
    auto has = [&](const std::string& text) {
      return std::find(paragraphs.begin(), paragraphs.end(), text) != paragraphs.end();
    };
    EXPECT_TRUE(has("InsertPicture1Here")) << t.name;
    EXPECT_TRUE(has("InsertPicture3Here")) << t.name;
    EXPECT_TRUE(has(t.heading)) << t.name;
    const std::string& body = docx.parts.at("word/document.xml");
    for (const char* text : {"KQM572914", "30481259637702000046", "TOC \\o", "<w:pStyle w:val=\"Heading1\"/>"})
      EXPECT_NE(body.find(text), std::string::npos) << t.name << ": " << text;
    const std::string& styles = docx.parts.at("word/styles.xml");
    for (const char* text : {"w:styleId=\"Heading1\"", "w:styleId=\"Heading2\"", "w:styleId=\"ReportTable\"", "<w:insideH",
                             "WenQuanYi Micro Hei", "DejaVu Sans"})
      EXPECT_NE(styles.find(text), std::string::npos) << t.name << ": " << text;
    EXPECT_NE(docx.parts.at("word/settings.xml").find("<w:updateFields w:val=\"true\"/>"), std::string::npos) << t.name;
    EXPECT_NE(docx.parts.at("[Content_Types].xml").find("/word/document.xml"), std::string::npos) << t.name;
    CWordOperate word;
    EXPECT_TRUE(word.OpenDocument(path)) << word.LastError();
  }
}

}  // namespace
}  // namespace lumaret::exports

#include "exports/CWordOperate.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "support/DocxInspect.h"
#include "exports/ZipPackage.h"
#include "support/TempDir.h"

namespace lumaret::exports {
namespace {

using test::BodyParagraphs;
using test::DocxPackage;
using test::Tables;

constexpr const char* kDocument =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>"
    "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"><w:body>"
    "<w:p><w:r><w:t>Type KQM5</w:t></w:r><w:r><w:rPr><w:b/></w:rPr><w:t>729</w:t></w:r><w:r><w:t>14 and KQM572914</w:t></w:r></w:p>"
    "<w:p><w:r><w:t>Insert</w:t></w:r><w:r><w:t>Here</w:t></w:r></w:p>"
    "<w:p><w:r><w:t>End</w:t></w:r></w:p>"
    "<w:sectPr><w:pgSz w:w=\"11906\" w:h=\"16838\"/><w:pgMar w:left=\"1440\" w:right=\"1440\"/></w:sectPr>"
    "</w:body></w:document>";

class WordOperateTest : public ::testing::Test {
 protected:
  WordOperateTest() {
    const PackageParts parts = {
        {"[Content_Types].xml",
         "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
         "<Default Extension=\"xml\" ContentType=\"application/xml\"/></Types>"},
        {"word/_rels/document.xml.rels",
         "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
         "<Relationship Id=\"rId1\" Type=\"styles\" Target=\"styles.xml\"/></Relationships>"},
        {"word/settings.xml", "<w:settings xmlns:w=\"w\"><w:defaultTabStop w:val=\"420\"/></w:settings>"},
        {"word/document.xml", kDocument}};
    std::string reason;
    EXPECT_TRUE(WriteZipPackage(path, parts, reason)) << reason;
    EXPECT_TRUE(word.OpenDocument(path)) << word.LastError();
  }

  DocxPackage Saved() {
    EXPECT_TRUE(word.SaveAsDocument(saved)) << word.LastError();
    return DocxPackage(saved);
  }

  test::TempDir dir;
  std::string path = (dir.path() / "small.docx").string();
  std::string saved = (dir.path() / "saved.docx").string();
  CWordOperate word;
};

// Replacement works across runs; a placeholder alone in its paragraph becomes the
// insertion point, and text, paragraphs and styles go there.
TEST_F(WordOperateTest, ReplacesAcrossRunsAndInsertsWhereThePlaceholderWas) {
  EXPECT_TRUE(word.FindAndReplace("KQM572914", "ANTX65", kReplaceAll));
  EXPECT_FALSE(word.FindAndReplace("KQM572914", "again", kReplaceAll));
  EXPECT_TRUE(word.FindAndReplace("InsertHere", "", kReplaceOne));
  EXPECT_TRUE(word.SetParagraphStyle("Heading2"));
  EXPECT_TRUE(word.InsertText("Caption"));
  EXPECT_TRUE(word.InsertParagraph(2));
  EXPECT_TRUE(word.InsertText("line 1\nline 2"));
  const DocxPackage docx = Saved();
  ASSERT_TRUE(docx.ok);
  EXPECT_EQ(BodyParagraphs(docx),
            (std::vector<std::string>{"Type ANTX65 and ANTX65", "Caption", "", "line 1\nline 2", "End"}));
  EXPECT_EQ(test::AllOf(docx.Body(), "w:pStyle").size(), 1u);
  EXPECT_EQ(test::AllOf(docx.Body(), "w:b").size(), 1u);  // the run formatting is kept
}

// Cells are filled in row order; red holds for one cell only; moving on from the last
// cell leaves the table for the paragraph after it.
TEST_F(WordOperateTest, FillsATableCellByCellWithRedCells) {
  ASSERT_TRUE(word.FindAndReplace("InsertHere", "", kReplaceOne));
  ASSERT_TRUE(word.InsertTable(3, 2));
  const char* texts[] = {"Frequency\n(MHz)", "Gain", "1710", "-", "1940", "17.50"};
  for (const char* text : texts) {
    if (std::string(text) == "-") {
      EXPECT_TRUE(word.SetFontColor(kColorRed));
    }
    EXPECT_TRUE(word.InsertText(text));
    EXPECT_TRUE(word.SetFocusCol(1, 1));
  }
  EXPECT_FALSE(word.SetFocusCol(1, 1));  // no longer in a table
  EXPECT_TRUE(word.InsertText("after"));
  EXPECT_FALSE(word.SetFontColor(7));
  EXPECT_FALSE(word.InsertTable(0, 2));
  const DocxPackage docx = Saved();
  const auto tables = Tables(docx);
  ASSERT_EQ(tables.size(), 1u);
  EXPECT_EQ(tables[0], (std::vector<std::vector<std::string>>{
                           {"Frequency\n(MHz)", "Gain"}, {"1710", "-/red"}, {"1940", "17.50"}}));
  EXPECT_EQ(BodyParagraphs(docx), (std::vector<std::string>{"Type KQM572914 and KQM572914", "after", "End"}));
  const auto* table = docx.Body()->FirstChildElement("w:tbl");
  ASSERT_NE(table, nullptr);
  EXPECT_STREQ(table->FirstChildElement("w:tblPr")->FirstChildElement("w:tblStyle")->Attribute("w:val"), "ReportTable");
}

// A picture becomes a media part with its relationship and content type, drawn inline at
// its pixel size scaled to the text width.
TEST_F(WordOperateTest, EmbedsPicturesAsMediaPartsScaledToTheTextWidth) {
  EXPECT_TRUE(word.InsertPictureData(test::PngHeader(200, 100)));
  EXPECT_TRUE(word.InsertPictureData(test::PngHeader(2000, 500)));
  EXPECT_FALSE(word.InsertPictureData("BM not a png"));
  EXPECT_FALSE(word.InsertPicture((dir.path() / "missing.png").string()));
  const DocxPackage docx = Saved();
  ASSERT_TRUE(docx.parts.count("word/media/image1.png"));
  ASSERT_TRUE(docx.parts.count("word/media/image2.png"));
  EXPECT_NE(docx.parts.at("[Content_Types].xml").find("Extension=\"png\" ContentType=\"image/png\""), std::string::npos);
  const std::string& rels = docx.parts.at("word/_rels/document.xml.rels");
  EXPECT_NE(rels.find("Id=\"rId2\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/image\" "
                      "Target=\"media/image1.png\""),
            std::string::npos);
  EXPECT_NE(rels.find("Id=\"rId3\""), std::string::npos);
  const auto extents = test::AllOf(docx.Body(), "wp:extent");
  ASSERT_EQ(extents.size(), 2u);
  EXPECT_EQ(extents[0]->Int64Attribute("cx"), 200 * 9525);
  EXPECT_EQ(extents[0]->Int64Attribute("cy"), 100 * 9525);
  const long width = (11906 - 2 * 1440) * 635L;
  EXPECT_EQ(extents[1]->Int64Attribute("cx"), width);
  EXPECT_EQ(extents[1]->Int64Attribute("cy"), width / 4);
  const auto blips = test::AllOf(docx.Body(), "a:blip");
  ASSERT_EQ(blips.size(), 2u);
  EXPECT_STREQ(blips[1]->Attribute("r:embed"), "rId3");
  EXPECT_NE(docx.document.RootElement()->Attribute("xmlns:r"), nullptr);
}

// Save as switches the document's path; save writes there again; the saved package reads back.
TEST_F(WordOperateTest, SavesUnderANewNameSavesInPlaceAndReopens) {
  EXPECT_TRUE(word.UpdateContents());
  ASSERT_TRUE(word.SaveAsDocument(saved));
  EXPECT_TRUE(word.InsertText(" more"));
  EXPECT_TRUE(word.SaveDocument());
  word.CloseDocument();
  EXPECT_FALSE(word.InsertText("closed"));
  EXPECT_EQ(BodyParagraphs(DocxPackage(path))[2], "End");  // the original is untouched
  ASSERT_TRUE(word.OpenDocument(saved)) << word.LastError();
  EXPECT_TRUE(word.FindAndReplace("End more", "Reopened", kReplaceOne));
  const DocxPackage docx = Saved();
  EXPECT_EQ(BodyParagraphs(docx)[2], "Reopened");
  EXPECT_NE(docx.parts.at("word/settings.xml").find("<w:updateFields w:val=\"true\"/>"), std::string::npos);
}

// The contents list the headings once however often they are refreshed.
TEST(WordOperateContents, ListsTheHeadings) {
  test::TempDir dir;
  const std::string saved = (dir.path() / "contents.docx").string();
  CWordOperate word;
  ASSERT_TRUE(word.OpenDocument(std::string(LUMARET_BUILT_CONFIG_DIR) + "template/TestReport02.docx"));
  ASSERT_TRUE(word.FindAndReplace("InsertPicture3Here", "", kReplaceAll));
  EXPECT_TRUE(word.SetParagraphStyle("Heading2"));
  EXPECT_TRUE(word.InsertText("Port 1"));
  EXPECT_TRUE(word.UpdateContents());
  EXPECT_TRUE(word.UpdateContents());
  ASSERT_TRUE(word.SaveAsDocument(saved));
  const DocxPackage docx(saved);
  std::vector<std::string> entries;
  for (auto* style : test::AllOf(docx.Body(), "w:pStyle"))
    if (const std::string id = style->Attribute("w:val"); id == "TOC1" || id == "TOC2") entries.push_back(id);
  EXPECT_EQ(entries, (std::vector<std::string>{"TOC1", "TOC1", "TOC2"}));
  std::map<std::string, int> fieldChars;
  for (auto* c : test::AllOf(docx.Body(), "w:fldChar")) ++fieldChars[c->Attribute("w:fldCharType")];
  EXPECT_EQ(fieldChars, (std::map<std::string, int>{{"begin", 1}, {"separate", 1}, {"end", 1}}));
}

// Damaged packages are refused with a reason, never a crash; a failed save keeps the file.
TEST_F(WordOperateTest, RefusesDamagedPackages) {
  const struct {
    const char* name;
    PackageParts parts;
  } cases[] = {
      {"no document part", {{"word/settings.xml", "<w:settings/>"}}},
      {"broken XML", {{"word/document.xml", "<w:document><w:body><w:p></w:document>"}}},
      {"no body", {{"word/document.xml", "<w:document/>"}}},
  };
  for (const auto& c : cases) {
    const std::string bad = (dir.path() / "bad.docx").string();
    std::string reason;
    ASSERT_TRUE(WriteZipPackage(bad, c.parts, reason));
    EXPECT_FALSE(word.OpenDocument(bad)) << c.name;
    EXPECT_FALSE(word.LastError().empty()) << c.name;
  }
  EXPECT_FALSE(word.OpenDocument(dir.Write("garbage.docx", "PK\x03\x04 truncated")));
  EXPECT_FALSE(word.UpdateContents());  // nothing open

  ASSERT_TRUE(word.OpenDocument(path));
  EXPECT_FALSE(word.SaveAsDocument((dir.path() / "no such folder" / "x.docx").string()));
  EXPECT_FALSE(word.LastError().empty());
}

}  // namespace
}  // namespace lumaret::exports

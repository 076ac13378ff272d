#include "exports/AntennaXmlWriter.h"

#include <gtest/gtest.h>
#include <tinyxml2.h>

#include <filesystem>

#include "core/exports/WriterFixture.h"
#include "exports/OutputFile.h"
#include "exports/PatternHeaders.h"
#include "exports/PlnWriter.h"

namespace lumaret::exports {
namespace {

namespace fs = std::filesystem;
using test::WriterFixture;

// A PLN text as the PLN writer forms it, with two points per section; the first
// horizontal value carries `tag` so that records can be told apart.
std::string PlnText(const std::string& baseName, double tag) {
  return "FILENAME\t" + baseName + "\r\nMAKE\t TARSEL PEMBLOR\r\nFREQUENCY\t900 \r\nH_WIDTH 65.20 \r\n" +
         "V_WIDTH 7.10 \r\nFRONT_TO_BACK\t28.40 \r\nGAIN\t15.35 dBd\r\nTILT\tELECTRICAL\r\nHORIZONTAL 360\r\n" +
         Format("0.00 %0.2f\r\n", tag) + "1.00 0.50\r\nVERTICAL 360\r\n0.00 0.75\r\n1.00 0.25\r\n";
}

class AntennaXmlWriterTest : public WriterFixture {
 protected:
  std::string plnFolder() const { return (dir.path() / "run900" / "PLN").string(); }
  void AddPln(const std::string& baseName, double tag = 0) {
    dir.Write("run900/PLN/" + baseName + ".pln", PlnText(baseName, tag));
  }
  std::vector<std::string> Collected(const std::string& polarization, const std::string& frequency,
                                     const std::string& port) {
    std::vector<PlnRecord> records;
    Collect(plnFolder(), polarization, frequency, port, context, messages, records);
    std::vector<std::string> names;
    for (const PlnRecord& r : records) names.push_back(r.fileName);
    return names;
  }
};

TEST_F(AntennaXmlWriterTest, ParsesEveryPlnField) {
  const PlnRecord r = ParsePlnText(PlnText("A_0900_X_CO_P45_02T", 0.25));
  EXPECT_EQ(r.make, " TARSEL PEMBLOR");  // every text field as written, blanks included
  EXPECT_EQ(r.frequency, "900 ");
  ASSERT_EQ(r.horizontal.size(), 2u);
  EXPECT_FLOAT_EQ(r.horizontal[0].fMag, 0.25f);
  ASSERT_EQ(r.vertical.size(), 2u);
  EXPECT_FLOAT_EQ(r.vertical[1].fMag, 0.25f);
  EXPECT_EQ(ParsePlnText("FILENAME\tX\r\nMAKE\r\n").make, "NULL");
}

TEST_F(AntennaXmlWriterTest, CollectVisitsFilesInByteOrder) {
  for (const char* name : {"B_0900_X_CO_P45_02T", "A_0900_X_CO_P45_10T", "A_0900_X_CO_P45_02T", "a_0900_X_CO_P45_02T"})
    AddPln(name);
  EXPECT_EQ(Collected("P45", "900", "_"), (std::vector<std::string>{"A_0900_X_CO_P45_02T", "A_0900_X_CO_P45_10T",
                                                                     "B_0900_X_CO_P45_02T", "a_0900_X_CO_P45_02T"}));
  EXPECT_EQ(context.xmlPath, (dir.path() / "run900" / "XML").string() + "/a_0900_X_CO_P45_02T.pln.xml");
}

// "900" must not pick up the 1900 MHz files, even in a folder whose name holds "900".
TEST_F(AntennaXmlWriterTest, CollectMatchesTheFrequencyCodeExactly) {
  AddPln("A_1900_X_CO_P45_02T");
  AddPln("A_0900_X_CO_P45_02T");
  AddPln("A_0900_X_CO_M45_02T");
  EXPECT_EQ(Collected("P45", "900", "_"), std::vector<std::string>{"A_0900_X_CO_P45_02T"});
  EXPECT_EQ(Collected("P45", "1900", "_"), std::vector<std::string>{"A_1900_X_CO_P45_02T"});
  EXPECT_EQ(Collected("M45", "900", "_"), std::vector<std::string>{"A_0900_X_CO_M45_02T"});
  EXPECT_TRUE(Collected("P45", "90", "_").empty());
}

// Port names are lower-cased by the pattern information and upper-cased in PLN names;
// "R1" must not match the R10 file.
TEST_F(AntennaXmlWriterTest, CollectMatchesThePortEndingTheNameWithoutRegardToCase) {
  AddPln("A_0900_X_CO_P45_02TR1");
  AddPln("A_0900_X_CO_P45_02TR10");
  AddPln("A_0900_X_CO_P45_AR1");
  AddPln("A_0900_X_CO_P45_R1");
  EXPECT_EQ(Collected("P45", "900", "r1"), (std::vector<std::string>{"A_0900_X_CO_P45_02TR1", "A_0900_X_CO_P45_R1"}));
  EXPECT_EQ(Collected("P45", "900", "r10"), std::vector<std::string>{"A_0900_X_CO_P45_02TR10"});
}

TEST_F(AntennaXmlWriterTest, XmlNameTakesTheFirst24CharactersWithTheSlash) {
  EXPECT_EQ(XmlPathFor("/o/XML", "ANTX65_1710_X_CO_P45_02T.pln"), "/o/XML/ANTX65_1710_X_CO_P45_02.xml");
  EXPECT_EQ(XmlPathFor("/o/XML", "A_0900_X_CO_P45.pln"), "/o/XML/A_0900_X_CO_P45.pln.xml");
  EXPECT_EQ(XmlFolderOf("/data/PLNruns/PLN"), "/data/PLNruns/XML");
}

TEST_F(AntennaXmlWriterTest, WritesTheDocumentStructure) {
  const std::vector<PlnRecord> records = {ParsePlnText(PlnText("ANTX65_0900_X_CO_P45_02T", 0)),
                                          ParsePlnText(PlnText("ANTX65_0900_X_CO_P45_10T", 1.5))};
  const std::string path = (dir.path() / "a.xml").string();
  ASSERT_TRUE(WriteXml(path, records, messages, context.outcome));
  EXPECT_EQ(Read("a.xml").rfind("<?xml version=\"1.0\"?>", 0), 0u);

  tinyxml2::XMLDocument xml;
  ASSERT_EQ(xml.LoadFile(path.c_str()), tinyxml2::XML_SUCCESS);
  const tinyxml2::XMLElement* list = xml.FirstChildElement("ANTENNA-LIST");
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->IntAttribute("ENTERPRISE-XML-VERSION"), 3);
  const tinyxml2::XMLElement* antenna = list->FirstChildElement("ANTENNA");
  EXPECT_STREQ(antenna->Attribute("ID"), "ANTX65_0900_X");
  EXPECT_STREQ(antenna->FirstChildElement("NUM-PATTERNS-RO")->GetText(), "2");
  EXPECT_STREQ(antenna->FirstChildElement("MANUFACTURER")->GetText(), " TARSEL PEMBLOR");
  EXPECT_STREQ(antenna->FirstChildElement("FOLDER-PATH")->GetText(), "All Projects\\");
  EXPECT_EQ(antenna->FirstChildElement("PHOTO-FILE")->GetText(), nullptr);
  const tinyxml2::XMLElement* beam = antenna->FirstChildElement("BEAM-PATTERN-LIST")->FirstChildElement();
  EXPECT_STREQ(beam->Attribute("UNIQUE-ID"), " TARSEL PEMBLORANTX65_0900_X_CO_P45_02T");
  EXPECT_STREQ(beam->Attribute("UNIQUE-ID-MODE"), "AUTOMATIC");
  const std::pair<const char*, const char*> children[] = {
      {"DESCRIPTION", "ANTX65_0900_X_CO_P45_02T"}, {"ELEC-TILT", "_C"}, {"El-ARR-INDEX", "0"},
      {"ELEC-BEAM-ADJ", "1"}, {"HORIZONTAL-BW", "65.20 "}, {"GAIN", "15.35"}, {"GAIN-TYPE", " dBd"},
      {"FREQUENCY", "900 "}, {"TILE-TYPE", "ELECTRICAL"}, {"FRONT-TO-BACK", "28.40 "},
      {"CROSS-POLOR-DISC", "0.000000"}, {"POLARISATION", "CROSSPOLAR"}};
  for (const auto& [name, text] : children) {
    ASSERT_NE(beam->FirstChildElement(name), nullptr) << name;
    EXPECT_STREQ(beam->FirstChildElement(name)->GetText(), text) << name;
  }
  EXPECT_STREQ(beam->FirstChildElement("H-MASK-LIST")->FirstChildElement("M")->GetText(), "0.00,0.00");
  EXPECT_STREQ(beam->NextSiblingElement()->FirstChildElement("H-MASK-LIST")->FirstChildElement("M")->GetText(),
               "0.00,1.50");
}

TEST_F(AntennaXmlWriterTest, UncreatableXmlFileIsReportedWithPath) {
  const std::vector<PlnRecord> records = {ParsePlnText(PlnText("A_0900_X_CO_P45_02T", 0))};
  const std::string path = (dir.path() / "no" / "a.xml").string();
  EXPECT_FALSE(WriteXml(path, records, messages, context.outcome));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Failed to create XML file: " + path + " (No such file or directory)");
  EXPECT_EQ(context.outcome.failed, std::vector<std::string>{path});
}

TEST_F(AntennaXmlWriterTest, MultiPortNameCutBeforeItsPortGetsThePortAdded) {
  // Regression: the 24-character cut removed the port, so the port test refused every
  // multi-port document of an ordinary model name and none was written.
  context.info.antennaType = "Multi-port";
  context.info.portTable = {{"P1", "r1"}, {"P2", "r10"}};
  doc.patterns.clear();
  AddPair("P1", "p45", "2", "900");
  AddPair("P2", "p45", "2", "900");
  ExportXmlFiles(doc, context);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_TRUE(context.outcome.failed.empty());
  EXPECT_TRUE(fs::exists(dir.path() / "XML" / "ANT1X_0900_X_CO_P45_02T_r1.xml"));
  EXPECT_TRUE(fs::exists(dir.path() / "XML" / "ANT1X_0900_X_CO_P45_02T_r10.xml"));
  // A short model name keeps the port inside the first 24 characters.
  doc.patterns.clear();
  AddPair("P1", "p45", "2", "900");
  AddPair("P2", "p45", "2", "900");
  for (auto& [key, record] : doc.patterns) record.nameFields[kFieldModel] = "a";
  ExportXmlFiles(doc, context);
  EXPECT_TRUE(fs::exists(dir.path() / "XML" / "A_0900_X_CO_P45_02TR1.p.xml"));
  EXPECT_TRUE(fs::exists(dir.path() / "XML" / "A_0900_X_CO_P45_02TR10..xml"));
  EXPECT_EQ(XmlPathFor("/o/XML", "ANTX65_1710_X_CO_P45_04TR1.pln", "r1"), "/o/XML/ANTX65_1710_X_CO_P45_04_r1.xml");
  EXPECT_EQ(XmlPathFor("/o/XML", "A_0900_X_CO_P45_02TR1.pln", "r1"), "/o/XML/A_0900_X_CO_P45_02TR1.p.xml");
}

}  // namespace
}  // namespace lumaret::exports

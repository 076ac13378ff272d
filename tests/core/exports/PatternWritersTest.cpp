#include <gtest/gtest.h>

#include <filesystem>

#include "exports/MsiWriter.h"
#include "exports/PatternHeaders.h"
#include "exports/PlnWriter.h"
#include "exports/TmvMsiWriter.h"
#include "exports/TxtWriter.h"
#include "core/exports/WriterFixture.h"

namespace lumaret::exports {
namespace {

namespace fs = std::filesystem;
using test::WriterFixture;

class PatternWritersTest : public WriterFixture {
 protected:
  PatternWritersTest() {
    context.info.gainUnit = "dBd";
    context.info.tiltMethod = "Electrical";
    context.info.portTable = {{"P1", "r1"}};
  }

  // The first n lines of a written file, each with its CRLF.
  std::string Head(const std::string& relative, std::size_t n) const {
    const std::string text = Read(relative);
    std::size_t end = 0;
    for (std::size_t i = 0; i < n && end != std::string::npos; ++i) end = text.find("\r\n", end) + 2;
    return text.substr(0, end);
  }
};

TEST_F(PatternWritersTest, MsiHeaderAndName) {
  AddPair("P1", "P45", "2", "900");
  ExportMsiFiles(doc, context);
  EXPECT_EQ(Head("MSI/ANT1X_0900_X_CO_P45_02TR1.msi", 6),
            "NAME ANT1X_0900_X_CO_P45_02TR1\r\n"
            "FREQUENCY 0900\r\n"
            "GAIN 15.35  dBd\r\n"
            "TILT\tELECTRICAL\r\n"
            "COMMENT DATE 06.12.2026 90 degrees polarized system Lever position 02t deg\r\n"
            "HORIZONTAL 360\r\n");
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(PatternWritersTest, TmvMsiHeaderNameAndUpperCasing) {
  data::PatternFile& h = AddPair("P1", "p45", "2", "900a");
  ExportTmvMsiFiles(doc, context);
  EXPECT_EQ(h.nameFields[kFieldFrequency], "900a") << "the writer leaves the records as they are";
  ApplyTmvMsiNameTexts(doc);
  EXPECT_EQ(Head("TMVMSI/ANT1X_900AR1_P45_02ET.msi", 7),
            "NAME ANT1X_900AR1_P45_02ET\r\n"
            "FREQUENCY 900A\r\n"
            "GAIN 17.50  dBd\r\n"  // the stored dBi value, whatever the unit
            "TILT ELECTRICAL\r\n"
            "POLARIZATION POL_X\r\n"
            "COMMENT DATE 06.12.2026 +45 degrees polarized system Lever position 2 deg\r\n"
            "HORIZONTAL 360\r\n");
  // Later writers see the texts changed for the TMVMSI writer.
  EXPECT_EQ(h.nameFields[kFieldModel], "ANT1X");
  EXPECT_EQ(h.nameFields[kFieldFrequency], "900A");
  EXPECT_EQ(h.nameFields[kFieldPortExtension], "p1");
}

TEST_F(PatternWritersTest, TmvMsiMinus45AndMechanicalTilt) {
  context.info.tiltMethod = "Mechanical";
  context.info.gainUnit = "dBi";
  AddPair("P2", "m45", "12", "1710");
  ExportTmvMsiFiles(doc, context);
  EXPECT_EQ(Head("TMVMSI/ANT1X_1710_N45_12FT.msi", 7),
            "NAME ANT1X_1710_N45_12FT\r\n"
            "FREQUENCY 1710\r\n"
            "GAIN 17.50  dBi\r\n"
            "TILT MACHANICAL\r\n"
            "POLARIZATION POL_X\r\n"
            "COMMENT DATE 06.12.2026 -45 degrees polarized system Lever position 12 deg\r\n"
            "HORIZONTAL 360\r\n");
}

TEST_F(PatternWritersTest, PlnAndTxtHeaderAndName) {
  AddPair("P1", "P45", "2", "900");
  ExportPlnFiles(doc, context);
  ExportTxtFiles(doc, context);
  const std::string expected =
      "FILENAME\tANT1X_0900_X_CO_P45_02TR1\r\n"
      "MAKE\t TARSEL PEMBLOR\r\n"
      "FREQUENCY\t900 \r\n"
      "H_WIDTH 65.20 \r\n"
      "V_WIDTH 7.10 \r\n"
      "FRONT_TO_BACK\t28.40 \r\n"
      "GAIN\t15.35 dBd\r\n"
      "TILT\tELECTRICAL\r\n"
      "HORIZONTAL 360\r\n";
  EXPECT_EQ(Head("PLN/ANT1X_0900_X_CO_P45_02TR1.pln", 9), expected);
  EXPECT_EQ(Read("TXT/ANT1X_0900_X_CO_P45_02TR1.txt"), Read("PLN/ANT1X_0900_X_CO_P45_02TR1.pln"));
  EXPECT_EQ(context.plnFolder, context.exportFolder + "PLN");
}

TEST_F(PatternWritersTest, HeaderLinesByUnitMethodAndDialect) {
  EXPECT_EQ(GainLine(17.5f, "dBi", HeaderDialect::Msi), "GAIN 17.50  dBi\r\n");
  EXPECT_EQ(GainLine(17.5f, "dBd", HeaderDialect::Pln), "GAIN\t15.35 dBd\r\n");
  EXPECT_EQ(GainLine(17.5f, "dBd", HeaderDialect::TmvMsi), "GAIN 17.50  dBd\r\n");
  EXPECT_EQ(TiltLine("None", HeaderDialect::Msi), "TILT\r\n");
  EXPECT_EQ(TiltLine("None", HeaderDialect::TmvMsi), "TILT\r\n");
  EXPECT_EQ(TiltLine("Mechanical", HeaderDialect::Pln), "TILT\tMACHANICAL\r\n");
  EXPECT_EQ(CommentLine({1, 2, 33}, "", "5"), "COMMENT DATE 01.02.0033  system Lever position 5 deg\r\n");
}

TEST_F(PatternWritersTest, DataSectionsFollowTheHeader) {
  AddPair("P1", "p45", "2", "900");
  ExportMsiFiles(doc, context);
  const std::vector<std::string> lines = test::CrlfLines(Read("MSI/ANT1X_0900_X_CO_P45_02TR1.msi"));
  ASSERT_EQ(lines.size(), 6u + 360u + 1u + 360u);
  EXPECT_EQ(lines[6], "0.00 0.00");
  EXPECT_EQ(lines[6 + 270], "270.00 9.00");  // stored -90, level -9
  EXPECT_EQ(lines[366], "VERTICAL 360");
  EXPECT_EQ(lines[367], "0.00 0.75");        // vertical peak at 3 degrees
  EXPECT_EQ(lines[367 + 3], "3.00 0.00");
}

TEST_F(PatternWritersTest, OnlyHorizontalCoPolarCutsWithAPartnerAreWritten) {
  AddPair("P1", "p45", "2", "900");
  Add("P2_m45_h_co_2_0_900.cm", test::SampledCut(-179, 180, 1, HorizontalLevel));  // no partner
  Add("P1_p45_h_cr_2_0_900.cm", test::SampledCut(-179, 180, 1, HorizontalLevel));
  Add("P1_p45_e_cr_2_0_900.cm", test::SampledCut(-179, 180, 1, VerticalLevel));
  ExportMsiFiles(doc, context);
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir.path() / "MSI")) names.push_back(entry.path().filename());
  EXPECT_EQ(names, std::vector<std::string>{"ANT1X_0900_X_CO_P45_02TR1.msi"});
}

TEST_F(PatternWritersTest, OnlyVerticalCutsCreateAnEmptyFolder) {
  Add("P1_p45_e_co_2_0_900.cm", test::SampledCut(-179, 180, 1, VerticalLevel));
  ExportPlnFiles(doc, context);
  EXPECT_TRUE(fs::is_directory(dir.path() / "PLN"));
  EXPECT_TRUE(fs::is_empty(dir.path() / "PLN"));
  EXPECT_TRUE(context.exportedFrequencies.empty());
}

// "900" is a frequency of its own even when "1900" is listed before it.
TEST_F(PatternWritersTest, ExportedFrequenciesSkipOnlyEqualEntries) {
  AddPair("P1", "p45", "2", "1900");
  AddPair("P2", "p45", "2", "900");
  AddPair("P3", "p45", "2", "900");
  ExportPlnFiles(doc, context);
  ExportTxtFiles(doc, context);
  EXPECT_EQ(context.exportedFrequencies, (std::vector<std::string>{"1900", "900"}));
}

TEST_F(PatternWritersTest, AFileThatCannotBeCreatedIsReportedAndTheExportGoesOn) {
  context.info.portTable = {{"P1", "r1"}, {"P2", "r2"}};
  AddPair("P1", "p45", "2", "900");
  AddPair("P2", "p45", "2", "900");
  // A folder in the place of the first file makes its creation fail.
  const fs::path blocked = dir.path() / "MSI" / "ANT1X_0900_X_CO_P45_02TR1.msi";
  fs::create_directories(blocked);
  ExportMsiFiles(doc, context);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_NE(messages.shown[0].text.find(blocked.string()), std::string::npos) << messages.shown[0].text;
  EXPECT_NE(messages.shown[0].text.find("Is a directory"), std::string::npos) << messages.shown[0].text;
  EXPECT_EQ(context.outcome.failed, std::vector<std::string>{blocked.string()});
  EXPECT_FALSE(Read("MSI/ANT1X_0900_X_CO_P45_02TR2.msi").empty());
  EXPECT_EQ(context.outcome.written.size(), 1u);
}

TEST_F(PatternWritersTest, AnUnwritableOutputFolderIsReportedAndLaterWritersRun) {
  AddPair("P1", "p45", "2", "900");
  std::ofstream(dir.path() / "MSI") << "a file where the folder should be";
  ExportMsiFiles(doc, context);
  ExportPlnFiles(doc, context);
  ASSERT_GE(messages.shown.size(), 2u);
  EXPECT_NE(messages.shown[0].text.find(context.exportFolder + "MSI"), std::string::npos);
  EXPECT_EQ(context.outcome.failed.size(), 1u);
  EXPECT_EQ(context.outcome.written,
            std::vector<std::string>{context.exportFolder + "PLN/ANT1X_0900_X_CO_P45_02TR1.pln"});
}

TEST_F(PatternWritersTest, ACutWithoutPointsIsReportedNotWritten) {
  AddPair("P1", "p45", "2", "900");
  doc.patterns.begin()->second.points.clear();  // the "_e_" cut sorts first
  ExportMsiFiles(doc, context);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_NE(messages.shown[0].text.find("no points"), std::string::npos);
  EXPECT_TRUE(context.outcome.written.empty());
  EXPECT_FALSE(fs::exists(dir.path() / "MSI" / "ANT1X_0900_X_CO_P45_02TR1.msi"));
}

}  // namespace
}  // namespace lumaret::exports

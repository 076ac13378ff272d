#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "data/PatternFileReader.h"
#include "exports/ExactDataWriter.h"
#include "exports/MsiWriter.h"
#include "exports/NameCodes.h"
#include "exports/PatternHeaders.h"
#include "exports/PlnWriter.h"
#include "exports/TmvMsiWriter.h"
#include "exports/TxtWriter.h"
#include "core/exports/WriterFixture.h"
#include "session/CTessalyUnitDoc.h"

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

TEST_F(PatternWritersTest, ACutWithoutPointsIsReportedNotWritten) {
  AddPair("P1", "p45", "2", "900");
  doc.patterns.begin()->second.points.clear();  // the "_e_" cut sorts first
  ExportMsiFiles(doc, context);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_NE(messages.shown[0].text.find("no points"), std::string::npos);
  EXPECT_TRUE(context.outcome.written.empty());
  EXPECT_FALSE(fs::exists(dir.path() / "MSI" / "ANT1X_0900_X_CO_P45_02TR1.msi"));
}

TEST_F(PatternWritersTest, ExactDataWritesEveryPointAsStored) {
  data::PatternFile& f = Add("P1_p45_h_co_2_0_900.cm", test::CutFromPairs({{-0.5f, -3.25f}, {180.0f, 0.0f}, {12.126f, -1}}));
  f.line2Value = 18.456f;
  const std::string out = (dir.path() / "x.cm").string();
  EXPECT_TRUE(SaveExactData(doc, f.key, out));
  EXPECT_EQ(Read("x.cm"),
            "TARSEL Chamber Exact Data\r\n"
            "Directivity(dBi) 18.46\r\n"
            "3\r\n"
            "-0.50 -3.25\r\n"
            "180.00 0.00\r\n"
            "12.13 -1.00\r\n");
}

TEST_F(PatternWritersTest, ExactDataFailuresAreReportedWithPathAndReason) {
  data::PatternFile& f = Add("P1_p45_h_co_2_0_900.cm", test::CutFromPairs({{0, 0}}));
  const std::string out = (dir.path() / "missing" / "x.cm").string();
  EXPECT_EQ(SaveExactData(doc, f.key, out).code, data::FailureCode::kCannotWrite);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Failed to save the file: " + out + " (No such file or directory)");
  WriteOutcome outcome;
  EXPECT_FALSE(SaveAllAsExactData(doc, "", outcome));
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[1].text, "Configured path can not be empty！");
  EXPECT_TRUE(outcome.written.empty());
}

TEST_F(PatternWritersTest, ExactDataSaveAsWalkUsesThePathTextAsTypedAndGoesOn) {
  Add("P1_p45_h_co_2_0_900.cm", test::CutFromPairs({{0, 0}}));
  Add("P1_p45_e_co_2_0_900.cm", test::CutFromPairs({{1, -1}}));
  fs::create_directories(dir.path() / "out" / "P1_p45_e_co_2_0_900.cm");  // blocks the first file
  WriteOutcome outcome;
  EXPECT_TRUE(SaveAllAsExactData(doc, (dir.path() / "out").string() + "/", outcome));
  EXPECT_EQ(outcome.failed.size(), 1u);
  EXPECT_EQ(outcome.written, std::vector<std::string>{(dir.path() / "out" / "P1_p45_h_co_2_0_900.cm").string()});
  EXPECT_EQ(messages.shown.size(), 1u);

  // A text that is no folder is a name prefix, appended to directly.
  WriteOutcome typed;
  EXPECT_TRUE(SaveAllAsExactData(doc, (dir.path() / "pre-").string(), typed));
  EXPECT_TRUE(fs::exists(dir.path() / "pre-P1_p45_h_co_2_0_900.cm"));

  // An existing folder typed without its separator gets one before the file names.
  WriteOutcome folder;
  EXPECT_TRUE(SaveAllAsExactData(doc, (dir.path() / "out").string(), folder));
  EXPECT_FALSE(fs::exists(dir.path() / "outP1_p45_h_co_2_0_900.cm"));
  const std::string out = (dir.path() / "out").string();
  EXPECT_EQ(SaveAsPrefix(out), out + "/");
  EXPECT_EQ(SaveAsPrefix(out + "\\"), out + "\\");
}

class MsiRoundTripTest : public WriterFixture {
 protected:
  // The stored level of the cut at an integer angle in (-180, 180].
  static float LevelAt(const data::PointSequence& cut, float angle) {
    for (const data::PatternPoint& p : cut)
      if (p.fDeg == angle) return p.fMag;
    ADD_FAILURE() << "no sample at " << angle;
    return 0;
  }

  // Every point of the read cut equals the written cut's level below its peak, to the
  // two decimals the file holds; angles come back as 0..180, -179..-1.
  static void ExpectSameCut(const data::PointSequence& read, std::size_t first, const data::PointSequence& written,
                            float peak) {
    for (int i = 0; i < 360; ++i) {
      const data::PatternPoint& p = read[first + static_cast<std::size_t>(i)];
      const float expectedAngle = i > 180 ? static_cast<float>(i - 360) : static_cast<float>(i);
      ASSERT_EQ(p.fDeg, expectedAngle) << "point " << i;
      EXPECT_NEAR(p.fMag, LevelAt(written, expectedAngle) - peak, 0.0051) << "angle " << expectedAngle;
    }
  }
};

TEST_F(MsiRoundTripTest, ReaderGetsBackBothCutsBelowThePeak) {
  // Asymmetric cuts and peaks above 0 dB so that a sign or direction error shows.
  data::PatternFile& h = AddPair("P1", "p45", "2", "1710");
  data::PatternFile& v = doc.patterns.begin()->second;
  for (data::PatternPoint& p : h.points) p.fMag = static_cast<float>(1.5 - std::fabs(p.fDeg - 20) / 7.0);
  for (data::PatternPoint& p : v.points) p.fMag = static_cast<float>(0.25 - std::fabs(p.fDeg + 8) / 3.0);
  h.result.hpeak = {20.0f, 1.5f};
  v.result.vmax = {-8.0f, 0.25f};
  ExportMsiFiles(doc, context);

  data::RecordingMessages readMessages;
  session::CTessalyUnitDoc readBack(readMessages);
  const std::string path = (dir.path() / "MSI" / "ANT1X_1710_X_CO_P45_02T.msi").string();
  ASSERT_TRUE(data::ReadPatternFile(readBack, path));
  const data::PatternFile* record = readBack.Find(data::ToKey(path));
  ASSERT_NE(record, nullptr);
  ASSERT_EQ(record->points.size(), 720u);
  EXPECT_FLOAT_EQ(record->line2Value, 1710.0f);
  EXPECT_NEAR(record->result.gain, 17.5f, 1e-4);
  ExpectSameCut(record->points, 0, h.points, 1.5f);
  ExpectSameCut(record->points, 360, v.points, 0.25f);
}

TEST(NameCodesTest, FrequencyCodeGainsOneZeroBelowFourCharacters) {
  const std::pair<const char*, const char*> cases[] = {
      {"900", "0900"}, {"90", "090"}, {"1710", "1710"}, {"12345", "12345"}, {"", "0"}};
  for (const auto& [frequency, code] : cases) EXPECT_EQ(FrequencyCode(frequency), code) << frequency;
}

TEST(NameCodesTest, TiltCodesByLengthAndMethod) {
  struct Case {
    const char* tilt;
    const char* method;
    const char* code;
    const char* tmvCode;
  };
  const Case cases[] = {
      {"2", "None", "02t", "02FT"},          {"2", "Mechanical", "02t", "02FT"},
      {"2", "Electrical", "02t", "02ET"},    {"10", "Electrical", "10t", "10ET"},
      {"10.5", "Electrical", "", ""},        {"", "None", "", ""},
      {"6", "electrical", "06t", ""},  // the method is compared exactly
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TiltCode(c.tilt), c.code) << c.tilt;
    EXPECT_EQ(TmvTiltCode(c.tilt, c.method), c.tmvCode) << c.tilt << " " << c.method;
  }
}

TEST(NameCodesTest, TmvPolarizationCodeNeedsExactLowerCase) {
  EXPECT_EQ(TmvPolarizationCode("m45"), "N45");
  EXPECT_EQ(TmvPolarizationCode("p45"), "P45");
  EXPECT_EQ(TmvPolarizationCode("P45"), "");
  EXPECT_EQ(TmvPolarizationCode("v90"), "");
}

// The pattern information upper-cases extensions and lower-cases port names; the file's
// port text may be in any case, so they must meet without regard to case.
TEST(NameCodesTest, PortNameMatchesWithoutRegardToCaseLastMatchWins) {
  const std::map<std::string, std::string> table{{"P1", "r1"}, {"P1A", "r1a"}, {"Q2", "y2"}};
  EXPECT_EQ(PortName("p1", table), "R1");
  EXPECT_EQ(PortName("P1", table), "R1");
  EXPECT_EQ(PortName("p1a", table), "R1A");  // "P1" and "P1A" both match; the later key wins
  EXPECT_EQ(PortName("q2", table), "Y2");
  EXPECT_EQ(PortName("p3", table), "");
  EXPECT_EQ(PortName("p1", {}), "");
}

}  // namespace
}  // namespace lumaret::exports

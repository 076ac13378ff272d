// Combined files (MSI and PLN) as antenna makers write them.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "data/MsiGrammar.h"
#include "PatternReaderFixture.h"

using lumaret::data::kUnset;
using lumaret::test::HorizontalAttenuation;
using lumaret::test::MsiText;
using lumaret::test::VerticalAttenuation;

namespace {

using Header = std::vector<std::pair<std::string, std::string>>;

struct MakerFile {
  const char* name;
  float line2;
  float gain;
  int headerCount;
  Header declared;
};

const MakerFile kMakerFiles[] = {
    {"standard_crlf.msi", 1845.0f, 17.5f, 0,
     {{"NAME", "TESTANT65"}, {"FREQUENCY", "1845"}, {"GAIN", "15.35 dBd"}, {"TILT", "ELECTRICAL"},
      {"COMMENT", "hand made"}}},
    {"lf_no_final_break.msi", 2140.5f, 17.5f, 0,
     {{"NAME", "TESTANT65"}, {"FREQUENCY", "2140.5"}, {"GAIN", "17.5 dBi"}, {"TILT", "2"}, {"COMMENT", ""}}},
    {"keyword_header_any_order.MSI", 1960.0f, 16.1f, 0,
     {{"frequency", "1960"},
      {"MAKE", "Hand Made Antennas"},
      {"POLARIZATION", "+45"},
      {"H_WIDTH", "65.2"},
      {"Gain", "16.1 dBi"},
      {"ELECTRICAL_TILT", "4"},
      {"V_WIDTH", "7.1"},
      {"FRONT_TO_BACK", "28.5"},
      {"COMMENT", "two  words"}}},
    {"padded_columns.msi", 806.0f, kUnset, 0,
     {{"NAME", "PADDED"},
      {"FREQUENCY", "806"},
      {"TILT", "MECHANICAL 2"},
      {"COMMENT", "no gain line"},
      {"POLARIZATION", "V"}}},
    {"maker_layout.pln", 2655.0f, 18.0f, 0,
     {{"FILENAME", "maker_layout"},
      {"MAKE", "Hand Made Antennas"},
      {"FREQUENCY", "2655"},
      {"H_WIDTH", "64.8"},
      {"V_WIDTH", "6.9"},
      {"FRONT_TO_BACK", "30.2"},
      {"GAIN", "15.85 dBd"},
      {"TILT", "ELECTRICAL 6"}}},
};

}  // namespace

namespace lumaret::test {

TEST_F(PatternReaderTest, MakersCombinedFilesReadWithBothFullCuts) {
  for (const MakerFile& file : kMakerFiles) {
    SCOPED_TRACE(file.name);
    const std::string path = DataFile(file.name);
    ASSERT_TRUE(Read(path)) << LastMessage();
    const data::PatternFile& r = Record(path);
    EXPECT_EQ(r.path, path);
    EXPECT_EQ(r.fileName, file.name);
    EXPECT_EQ(r.nameFields[data::kFieldCut], "msi");
    EXPECT_TRUE(r.IsCombined());
    EXPECT_FLOAT_EQ(r.line2Value, file.line2);
    EXPECT_NEAR(r.result.gain, file.gain, 1e-4);
    EXPECT_EQ(r.headerCount, file.headerCount);
    EXPECT_EQ(r.declaredHeader, file.declared);
    const bool withoutGain = file.gain == kUnset;
    EXPECT_EQ(r.readWithoutGain, withoutGain);
    EXPECT_EQ(doc.noGainFlag, withoutGain ? 1 : 0);

    // Both cuts complete, including the last vertical line of a file without a final break.
    ASSERT_EQ(r.points.size(), 720u);
    for (int a : {0, 10, 180, 181, 270, 359}) {
      const float expectedAngle = a > 180 ? static_cast<float>(a - 360) : static_cast<float>(a);
      EXPECT_FLOAT_EQ(r.points[a].fDeg, expectedAngle) << a;
      EXPECT_NEAR(r.points[a].fMag, -HorizontalAttenuation(a), 1e-5) << a;
      EXPECT_FLOAT_EQ(r.points[360 + a].fDeg, expectedAngle) << a;
      EXPECT_NEAR(r.points[360 + a].fMag, -VerticalAttenuation(a), 1e-5) << a;
    }
    EXPECT_EQ(r.result.hpeak, (data::PatternPoint{10.0f, 0.0f}));
    EXPECT_EQ(r.result.vmax, (data::PatternPoint{6.0f, 0.0f}));
    EXPECT_TRUE(messages.shown.empty());
  }
}

TEST_F(PatternReaderTest, GainValueRulesAndHeaderCount) {
  struct Case {
    std::vector<std::string> header;
    float gain;
    int headerCount;
    float line2;
  };
  const std::vector<Case> cases = {
      {{"NAME A", "FREQUENCY 1845", "GAIN 15.35 dBd", "TILT", "COMMENT"}, 17.5f, 0, 1845.0f},
      {{"NAME A", "FREQUENCY 1845", "GAIN 17.5", "TILT", "COMMENT"}, 19.65f, 0, 1845.0f},
      {{"NAME A", "FREQUENCY 1845", "GAIN 17.5dBi", "TILT", "COMMENT"}, 17.5f, 0, 1845.0f},
      // Without a gain line the third line's integer is the header count.
      {{"NAME A", "FREQUENCY 1845", "12 points", "TILT", "COMMENT"}, kUnset, 12, 1845.0f},
      {{"NAME A", "FREQUENCY 900"}, kUnset, 0, 900.0f},  // line 3 is the HORIZONTAL line
      // Missing FREQUENCY: line-2 value 0; the first of two keyword lines counts.
      {{"NAME A", "GAIN 10 dBi", "GAIN 20 dBi"}, 10.0f, 0, 0.0f},
      {{"FREQUENCY 700", "FREQUENCY 800", "gain 1 dBi"}, 1.0f, 0, 700.0f},
  };
  for (std::size_t i = 0; i < cases.size(); ++i) {
    SCOPED_TRACE(i);
    MsiText text;
    text.header = cases[i].header;
    const std::string path = dir.Write("gain" + std::to_string(i) + ".msi", text.Build());
    ASSERT_TRUE(Read(path)) << LastMessage();
    EXPECT_NEAR(Record(path).result.gain, cases[i].gain, 1e-4);
    EXPECT_EQ(Record(path).headerCount, cases[i].headerCount);
    EXPECT_FLOAT_EQ(Record(path).line2Value, cases[i].line2);
    EXPECT_EQ(Record(path).readWithoutGain, cases[i].gain == kUnset);
  }
}

TEST_F(PatternReaderTest, BlankLinesInsideAndAfterBlocksAreSkipped) {
  MsiText text;
  text.verticalLines = 10;
  text.verticalHeader = "VERTICAL 10";
  std::string body = text.Build();
  body.insert(body.find("\n5 ", body.find("VERTICAL")) + 1, "\n\t\n");
  body.insert(body.find("\n100 ") + 1, "  \n");
  body += "\n\n";
  const std::string path = dir.Write("blank.msi", body);
  ASSERT_TRUE(Read(path)) << LastMessage();
  EXPECT_EQ(Record(path).points.size(), 370u);
}

TEST_F(PatternReaderTest, FirstOfEqualMaximaWinsAndZeroIsStoredNegative) {
  std::string body = "FREQUENCY 900\nHORIZONTAL 360\n";
  for (int a = 0; a < 360; ++a) body += std::to_string(a) + " " + (a == 20 || a == 200 ? "0" : "5") + "\n";
  body += "VERTICAL 2\n270 12.5\n180 3\n";
  const std::string path = dir.Write("equal.msi", body);
  ASSERT_TRUE(Read(path));
  const data::PatternFile& r = Record(path);
  EXPECT_EQ(r.result.hpeak, (data::PatternPoint{20.0f, 0.0f}));
  EXPECT_TRUE(std::signbit(r.result.hpeak.fMag));
  EXPECT_EQ(r.points[360], (data::PatternPoint{-90.0f, -12.5f}));
  EXPECT_EQ(r.points[361], (data::PatternPoint{180.0f, -3.0f}));
  EXPECT_EQ(r.result.vmax, (data::PatternPoint{180.0f, -3.0f}));
}

TEST_F(PatternReaderTest, BrokenBlockStructureIsRefusedNamingFileAndLine) {
  struct Case {
    std::string text;
    std::string expected;  // after the quoted path
  };
  MsiText h359{.horizontalLines = 359};
  MsiText h361{.horizontalLines = 361};
  const std::string twoHorizontal = MsiText{.verticalLines = 2}.Build() + "HORIZONTAL 360\n1 1\n";
  const std::vector<Case> cases = {
      {h359.Build(), ", line 366: \"VERTICAL\" line after 359 points of the horizontal block; 360 expected"},
      {h361.Build(), ", line 367: \"VERTICAL\" line expected after 360 horizontal points, found \"360 3.500000\""},
      {MsiText{.horizontalLines = 200, .verticalLines = 0, .verticalHeader = "x"}.Build().substr(0, 1000),
       ", end of file after line"},
      {"NAME A\nFREQUENCY 1\n0 1\n1 2\n", ", end of file after line 4: no \"HORIZONTAL\" line"},
      {"NAME A\nVERTICAL 360\n0 1\n", ", line 2: \"VERTICAL\" line before any \"HORIZONTAL\" line"},
      {twoHorizontal, ", line 370: \"HORIZONTAL\" line inside the vertical block"},
      {"FREQUENCY 1\nHORIZONTAL\n",
       ", end of file after line 2: the horizontal block ends after 0 points; 360 expected"},
  };
  for (std::size_t i = 0; i < cases.size(); ++i) {
    SCOPED_TRACE(i);
    doc.noGainFlag = 7;
    const std::string path = dir.Write("broken" + std::to_string(i) + ".msi", cases[i].text);
    EXPECT_FALSE(Read(path));
    EXPECT_EQ(LastMessage().rfind("Pattern file \"" + path + "\"" + cases[i].expected, 0), 0u) << LastMessage();
    EXPECT_EQ(doc.Find(data::ToKey(path)), nullptr) << "a refused file stores nothing";
    EXPECT_EQ(doc.noGainFlag, 7) << "a refused file leaves the no-gain flag alone";
  }
}

TEST(MsiGrammar, GainFromTextReadsTheUnitWithoutRegardToLetterCase) {
  EXPECT_FLOAT_EQ(data::GainFromText("17.5 DBI"), 17.5f);
  EXPECT_FLOAT_EQ(data::GainFromText("17.5 dbi"), 17.5f);
  EXPECT_FLOAT_EQ(data::GainFromText("15.35 DBD"), 17.5f);
  EXPECT_EQ(data::GainFromText("1e99 dBi"), kUnset);
}

}  // namespace lumaret::test

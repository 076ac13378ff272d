#include "exports/RawDataWorkbook.h"

#include <gtest/gtest.h>

#include <cmath>

#include "analysis/AnalysisDocument.h"
#include "data/UserMessages.h"
#include "exports/SheetNames.h"
#include "support/CutBuilder.h"
#include "support/LogCapture.h"
#include "support/TempDir.h"
#include "support/XlsxReader.h"

namespace lumaret::test {
namespace {

constexpr const char* kFolder = "/lab/1700_1900_ant1x_20261206_A_B";

double Linear(double angle) { return -std::fabs(angle) / 10.0; }

// Row of an angle on the 1° grid (row 2 holds -180).
int Row(int angle) { return angle + 182; }

class RawDataWorkbookTest : public ::testing::Test {
 protected:
  data::PatternFile& Split(const std::string& fileName, data::PointSequence points, const char* folder = kFolder) {
    return AddSplitCut(doc.patterns, folder, fileName, std::move(points));
  }
  data::PatternFile& Combined(const std::string& name, const std::string& frequency, data::PointSequence points) {
    data::PatternFile& f = doc.patterns["/lab/" + name + ".msi"];
    f.key = f.path = "/lab/" + name + ".msi";
    f.fileName = name + ".msi";
    f.nameFields[8] = "msi";
    f.kind = data::CutKind::Combined;
    f.declaredHeader = {{"NAME", name}, {"FREQUENCY", frequency + " MHz"}};
    f.points = std::move(points);
    return f;
  }
  XlsxWorkbook Write() {
    std::vector<std::string> keys;
    for (const auto& [key, record] : doc.patterns) keys.push_back(key);
    const data::Result result = exports::WriteRawDataWorkbook(doc, keys, dir.path().string());
    EXPECT_TRUE(result.ok()) << result.message;
    path = result.path;
    auto book = XlsxWorkbook::Open(result.path);
    EXPECT_TRUE(book.has_value());
    return book.value_or(XlsxWorkbook{});
  }

  data::RecordingMessages messages;
  analysis::AnalysisDocument doc{messages};
  TempDir dir;
  std::string path;
};

TEST_F(RawDataWorkbookTest, GroupsFilesByKeyWithNumericCellsAndEmptyRecordColumns) {
  Split("p1_v90_h_co_0_0_1710.cm", SampledCut(-180, 179, 1, Linear));
  Split("p1_v90_h_co_0_0_1750.cm", {});  // no points: keeps its column empty
  Split("p1_v90_h_co_0_0_1800.cm", SampledCut(-180, 179, 1, [](double a) { return Linear(a) - 1.0; }));
  Split("p1_v90_e_co_0_0_1710.cm", SampledCut(-180, 179.5, 0.5, Linear));
  const XlsxWorkbook book = Write();

  EXPECT_EQ(path, dir.path().string() + "/Tarsel_ant1x_RawData_20261206.xlsx");
  EXPECT_EQ(book.SheetNames(), (std::vector<std::string>{"RawData", "p1 co e 00", "p1 co h 00"}));
  // Sheet 3 ("h"): 1° grid, frequencies in row 1, the empty record in column C.
  EXPECT_EQ(book.Number(3, 1, 2), 1710.0);
  EXPECT_FALSE(book.Cell(3, 1, 3).has_value());
  EXPECT_FALSE(book.Cell(3, Row(0), 3).has_value());
  EXPECT_EQ(book.Number(3, 1, 4), 1800.0);
  EXPECT_EQ(book.Number(3, 2, 1), -180.0);
  EXPECT_EQ(book.Number(3, Row(179), 1), 179.0);
  EXPECT_FALSE(book.Cell(3, Row(180), 1).has_value());
  EXPECT_EQ(book.Number(3, Row(-45), 2), -4.5);
  EXPECT_EQ(book.Cell(3, Row(-45), 4)->value, "-5.5");
  // Sheet 2 ("e"): 720 points give the 0.5° grid, -180 to 179.5.
  EXPECT_EQ(book.Number(2, 721, 1), 179.5);
  EXPECT_FALSE(book.Cell(2, 722, 1).has_value());
  EXPECT_NEAR(*book.Number(2, 4, 2), -17.9, 1e-6);  // -179°
  // The index sheet: the empty record still listed with its column.
  EXPECT_EQ(book.Cell(1, 4, 1)->value, "p1 co h 00");
  EXPECT_EQ(book.Number(1, 4, 2), 3.0);
  EXPECT_EQ(book.Cell(1, 4, 3)->value, "p1_v90_h_co_0_0_1750.cm");
}

TEST_F(RawDataWorkbookTest, PutsLevelsInTheirAngleRowsAndInterpolatesOffGridCuts) {
  // A cut stored 0..180 then -179..-1 (the combined-file order), and a 2° cut.
  data::PointSequence wrapped = SampledCut(0, 180, 1, Linear);
  for (const auto& p : SampledCut(-179, -1, 1, Linear)) wrapped.push_back(p);
  Split("p1_v90_h_co_0_0_1710.cm", wrapped);
  Split("p1_v90_h_co_0_0_1800.cm", SampledCut(-180, 178, 2, Linear));
  // Both 180 and -180 stored: the first stored sample wins the -180 row.
  Split("p1_v90_h_co_0_0_1900.cm", CutFromPairs({{180, -1.0f}, {-180, -2.0f}, {0, 0.0f}}));
  const XlsxWorkbook book = Write();

  struct Case { int angle, column; double level; };
  for (const Case& c : {Case{-180, 2, -18.0}, Case{-90, 2, -9.0}, Case{0, 2, 0.0}, Case{179, 2, -17.9},
                        Case{-179, 3, -17.9}, Case{179, 3, -17.9}, Case{-100, 3, -10.0}, Case{-180, 4, -1.0}}) {
    ASSERT_TRUE(book.Number(2, Row(c.angle), c.column).has_value()) << c.angle << " " << c.column;
    EXPECT_NEAR(*book.Number(2, Row(c.angle), c.column), c.level, 1e-6) << c.angle << " " << c.column;
  }
}

TEST_F(RawDataWorkbookTest, CombinedFileGetsOneColumnPerCutAndNamesTheWorkbook) {
  data::PointSequence points = SampledCut(-179, 180, 1, Linear);
  for (const auto& p : SampledCut(-179, 180, 1, [](double a) { return Linear(a) - 2.0; })) points.push_back(p);
  Combined("ANT_1710_X", "1710", points);
  const XlsxWorkbook book = Write();

  EXPECT_EQ(path, dir.path().string() + "/Tarsel_ANT_1710_X_RawData_.xlsx");
  ASSERT_EQ(book.SheetNames(), (std::vector<std::string>{"RawData", "ANT_X"}));
  EXPECT_EQ(book.Cell(2, 1, 2)->value, "1710 H");
  EXPECT_FALSE(book.Cell(2, 1, 2)->numeric);
  EXPECT_EQ(book.Cell(2, 1, 3)->value, "1710 V");
  EXPECT_FALSE(book.Cell(2, Row(180), 1).has_value());  // 360 points per cut: the 1° grid
  EXPECT_EQ(book.Number(2, Row(-180), 2), -18.0);       // stored at 180
  EXPECT_EQ(book.Number(2, Row(10), 3), -3.0);
}

// The result tables group combined files by this key too.
TEST_F(RawDataWorkbookTest, CombinedFileKeyDropsThePartsThatReadAsItsFrequency) {
  const struct {
    const char* name;
    const char* frequency;
    const char* key;
  } cases[] = {
      {"ANT_1710_X", "1710", "ANT_X"}, {"ANT 1710", "1710.0", "ANT"}, {"1710_ANT", "1710", "ANT"},
      {"ANT17100", "1710", "ANT17100"}, {"ANT_1710", "", "ANT_1710"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(exports::RawDataGroupKey(Combined(c.name, c.frequency, {})), c.key) << c.name;
}

TEST_F(RawDataWorkbookTest, SheetNamesAreSafeAndNeverShared) {
  struct Case { std::string text, safe; };
  for (const Case& c : {Case{"a[b]:c*d?e/f\\g", "a_b__c_d_e_f_g"}, Case{std::string(40, 'x'), std::string(31, 'x')},
                        Case{"'quoted'", "_quoted_"}, Case{"", "_"}, Case{std::string(30, 'x') + "éé", std::string(30, 'x') + "é"}})
    EXPECT_EQ(exports::SafeSheetName(c.text), c.safe) << c.text;

  exports::SheetNamer namer;
  const std::string longName(35, 'y');
  EXPECT_EQ(namer.Take("Abc"), "Abc");
  EXPECT_EQ(namer.Take("aBC"), "aBC (2)");
  EXPECT_EQ(namer.Take("abc"), "abc (3)");
  EXPECT_EQ(namer.Take(longName), std::string(31, 'y'));
  EXPECT_EQ(namer.Take(longName), std::string(27, 'y') + " (2)");

  // In a workbook: forbidden characters, and two groups differing only in letter case.
  Split("p[1]:x_v90_h_co_0_0_1710.cm", SampledCut(-180, 179, 1, Linear));
  Split("P1_v90_h_co_0_0_1710.cm", SampledCut(-180, 179, 1, Linear), "/lab/1700_1900_ant1x_20261206_A_C");
  Split("p1_v90_h_co_0_0_1710.cm", SampledCut(-180, 179, 1, Linear), "/lab/1700_1900_ant1x_20261206_A_D");
  EXPECT_EQ(Write().SheetNames(), (std::vector<std::string>{"RawData", "p_1__x co h 00", "P1 co h 00", "p1 co h 00 (2)"}));
}

TEST_F(RawDataWorkbookTest, UnwritableFolderIsAFailure) {
  Split("p1_v90_h_co_0_0_1710.cm", SampledCut(-180, 179, 1, Linear));
  LogCapture log;
  const data::Result result = exports::WriteRawDataWorkbook(doc, {doc.patterns.begin()->first},
                                                             dir.path().string() + "/missing/folder");
  EXPECT_FALSE(result.ok());
  EXPECT_EQ(result.code, data::FailureCode::kCannotWrite);
  EXPECT_NE(log.Text().find("] Tessaly Unit log - " + result.path + ": "), std::string::npos);
  EXPECT_EQ(exports::WriteRawDataWorkbook(doc, {}, dir.path().string()).code, data::FailureCode::kNotLoaded);
}

}  // namespace
}  // namespace lumaret::test

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "session/CTessalyUnitDoc.h"
#include "display/AllResultsGrid.h"
#include "display/CurrentResults.h"
#include "support/CutBuilder.h"

using namespace lumaret;
using namespace lumaret::display;
using analysis::Indicator;
using Lines = std::vector<std::string>;

namespace {

// A campaign folder whose name carries the antenna type (field 2) and date (field 3).
constexpr const char* kFolder = "/lab/1700_2200_ant65_20261206_a_b";

class ResultPanes : public ::testing::Test {
 protected:
  ResultPanes() {
    doc.indicators.SetAll(false);
    doc.vPara.gainCut.gainCut = 0;
  }

  // Loads a split-cut file "p1_p45_<plane>_<component>_x_y_z.msi" without points.
  data::PatternFile& Load(const std::string& plane, const std::string& component) {
    return test::AddSplitCut(doc.patterns, kFolder, "p1_p45_" + plane + "_" + component + "_x_y_z.msi", {});
  }

  data::RecordingMessages messages;
  session::CTessalyUnitDoc doc{messages};
};

}  // namespace

TEST_F(ResultPanes, OneHorizontalCoFileListsHeadingRadiationLinesAndMarkBlock) {
  data::PatternFile& f = Load("h", "co");
  doc.indicators.Set(Indicator::Gain, true);
  doc.indicators.Set(Indicator::HBW3dB, true);
  f.result.gain = 17.0f;
  f.result.hbw = 65.0f;
  const Lines expected = {"",
                          "Antenna type : ant65",
                          "File Name : p1_p45_h_co_x_y_z",
                          "Date : 20261206",
                          "Gain : 17.00dBi",
                          "HBW : 65.00°",
                          "",
                          kMarkBlockTitle,
                          "mark"};
  EXPECT_EQ(CurrentResults(doc, {f.key}, std::string("mark")), expected);
  // Without an active view there is no mark block.
  EXPECT_EQ(CurrentResults(doc, {f.key}, std::nullopt).size(), expected.size() - 3);
}

TEST_F(ResultPanes, CurrentResultsListsTwoFilesOnlyWhenOneHasALoadedPartner) {
  doc.indicators.Set(Indicator::HBW3dB, true);
  doc.indicators.Set(Indicator::XPD0, true);
  const std::string co = Load("h", "co").key;
  const std::string cr = Load("h", "cr").key;
  const std::string other = doc.LookUpOrCreate("/elsewhere/q9.msi").key = "/elsewhere/q9.msi";
  doc.LookUpOrCreate("/elsewhere/q8.msi").key = "/elsewhere/q8.msi";
  struct Case {
    std::vector<std::string> displayed;
    bool listed;
  };
  const Case cases[] = {
      {{}, false},
      {{co, cr}, true},                                     // polar partners of each other
      {{"/elsewhere/q8.msi", "/elsewhere/q9.msi"}, false},  // no partner loaded
      {{co, cr, other}, false},                             // three files
  };
  for (const auto& c : cases)
    EXPECT_EQ(CurrentResults(doc, c.displayed, std::string("m")).empty(), !c.listed) << c.displayed.size();
  const Lines two = CurrentResults(doc, {co, cr}, std::nullopt);
  const Lines expected = {"",     "Antenna type : ant65", "File Name : p1_p45_h_co_x_y_z", "Date : 20261206",
                          "HBW : -999.00°", "",            "File Name : p1_p45_h_cr_x_y_z"};
  EXPECT_EQ(two, expected);
}

TEST_F(ResultPanes, CombinedFileShowsItsOwnFileNameWithoutAnEmptyLine) {
  data::PatternFile& f = doc.LookUpOrCreate("/lab/a.msi");
  f.key = "/lab/a.msi";
  f.fileName = "A.MSI";
  f.nameFields[data::kFieldCut] = "msi";
  f.kind = data::CutKind::Combined;
  f.result.gain = 14.0f;
  EXPECT_EQ(CurrentResults(doc, {f.key}, std::nullopt), (Lines{"File Name : A.MSI", "Gain : 14.00dBi"}));
}

TEST_F(ResultPanes, AllResultsGridPlacesCrossPolarValuesBelowTheirCoPolarNeighbour) {
  doc.indicators.Set(Indicator::HBW3dB, true);
  doc.indicators.Set(Indicator::FBRCO, true);
  doc.indicators.Set(Indicator::XPD0, true);
  doc.indicators.Set(Indicator::VBW3dB, true);
  doc.indicators.Set(Indicator::VXPD0, true);
  data::PatternFile& hco = Load("h", "co");
  data::PatternFile& hcr = Load("h", "cr");
  data::PatternFile& vcr = Load("e", "cr");
  hcr.result.xpd0 = 20.0f;
  vcr.result.vxpd0 = 25.0f;
  const AllResultsGrid grid = BuildAllResultsGrid(doc, {hco.key, hcr.key, vcr.key});
  ASSERT_EQ(grid.ColumnCount(), 3);
  ASSERT_EQ(grid.RowCount(), kAllResultsRows);
  EXPECT_EQ(grid.headers[0], kAllResultsHeader);
  EXPECT_EQ(grid.cells[0][1], "File Name : " + hcr.fileName);
  EXPECT_EQ(grid.cells[3][0], "HBW : -999.00°");
  EXPECT_EQ(grid.cells[4][0], "FBR CO : -999.00dB");
  EXPECT_EQ(grid.cells[5][1], "XPD 0 : 20.00dB");  // continues after the co-polar column's rows 3 and 4
  EXPECT_EQ(grid.cells[0][2], "File Name : " + vcr.fileName);
  EXPECT_EQ(grid.cells[1][2], "V-XPD 0° : 25.00dB");  // no vertical co-polar column before it
}

TEST_F(ResultPanes, AllResultsGridGrowsForLongColumnsAndIsEmptyWithoutFiles) {
  doc.indicators.SetAll(true);
  doc.vPara.manual = "TRUE";
  doc.vPara.automatic = "TRUE";
  data::PatternFile& vco = Load("e", "co");
  doc.vPara.gainCut.gainCut = 1;
  vco.ssRangesUsed.assign(10, {"1", "2"});  // automatic mode: the file's own ranges
  vco.result.ss.fill(-10.0f);
  const AllResultsGrid grid = BuildAllResultsGrid(doc, {vco.key});
  // 3 + 14 vertical lines + 2 x 10 SS lines; no radiation values, so no radiation lines.
  EXPECT_EQ(grid.RowCount(), 37);
  EXPECT_EQ(grid.cells[36][0], "SS 1°~2° : -10.00dB");
  EXPECT_EQ(BuildAllResultsGrid(doc, {}).RowCount(), 0);
}

TEST_F(ResultPanes, TextOutputListsEveryFileInKeyOrderFollowedByAnEmptyLine) {
  doc.indicators.Set(Indicator::HBW3dB, true);
  Load("h", "co").result.hbw = 60.0f;
  Load("e", "co");
  std::ostringstream out;
  WriteResultText(doc, out);
  EXPECT_EQ(out.str(),
            "File Name : p1_p45_e_co_x_y_z.msi\n\n"
            "File Name : p1_p45_h_co_x_y_z.msi\nHBW : 60.00°\n\n");
}

#include "analysis/AnalysisDriver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "analysis/IndicatorSelection.h"
#include "data/StageFlags.h"
#include "support/CutBuilder.h"
#include "session/CTessalyUnitDoc.h"

namespace lumaret::analysis {
namespace {

using namespace lumaret::data;

using test::GaussianBeam;
using test::SampledCut;

constexpr const char* kFolder = "/m/1700_1900_ANTX65_20261206_A_B";

class AnalysisDriverTest : public ::testing::Test {
 protected:
  AnalysisDriverTest() : doc(messages) { doc.indicators.SetAll(true); }

  PatternFile& Add(const std::string& fileName, PointSequence points) {
    return test::AddSplitCut(doc.patterns, kFolder, fileName, std::move(points));
  }
  // An elevation cut every half degree with its beam at `peak`.
  PatternFile& AddElevation(const std::string& fileName, double peak) {
    return Add(fileName, SampledCut(-179.5, 180, 0.5, GaussianBeam(peak, 8, -40)));
  }
  PatternFile& AddHorizontal(const std::string& fileName, double width = 65) {
    return Add(fileName, SampledCut(-179.5, 180, 0.5, GaussianBeam(0, width, -35)));
  }

  RecordingMessages messages;
  session::CTessalyUnitDoc doc;
};

TEST_F(AnalysisDriverTest, EachStageRunsOnceUntilItsFlagIsCleared) {
  PatternFile& h = AddHorizontal("P1_p45_h_co_2_0_1710.cm");
  h.line2Value = 17.0f;
  AnalyseOneFile(doc, h.key);
  const float hbw = h.result.hbw;
  EXPECT_NEAR(hbw, 65.0f, 0.5f);
  EXPECT_EQ(h.result.directivity, 17.0f);

  // Changed data are not looked at again while the flags are set.
  h.points = SampledCut(-179.5, 180, 0.5, GaussianBeam(0, 30, -35));
  h.line2Value = 19.0f;
  AnalyseOneFile(doc, h.key);
  EXPECT_EQ(h.result.hbw, hbw);
  EXPECT_EQ(h.result.directivity, 17.0f);

  ClearAfterHorizontalSettings(doc.patterns);
  AnalyseOneFile(doc, h.key);
  EXPECT_NEAR(h.result.hbw, 30.0f, 0.5f);
  EXPECT_EQ(h.result.directivity, 17.0f);
  EXPECT_EQ(h.result.hcoDone, 1);
  EXPECT_EQ(h.result.radDone, 1);
  EXPECT_EQ(h.result.vcoDone + h.result.vcrDone + h.result.hcrDone + h.result.spareFlag, 0);
}

TEST_F(AnalysisDriverTest, ElevationCutsNearTheSeamAreAnalysedHalfTurned) {
  // After the stage the maximum is reported in the frame the indicators were computed in,
  // and the points are back as they were.
  struct Case {
    const char* polarization;
    double peak;
    float reportedPeak;
  } cases[] = {
      {"V90", 170.0, -10.0f},   // vertical polarization, maximum in [160, 180]
      {"V90", 160.0, -20.0f},
      {"V90", 159.5, 159.5f},
      {"p45", 170.0, 170.0f},   // other polarizations only near -180
      {"p45", -170.0, 10.0f},
      {"V90", -160.0, 20.0f},
      {"p45", -159.5, -159.5f},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.polarization) + " " + std::to_string(c.peak));
    doc.patterns.clear();
    PatternFile& e = AddElevation(std::string("P1_") + c.polarization + "_e_co_2_0_1710.cm", c.peak);
    const PointSequence original = e.points;
    AnalyseOneFile(doc, e.key);
    EXPECT_EQ(e.result.vmax.fDeg, c.reportedPeak);
    EXPECT_EQ(e.points, original);
    EXPECT_NEAR(e.result.vbw, 8.0f, 0.1f);
    EXPECT_EQ(e.result.vcoDone, 1);
  }
  // An off-grid peak just below the turn limit is not turned.
  doc.patterns.clear();
  PatternFile& e = Add("P1_V90_e_co_2_0_1710.cm",
                       test::CutFromPairs({{-90, -40}, {150, -20}, {159.9f, 0}, {165, -10}, {180, -30}}));
  AnalyseOneFile(doc, e.key);
  EXPECT_EQ(e.result.vmax.fDeg, 159.9f);
  EXPECT_EQ(e.nameFields[kFieldPolarization], "v90");
}

TEST_F(AnalysisDriverTest, CutWordAnyCaseButComponentOnlyLowerCase) {
  PatternFile& upperCut = AddElevation("P1_p45_E_co_2_0_1710.cm", 2);
  PatternFile& upperComponent = AddElevation("P1_p45_e_CO_2_0_1880.cm", 2);
  PatternFile& horizontalCross = AddHorizontal("P1_p45_H_CR_2_0_1710.cm");
  AnalyseAllLoadedFiles(doc);
  EXPECT_EQ(upperCut.nameFields[kFieldCut], "e");
  EXPECT_EQ(upperCut.result.vcoDone, 1);
  EXPECT_NE(upperCut.result.vbw, kUnset);
  for (const PatternFile* f : {&upperComponent, &horizontalCross}) {
    EXPECT_EQ(f->result.radDone, 1);
    EXPECT_EQ(f->result.vcoDone + f->result.vcrDone + f->result.hcoDone + f->result.hcrDone, 0);
    EXPECT_EQ(f->result.vmax, PatternPoint{});
    EXPECT_EQ(f->result.hpeak, PatternPoint{});
  }
}

TEST_F(AnalysisDriverTest, TurningOnAnIndicatorComputedOnlyWhenSelectedComputesItForAnalysedFiles) {
  // A beam at 2° with an upper side lobe of -15 dB at -20°.
  const auto beam = GaussianBeam(2, 8, -40);
  PatternFile& e = Add("P1_p45_e_co_2_0_1710.cm", SampledCut(-179.5, 180, 0.5, [&](double a) {
                         return std::max(beam(a), -15 - 0.5 * (a + 20) * (a + 20));
                       }));
  doc.currentSelection = {e.key};
  SetIndicator(doc, Indicator::FSU, false);
  AnalyseSelection(doc);
  EXPECT_EQ(e.result.fsu.fMag, kUnset);

  SetIndicator(doc, Indicator::FSU, true);
  AnalyseSelection(doc);
  EXPECT_NE(e.result.fsu.fMag, kUnset);
}

TEST_F(AnalysisDriverTest, CrossPolarFileFindsItsPartnerWhateverTheOrder) {
  PatternFile& cross = Add("P1_p45_h_cr_2_0_1710.cm", SampledCut(-179.5, 180, 0.5, GaussianBeam(0, 65, -35)));
  for (PatternPoint& p : cross.points) p.fMag -= 20.0f;
  // Analysing the cross-polar file alone, before its partner, still measures it.
  PatternFile& co = AddHorizontal("P1_p45_h_co_2_0_1710.cm");
  AnalyseOneFile(doc, cross.key);
  EXPECT_EQ(cross.result.hcrDone, 1);
  EXPECT_FLOAT_EQ(cross.result.xpd60, 20.0f);
  EXPECT_EQ(co.result.hcoDone, 0);
  AnalyseOneFile(doc, co.key);
  EXPECT_EQ(co.result.hcoDone, 1);
}

TEST_F(AnalysisDriverTest, RecordsWithoutPointsAndUnknownKeysAreLeftAlone) {
  PatternFile& empty = Add("P1_p45_h_co_2_0_1710.cm", {});
  PatternFile& other = AddHorizontal("P1_p45_h_co_2_0_1880.cm");
  AnalyseAllLoadedFiles(doc);
  EXPECT_EQ(empty.result.radDone, 0);
  EXPECT_EQ(other.result.hcoDone, 1);
  AnalyseOneFile(doc, "/no/such/key.cm");
  EXPECT_EQ(doc.patterns.size(), 2u);
  doc.currentSelection = {"/no/such/key.cm"};
  AnalyseSelection(doc);
  EXPECT_EQ(doc.patterns.size(), 2u);
}

// Groups as lists of file names.
std::vector<std::vector<std::string>> Names(AnalysisDocument& doc) {
  std::vector<std::vector<std::string>> out;
  for (const auto& group : IndependentGroups(doc)) {
    out.emplace_back();
    for (const data::PatternFile* file : group) out.back().push_back(file->fileName);
  }
  return out;
}

TEST(IndependentGroups, JoinPolarAndSlantPartnersOnly) {
  data::RecordingMessages messages;
  AnalysisDocument doc(messages);
  const std::string folder = "/c/1700_2200_ANTX65_20261206_A_B";
  for (const char* name : {"P1_p45_h_co_4_0_1710.cm", "P1_p45_h_cr_4_0_1710.cm", "P2_m45_h_co_4_0_1710.cm",
                           "P1_p45_e_co_4_0_1710.cm", "P3_p45_h_co_4_0_1940.cm", "P5_p45_h_co_4_0_1710.cm"}) {
    data::PatternFile f = test::SplitCutFile(folder, name, test::CutFromPairs({{0, 0}}));
    doc.patterns[f.key] = f;
  }
  doc.patterns["/c/empty.msi"].fileName = "empty.msi";  // no points: in no group
  // The horizontal co file of port 1 joins its cross-polar file and its slant partner
  // (port 2); the elevation cut, the other frequency and the unpaired port stand alone.
  const auto groups = Names(doc);
  ASSERT_EQ(groups.size(), 4u);
  EXPECT_EQ(groups[0], (std::vector<std::string>{"P1_p45_e_co_4_0_1710.cm"}));
  EXPECT_EQ(groups[1],
            (std::vector<std::string>{"P1_p45_h_co_4_0_1710.cm", "P1_p45_h_cr_4_0_1710.cm", "P2_m45_h_co_4_0_1710.cm"}));
  EXPECT_EQ(groups[2], (std::vector<std::string>{"P3_p45_h_co_4_0_1940.cm"}));
  EXPECT_EQ(groups[3], (std::vector<std::string>{"P5_p45_h_co_4_0_1710.cm"}));
}

}  // namespace
}  // namespace lumaret::analysis

#include "display/PlotData.h"

#include <gtest/gtest.h>

#include "display/Normalisation.h"
#include "support/LogCapture.h"

#include "session/CTessalyUnitDoc.h"

using namespace lumaret;
using namespace lumaret::display;

namespace {

// A plot state of START 0, END -40 on the chosen axes.
PlotState State(CoordinateMode mode, bool normalised) {
  DrawSetting setting;
  setting.rmStart = 0;
  setting.rmEnd = -40;
  setting.pmStart = 0;
  setting.pmEnd = -40;
  return MakePlotState(mode, setting, normalised);
}

class PlotData : public ::testing::Test {
 protected:
  data::PatternFile& Load(const std::string& key, const char* plane, const char* component,
                          data::PointSequence points) {
    data::PatternFile& f = doc.LookUpOrCreate(key);
    f.key = key;
    f.nameFields[data::kFieldCut] = plane;
    f.nameFields[data::kFieldComponent] = component;
    f.kind = data::ClassifyCut(f.nameFields);
    f.points = std::move(points);
    return f;
  }
  data::RecordingMessages messages;
  session::CTessalyUnitDoc doc{messages};
  ColourSettings colours = DefaultColours();
};

}  // namespace

TEST_F(PlotData, CombinedFileSplitsAtItsHorizontalCutAndTurnsItsVerticalCutOnPolarAxesOnly) {
  data::PointSequence points(360, {0.0f, -20.0f});
  for (int i = 0; i < 360; ++i) points[i].fDeg = static_cast<float>(i - 180);
  points.push_back({0.0f, -20.0f});
  points.push_back({90.0f, -20.0f});
  Load("/d/a_msi.msi", "msi", "", points);

  const auto polar = BuildPlotCurves(doc, {"/d/a_msi.msi"}, State(CoordinateMode::Polar, false), colours);
  ASSERT_EQ(polar.size(), 2u);
  EXPECT_EQ(polar[0].points.size(), 360u);
  ASSERT_EQ(polar[1].points.size(), 2u);
  EXPECT_TRUE(polar[1].verticalOfCombined);
  // -20 dB on a 40 dB scale is radius 2000; the vertical cut's 0 degrees points right.
  EXPECT_EQ(polar[1].points[0], (LogicalPoint{2000, 0}));
  EXPECT_EQ(polar[1].points[1], (LogicalPoint{0, 2000}));
  EXPECT_EQ(polar[0].colour, polar[1].colour);

  const auto cartesian = BuildPlotCurves(doc, {"/d/a_msi.msi"}, State(CoordinateMode::Cartesian, false), colours);
  EXPECT_EQ(cartesian[1].points[0], (LogicalPoint{0, -2000}));
  EXPECT_EQ(cartesian[1].points[1], (LogicalPoint{900, -2000}));
}

TEST_F(PlotData, CurvesFollowTheDisplayOrderColoursAndNormalisation) {
  data::PatternFile& co = Load("/d/p1_h_co.cm", "h", "co", {{0.0f, -4.0f}, {90.0f, -10.0f}});
  data::PatternFile& cr = Load("/d/p1_h_cr.cm", "h", "cr", {{0.0f, -24.0f}});
  co.result.hpeak = {0.0f, -4.0f};
  cr.result.hpeak = {0.0f, -24.0f};

  const std::vector<std::string> shown{"/d/p1_h_cr.cm", "/d/not-loaded.cm", "/d/p1_h_co.cm"};
  const auto plain = BuildPlotCurves(doc, shown, State(CoordinateMode::Polar, false), colours);
  ASSERT_EQ(plain.size(), 2u);
  EXPECT_EQ(plain[0].key, "/d/p1_h_cr.cm");
  EXPECT_EQ(plain[0].colour, Rgb(0, 0, 255));
  EXPECT_EQ(plain[1].colour, Rgb(255, 0, 0));
  EXPECT_EQ(plain[1].points[0], (LogicalPoint{0, -3600}));  // -4 dB straight up

  // Normalised: the co-polar maximum goes to the outer circle and the cross-polar cut keeps
  // its 20 dB distance, because it is shifted by its partner's maximum.
  const auto normalised = BuildPlotCurves(doc, shown, State(CoordinateMode::Polar, true), colours);
  EXPECT_EQ(normalised[1].points[0], (LogicalPoint{0, -4000}));
  EXPECT_EQ(normalised[0].points[0], (LogicalPoint{0, -2000}));
}

TEST_F(PlotData, ARotatedSelectionShowsItsBackupDottedBehindItInTheSameColour) {
  data::PatternFile& h = Load("/d/p1_h_co.cm", "h", "co", {{10.0f, -4.0f}});
  h.secondPoints = data::PointSequence{{0.0f, -4.0f}};
  const PlotState state = State(CoordinateMode::Polar, false);
  EXPECT_EQ(BuildPlotCurves(doc, {h.key}, state, colours).size(), 1u) << "backup switched off";
  h.switches[2] = 1;
  const auto curves = BuildPlotCurves(doc, {h.key}, state, colours);
  ASSERT_EQ(curves.size(), 2u);
  EXPECT_TRUE(curves[0].dotted);
  EXPECT_FALSE(curves[1].dotted);
  EXPECT_EQ(curves[0].colour, curves[1].colour);
  EXPECT_EQ(curves[0].points[0], (LogicalPoint{0, -3600}));
}

TEST_F(PlotData, NormalisationShiftsEachCutByItsOwnMaximumAndCrossPolarCutsByTheirPartners) {
  data::PatternFile& msi = Load("/d/a.msi", "msi", "", {});
  msi.result.hpeak = {3.0f, -1.5f};
  msi.result.vmax = {-6.0f, -2.5f};
  EXPECT_EQ(NormalisationOffset(doc, msi, CutPlane::Horizontal), -1.5f);
  EXPECT_EQ(NormalisationOffset(doc, msi, CutPlane::Vertical), -2.5f);

  Load("/d/p1_p45_h_co_1.cm", "h", "co", {}).result.hpeak = {3.0f, -0.75f};
  data::PatternFile& cr = Load("/d/p1_p45_h_cr_1.cm", "h", "cr", {});
  cr.result.hpeak = {3.0f, -20.0f};
  EXPECT_EQ(NormalisationOffset(doc, cr, CutPlane::Horizontal), -0.75f);

  // Without its partner a cross-polar cut stays where it is, and the log says why.
  test::LogCapture log;
  data::PatternFile& lonely = Load("/d/p2_m45_e_cr_1.cm", "e", "cr", {});
  lonely.fileName = "p2_m45_e_cr_1.cm";
  lonely.result.vmax = {-6.0f, -2.5f};
  EXPECT_EQ(NormalisationOffset(doc, lonely, CutPlane::Vertical), 0.0f);
  const std::string text = log.Text();
  EXPECT_NE(text.find("LAST ERROR: "), std::string::npos);
  EXPECT_NE(text.find("(p2_m45_e_cr_1.cm)"), std::string::npos) << text;
}

#include "display/PlotOverlay.h"

#include <gtest/gtest.h>

#include "analysis/IndicatorTable.h"
#include "display/EnvelopeChoice.h"
#include "session/CTessalyUnitDoc.h"
#include "support/TempDir.h"

using namespace lumaret;
using namespace lumaret::display;

namespace {

// START 0, END -40 on either axes.
PlotState State(CoordinateMode mode, bool normalised) {
  DrawSetting setting;
  setting.rmStart = setting.pmStart = 0;
  setting.rmEnd = setting.pmEnd = -40;
  return MakePlotState(mode, setting, normalised);
}

class Overlay : public ::testing::Test {
 protected:
  data::PatternFile& Load(const std::string& key, const char* plane, const char* component, const char* mhz = "1800") {
    data::PatternFile& f = doc.LookUpOrCreate(key);
    f.key = key;
    f.nameFields[data::kFieldCut] = plane;
    f.nameFields[data::kFieldComponent] = component;
    f.nameFields[12] = mhz;
    f.kind = data::ClassifyCut(f.nameFields);
    f.points = {{-10.0f, -20.0f}, {0.0f, -3.0f}, {10.0f, -20.0f}};
    f.result.hpeak = {0.0f, -3.0f};
    f.result.vmax = {-2.0f, -5.0f};
    f.result.vmin = {90.0f, -38.0f};
    f.result.fsuLobe = {12.0f, -18.0f};
    f.result.ssMaxLobe = {-70.0f, -22.0f};
    return f;
  }
  void AddEnvelope(const std::string& path) {
    data::AuxRecord& r = doc.envelopeMap[path];
    r.path = path;
    r.fileName = path.substr(path.rfind('/') + 1);
    r.points = {{-90.0f, -30.0f}, {0.0f, 0.0f}};
  }
  data::RecordingMessages messages;
  session::CTessalyUnitDoc doc{messages};
  ViewSwitches switches;
  MarkerTable table;
};

}  // namespace

TEST_F(Overlay, MarkerPointsFollowThePlaneOfTheFile) {
  const data::PatternFile& v = Load("/d/v.cm", "E", "co");  // the plane test ignores letter case
  const data::PatternFile& h = Load("/d/h.cm", "h", "co");
  struct Row {
    const data::PatternFile& file;
    MarkerKind kind;
    float angle, level;
  } rows[] = {
      {v, MarkerKind::Max, -2.0f, -5.0f},  // Vmax although Hpeak is higher
      {v, MarkerKind::Min, 90.0f, -38.0f},  {h, MarkerKind::Max, 0.0f, -3.0f},
      {h, MarkerKind::Fsu, 12.0f, -18.0f},  {h, MarkerKind::SsMax, -70.0f, -22.0f},
  };
  for (const Row& row : rows) {
    const auto p = MarkerPointOf(row.file, row.kind);
    ASSERT_TRUE(p) << MarkerName(row.kind);
    EXPECT_TRUE(p->key == row.file.key && p->angle == row.angle && p->level == row.level) << MarkerName(row.kind);
  }
  data::PatternFile unset = h;
  unset.result.fsuLobe = {};
  EXPECT_FALSE(MarkerPointOf(unset, MarkerKind::Fsu));
}

TEST_F(Overlay, MarkerCommandsTakeTheFirstDisplayedLoadedFileAndRebuildOnlySwitchedOnMarkers) {
  Load("/d/h.cm", "h", "co");
  Load("/d/v.cm", "e", "co");
  const std::vector<std::string> displayed{"/d/gone.cm", "/d/h.cm", "/d/v.cm"};
  ToggleMarker(doc, displayed, switches, table, MarkerKind::Max);
  EXPECT_TRUE(switches.markerMax);
  EXPECT_EQ(table.points.at("Max").key, "/d/h.cm");

  ToggleMarker(doc, {}, switches, table, MarkerKind::Min);  // nothing displayed: only the switch
  EXPECT_TRUE(switches.markerMin);
  EXPECT_EQ(table.points.count("Min"), 0u);

  RebuildMarkers(doc, {"/d/v.cm"}, switches, table);
  EXPECT_TRUE(table.rebuilt);
  ASSERT_EQ(table.points.size(), 2u);
  EXPECT_FLOAT_EQ(table.points.at("Max").level, -5.0f);
  EXPECT_FLOAT_EQ(table.points.at("Min").angle, 90.0f);

  test::TempDir dir;
  doc.settings.SetPath((dir.path() / "Config.xml").string());
  doc.settings.Write("TRUE", "ID_CLEAR_MARK", analysis::kMenuSection);
  switches.sprDisplay = true;
  EXPECT_TRUE(ClearMarks(doc.settings, switches, table));
  EXPECT_TRUE(table.points.empty());
  EXPECT_FALSE(switches.markerMax || switches.markerMin);
  EXPECT_TRUE(switches.sprDisplay);
  EXPECT_EQ(doc.settings.Read("ID_CLEAR_MARK", analysis::kMenuSection), "FALSE");
}

TEST_F(Overlay, EnvelopeIsTheLastNameMatchInKeyOrderAmongThoseOfTheFilesBand) {
  AddEnvelope("/c/1700_2200/V/v-plane.txt");
  AddEnvelope("/c/1700_2200/V/v-plane xpd.txt");
  AddEnvelope("/c/1700_2200/H/h-plane.txt");
  AddEnvelope("/c/2300_2700/V/v-plane.txt");  // last in key order, but another band
  struct Row {
    const char *plane, *component, *mhz, *chosen;
  } rows[] = {
      {"e", "co", "1800", "/c/1700_2200/V/v-plane.txt"},  // "v-plane xpd.txt" sorts first
      {"e", "cr", "1800", "/c/1700_2200/V/v-plane xpd.txt"},
      {"h", "co", "2200", "/c/1700_2200/H/h-plane.txt"},
      {"e", "co", "2500", "/c/2300_2700/V/v-plane.txt"},
      {"h", "cr", "1800", nullptr},
      {"e", "co", "900", nullptr},
      {"msi", "", "1800", nullptr},
  };
  for (const Row& row : rows) {
    const data::PatternFile& f = Load("/d/f.cm", row.plane, row.component, row.mhz);
    const data::AuxRecord* chosen = ChooseEnvelope(doc.envelopeMap, f);
    EXPECT_EQ(chosen ? chosen->path : "", row.chosen ? row.chosen : "") << row.plane << row.component << row.mhz;
    EXPECT_EQ(AnyEnvelopeFor(doc, {"/d/f.cm"}), row.chosen != nullptr);
  }
}

TEST_F(Overlay, MarkersFollowTheNormalisedShiftEnvelopesStayAbsolute) {
  Load("/d/h.cm", "h", "co");
  AddEnvelope("/c/1700_2200/H/h-plane.txt");
  const std::vector<std::string> displayed{"/d/h.cm"};
  switches.markerMax = true;
  switches.envelope = true;
  RebuildMarkers(doc, displayed, switches, table);
  const PlotState state = State(CoordinateMode::Polar, true);
  const auto curves = BuildPlotCurves(doc, displayed, state, DefaultColours());
  const PlotOverlay overlay = BuildPlotOverlay(doc, displayed, state, switches, table, curves);
  ASSERT_EQ(overlay.markers.size(), 1u);
  EXPECT_EQ(overlay.markers[0].at, (LogicalPoint{0, -4000}));  // -3 dB shifted to 0: the outer circle
  EXPECT_EQ(overlay.markers[0].colour, curves[0].colour);
  EXPECT_EQ(overlay.markers[0].label, "0.0\xC2\xB0 0.00dB");
  ASSERT_EQ(overlay.envelopes.size(), 1u);
  EXPECT_EQ(overlay.envelopes[0].points[1], (LogicalPoint{0, -4000}));  // 0 dB, not shifted
  EXPECT_EQ(overlay.envelopes[0].points[0], PolarPoint(state, -90.0f, -30.0f, 0.0f));
}

TEST_F(Overlay, SprSectorOfTheFirstHorizontalCoPolarFile) {
  Load("/d/v.cm", "e", "co");
  Load("/d/h.cm", "h", "co");
  doc.hPara.SPR_mode = 0;
  doc.hPara.SPR_Xdeg = 60.0f;
  switches.sprDisplay = true;
  const std::vector<std::string> displayed{"/d/v.cm", "/d/h.cm"};
  const PlotState state = State(CoordinateMode::Cartesian, false);
  const auto curves = BuildPlotCurves(doc, displayed, state, DefaultColours());
  const PlotOverlay overlay = BuildPlotOverlay(doc, displayed, state, switches, table, curves);
  ASSERT_TRUE(overlay.spr);
  EXPECT_EQ(overlay.spr->colour, curves[1].colour);
  ASSERT_EQ(overlay.spr->bounds.size(), 2u);
  EXPECT_EQ(overlay.spr->bounds[1].second, (LogicalPoint{CartesianX(60.0f), CartesianY(state, 0.0f, 0.0f)}));
}

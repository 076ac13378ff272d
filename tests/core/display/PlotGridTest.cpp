#include "display/PlotGrid.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace lumaret::display;

namespace {

using Kind = GridItem::Kind;

std::vector<GridItem> Only(const std::vector<GridItem>& items, Kind kind, int fontPixelHeight = -1) {
  std::vector<GridItem> out;
  for (const auto& i : items)
    if (i.kind == kind && (fontPixelHeight < 0 || i.fontPixelHeight == fontPixelHeight)) out.push_back(i);
  return out;
}

std::vector<std::string> Texts(const std::vector<GridItem>& items, int fontPixelHeight) {
  std::vector<std::string> out;
  for (const auto& i : Only(items, Kind::Text, fontPixelHeight)) out.push_back(i.text);
  return out;
}

// Default polar Draw setting (START 0, END -30) in a 560 x 560 area: 3000 logical = 200 px.
struct PolarGridFixture {
  PlotState state = MakePlotState(CoordinateMode::Polar, DrawSetting{}, false);
  PlotMapping mapping = PolarScreenMapping(state, 560, 560);
  GridColours colours{Rgb(1, 2, 3), Rgb(4, 5, 6)};
};

}  // namespace

TEST(PlotGrid, PolarCirclesFollowTheScaleAndLineSteps) {
  PolarGridFixture f;
  std::vector<int> radii;
  for (const auto& c : Only(PolarGrid(f.state, f.mapping, f.colours, false), Kind::Circle)) radii.push_back(c.radius);
  // Scale circles every 5 dB, then fine circles every 10 dB, then the thick outline.
  EXPECT_EQ(radii, (std::vector<int>{3000, 2500, 2000, 1500, 1000, 500, 3000, 2000, 1000, 3000}));
}

TEST(PlotGrid, PolarLabelsSkipTheQuarterAnglesAndTheCentreLevel) {
  PolarGridFixture f;
  const auto items = PolarGrid(f.state, f.mapping, f.colours, false);
  const auto fixedAndAngles = Texts(items, 20);
  const std::vector<std::string> expected = {"0°",  "0dB", "180°", "0dB",  "270°", "0dB",  "90°",  "0dB",
                                             "30°", "60°", "120°", "150°", "210°", "240°", "300°", "330°"};
  EXPECT_EQ(fixedAndAngles, expected);
  EXPECT_EQ(Texts(items, 18), (std::vector<std::string>{"-20", "-10"}));
  // "90°" sits 15 px right of the right end of the horizontal diameter: 15 px = 225 logical.
  const auto labels = Only(items, Kind::Text, 20);
  EXPECT_EQ(labels[6].from, (LogicalPoint{3000 + 225, -450}));
}

TEST(PlotGrid, NonPositiveStepsDrawNoLinesInsteadOfLoopingForever) {
  DrawSetting setting;
  setting.rmScaleDistance = 0;
  setting.rmLineDistance = -5;
  setting.rxLineDistance = 0;
  setting.rxScaleDistance = 0;
  const PlotState s = MakePlotState(CoordinateMode::Polar, setting, false);
  const auto items = PolarGrid(s, PolarScreenMapping(s, 560, 560), GridColours{}, false);
  EXPECT_EQ(Only(items, Kind::Circle).size(), 1u);  // the outline only
}

TEST(PlotGrid, CartesianGridLabelsAndReferenceLine) {
  const PlotState s = MakePlotState(CoordinateMode::Cartesian, DrawSetting{}, false);
  const PlotMapping m = CartesianScreenMapping(s, 850, 550);
  const auto items = CartesianGrid(s, m, GridColours{}, true);
  const auto texts = Texts(items, 12);
  const std::vector<std::string> expected = {"-180°", "-150°", "-120°", "-90°", "-60°", "-30°", "0°",  "30°",
                                             "60°",   "90°",   "120°",  "150°", "180°", "-50",  "-45", "-40",
                                             "-35",   "-30",   "-25",   "-20",  "-15",  "-10",  "-5",  "0",
                                             "Unit:Degrees",   "Unit:dB", "-3dB"};
  EXPECT_EQ(texts, expected);
  const auto lines = Only(items, Kind::Line);
  const auto reference = std::find_if(lines.begin(), lines.end(),
                                      [](const GridItem& l) { return l.pen.style == PenStyle::Dotted; });
  ASSERT_NE(reference, lines.end());
  EXPECT_EQ(reference->from, (LogicalPoint{-1800, -300}));
  EXPECT_EQ(reference->to, (LogicalPoint{1800, -300}));
}

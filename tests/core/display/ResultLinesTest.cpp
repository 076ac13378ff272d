#include "display/ResultLines.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "data/UserMessages.h"

using namespace lumaret;
using namespace lumaret::display;
using analysis::Indicator;
using Lines = std::vector<std::string>;

namespace {

struct TextFixture {
  analysis::IndicatorFlags flags;
  analysis::HPara h;
  analysis::VPara v;
  TextFixture() { flags.SetAll(true); }
  ResultTextSettings Settings() const { return {flags, h, v}; }
};

data::PatternFile FileOf(const char* plane, const char* component) {
  data::PatternFile f;
  f.nameFields[data::kFieldCut] = plane;
  f.nameFields[data::kFieldComponent] = component;
  f.kind = data::ClassifyCut(f.nameFields);
  return f;
}

}  // namespace

TEST(ResultLines, RadiationLinesFormatEveryValueAndShowEfficiencyInPercent) {
  TextFixture f;
  data::PerformanceResult r;
  r.gain = 17.456f;
  r.directivity = 18.0f;
  r.losses = 0.544f;
  r.eff = 0.85f;
  r.gfr = 1.25f;
  EXPECT_EQ(RadiationLines(f.Settings(), r),
            (Lines{"Gain : 17.46dBi", "Directivity : 18.00dBi", "Losses : 0.54dB", "Eff : 85.00%", "GFR : 1.25dB"}));
  f.flags.Set(Indicator::Directivity, false);
  r.gfr = data::kUnset;
  EXPECT_EQ(RadiationLines(f.Settings(), r), (Lines{"Gain : 17.46dBi", "Losses : 0.54dB", "Eff : 85.00%"}));

  // A missing gain hides the other radiation values only when the gain is selected.
  r.gain = data::kUnset;
  f.flags.Set(Indicator::Directivity, true);
  EXPECT_TRUE(RadiationLines(f.Settings(), r).empty());
  EXPECT_EQ(r.directivity, 18.0f) << "the text leaves the record as it is";
  f.flags.Set(Indicator::Gain, false);
  EXPECT_EQ(RadiationLines(f.Settings(), r).size(), 3u);
}

// Where the programs show the texts, the rule is made lasting on the files of the gain plane.
TEST(ResultLines, RadiationRuleUnsetsTheValuesOfShownGainPlaneFilesWithoutGain) {
  data::RecordingMessages messages;
  analysis::AnalysisDocument doc(messages);
  doc.indicators.SetAll(true);
  doc.vPara.gainCut.gainCut = 0;
  for (auto [key, plane] : {std::pair{"h", "h"}, std::pair{"e", "e"}}) {
    data::PatternFile f = FileOf(plane, "co");
    f.result.directivity = 18.0f;
    f.result.gfr = 0.5f;
    doc.patterns[key] = f;
  }
  ApplyRadiationRule(doc, {"h", "e", "absent"});
  EXPECT_EQ(doc.patterns["h"].result.directivity, data::kUnset);
  EXPECT_EQ(doc.patterns["h"].result.gfr, data::kUnset);
  EXPECT_EQ(doc.patterns["e"].result.directivity, 18.0f) << "not the gain plane";
}

TEST(ResultLines, RadiationLinesBelongToTheGainPlaneOnly) {
  TextFixture f;
  data::PatternFile hco = FileOf("h", "co"), vco = FileOf("e", "co");
  hco.result.gain = vco.result.gain = 15.0f;
  f.v.gainCut.gainCut = 0;
  EXPECT_EQ(CatalogueLines(f.Settings(), hco).front(), "Gain : 15.00dBi");
  EXPECT_NE(CatalogueLines(f.Settings(), vco).front(), "Gain : 15.00dBi");
  f.v.gainCut.gainCut = 1;
  EXPECT_NE(CatalogueLines(f.Settings(), hco).front(), "Gain : 15.00dBi");
  EXPECT_EQ(CatalogueLines(f.Settings(), vco).front(), "Gain : 15.00dBi");
}

TEST(ResultLines, HorizontalCoLinesInOrderWithSettingsInTheLabels) {
  TextFixture f;
  f.h.HBW_XdB = 10.0f;
  f.h.PX_deg = 60;
  f.h.NX_deg = 45;
  f.h.THP_mode = 1;
  f.h.THP_XdB = {3.0f, 10.0f};
  data::PerformanceResult r;
  r.hpeak = {0.0f, -1.5f};
  r.hbw = 65.25f;
  r.hbwXdB = 120.0f;
  r.pxLevel = -9.0f;
  r.nxLevel = -8.0f;
  r.fbrCo = 25.0f;
  r.ssMax = {40.0f, -18.0f};
  r.roundness = 1.0f;
  r.squint = 2.0f;
  r.hps = 3.0f;
  r.thp = data::UnsetList();
  r.thp[0] = 1.1f;
  r.thp[1] = 2.2f;
  r.thp10dB = 4.0f;
  r.spr = 0.0123f;
  // Unchecked lines print even unset values; SquintError (checked) is left out.
  const Lines expected = {"H-Max Level : -1.50dB", "HBW : 65.25°",          "HBW 10dB : 120.00°",
                          "+60° Level : -9.00dB",  "-45° Level : -8.00dB",  "FBR CO : 25.00dB",
                          "SS Max : -18.00dB",     "Roundness : 1.00dB",    "Squint : 2.00°",
                          "HPS : 3.00dB",          "Lean : -999.00°",       "THP 3dB : 1.10dB",
                          "THP 10dB : 2.20dB",     "THP 10dB : 4.00dB",     "SPR60° u/s: 1.2300%"};
  EXPECT_EQ(HorizontalCoLines(f.Settings(), r), expected);
}

TEST(ResultLines, ThpLinesFollowTheModeAndNeedTheFirstValue) {
  TextFixture f;
  data::PerformanceResult r;
  r.thp[0] = 1.5f;
  f.h.THP_mode = 0;
  f.h.THP_Xdeg = 60.0f;
  EXPECT_EQ(ThpLines(f.Settings(), r), (Lines{"THP 60 : 1.50dB"}));
  f.h.THP_mode = 1;
  f.h.THP_XdB.assign(12, 3.0f);  // more drops than result slots
  EXPECT_EQ(ThpLines(f.Settings(), r).size(), 10u);
  r.thp[0] = data::kUnset;
  r.thp[1] = 2.0f;
  EXPECT_TRUE(ThpLines(f.Settings(), r).empty());
}

TEST(ResultLines, SprLineLabelAndRatioByTypeAndMode) {
  struct Case {
    int type, mode;
    const char* expected;  // "" = no line
  };
  const Case cases[] = {
      {0, 0, "SPR60° u/s: 4.5600%"}, {1, 0, "SPR60° s/u: 4.5600%"}, {2, 1, "SPR10dB s/t: 4.5600%"},
      {3, 1, "SPR10dB u/t: 4.5600%"}, {4, 0, ""},                    {-1, 0, ""},
  };
  for (const auto& c : cases) {
    TextFixture f;
    f.h.SPR_ratio = c.type;
    f.h.SPR_mode = c.mode;
    f.h.SPR_Xdeg = 60.0f;
    f.h.SPR_XdB = 10.0f;
    data::PerformanceResult r;
    r.spr = 0.0456f;
    const Lines lines = SprLines(f.Settings(), r);
    EXPECT_EQ(lines, std::string(c.expected).empty() ? Lines{} : Lines{c.expected}) << c.type;
  }
}

TEST(ResultLines, SsWalksStopAtAnEmptyStartAndPassOverDeepValuesOnlyInTheFirstWalk) {
  analysis::VPara v;
  const std::vector<std::pair<std::string, std::string>> ranges = {{"-90", "-60"}, {"-60", "-40"}, {"", "-20"},
                                                                   {"3", "10"}};
  data::ResultList values = data::UnsetList();
  values[0] = -250.0f;
  values[1] = -12.5f;
  values[2] = -20.0f;
  values[3] = -30.0f;
  struct Case {
    const char* manual;
    const char* automatic;
    Lines expected;
  };
  const Case cases[] = {
      {"TRUE", "FALSE", {"SS -60°~-40° : -12.50dB"}},
      {"FALSE", "TRUE",
       {"SS -90°~-60° : -250.00dB", "SS -60°~-40° : -12.50dB", "SS °~-20° : -20.00dB", "SS 3°~10° : -30.00dB"}},
      {"TRUE", "TRUE",
       {"SS -60°~-40° : -12.50dB", "SS -90°~-60° : -250.00dB", "SS -60°~-40° : -12.50dB", "SS °~-20° : -20.00dB",
        "SS 3°~10° : -30.00dB"}},
      {"true", "FALSE", {}},
  };
  for (const auto& c : cases) {
    v.manual = c.manual;
    v.automatic = c.automatic;
    EXPECT_EQ(SsRangeLines(v, ranges, values), c.expected) << c.manual << "/" << c.automatic;
  }
}

TEST(ResultLines, AutomaticModePrintsTheRangesTheFileWasComputedFor) {
  TextFixture f;
  f.flags.SetAll(false);
  f.flags.Set(Indicator::SS, true);
  f.v.manual = "FALSE";
  f.v.automatic = "TRUE";
  f.v.ssRanges = {{"-90", "-60"}};
  data::PatternFile file = FileOf("e", "co");
  file.ssRangesUsed = {{"5", "15"}};
  file.result.ss[0] = -21.0f;
  EXPECT_EQ(VerticalCoLines(f.Settings(), file), (Lines{"SS 5°~15° : -21.00dB"}));
  f.v.manual = "TRUE";
  f.v.automatic = "FALSE";
  EXPECT_EQ(VerticalCoLines(f.Settings(), file), (Lines{"SS -90°~-60° : -21.00dB"}));
}

TEST(ResultLines, CrossPolarLinesAreCheckedAndCarryTheirSettings) {
  TextFixture f;
  f.h.XPD_Xdeg = 20.0f;
  f.h.XPD_XdB = 3.0f;
  f.v.VXPD_XdB = 3.0f;
  data::PerformanceResult r;
  r.fbrXp = 30.0f;
  r.xpdX = 12.0f;
  r.xpdXdB = 14.0f;
  EXPECT_EQ(HorizontalCrossLines(f.Settings(), r),
            (Lines{"FBR XP : 30.00dB", "XPD 20° : 12.00dB", "XPD 3dB : 14.00dB"}));
  r.vxpd0 = 22.0f;
  r.vxpdXdB = 18.0f;
  EXPECT_EQ(VerticalCrossLines(f.Settings(), r), (Lines{"V-XPD 0° : 22.00dB", "V-XPD 3dB : 18.00dB"}));
}

TEST(ResultLines, VerticalCoLinesShowVbrAsPercentAndSuppressionsByFlag) {
  TextFixture f;
  f.flags.SetAll(false);
  for (Indicator i : {Indicator::VBRr, Indicator::VBRs, Indicator::VBR10dB, Indicator::SSU, Indicator::FN})
    f.flags.Set(i, true);
  data::PatternFile file = FileOf("e", "co");
  file.result.vbrR = 0.5f;
  file.result.vbrU = 1.25f;
  file.result.ssu = {12.0f, 17.5f};
  EXPECT_EQ(VerticalCoLines(f.Settings(), file),
            (Lines{"VBR(r) : 0.50%", "VBR(u) : 1.25%", "VBR(10dB) : -999.00%", "SSU : 17.50dB", "F. N : -999.00°"}));
}

TEST(ResultLines, CombinedFileShowsGainWhateverTheSelection) {
  TextFixture f;
  f.flags.SetAll(false);
  f.flags.Set(Indicator::HBW3dB, true);
  data::PatternFile file = FileOf("msi", "");
  file.result.gain = 16.0f;
  file.result.vbw = 7.0f;
  file.result.hbw = 65.0f;
  EXPECT_EQ(CatalogueLines(f.Settings(), file), (Lines{"Gain : 16.00dBi", "HBW : 65.00°"}));
  file.result.gain = data::kUnset;
  EXPECT_EQ(CatalogueLines(f.Settings(), file), (Lines{"HBW : 65.00°"}));
}

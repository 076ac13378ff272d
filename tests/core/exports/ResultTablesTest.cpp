#include "exports/ResultTables.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/UserMessages.h"
#include "support/CutBuilder.h"
#include "support/LogCapture.h"

namespace lumaret::exports {
namespace {

using analysis::Indicator;

constexpr const char* kFolder = "/camp/1700_2200_ANTX65_20261206_A_B";

class ResultTableTest : public ::testing::Test {
 protected:
  ResultTableTest() : doc(messages) { doc.indicators.SetAll(true); }

  // A split cut "<port>_<pol>_<cut>_<component>_<tilt>_0_<freq>.cm".
  data::PerformanceResult& Add(const std::string& name) {
    data::PatternFile& f = test::AddSplitCut(doc.patterns, kFolder, name + ".cm", test::AsymmetricBeam());
    return keys.emplace_back(f.key), f.result;
  }
  data::PerformanceResult& AddCombined(const std::string& key, const std::string& name, float mhz) {
    data::PatternFile& f = doc.patterns[key];
    f.key = f.fileName = keys.emplace_back(key);
    f.kind = data::CutKind::Combined;
    f.line2Value = mhz;
    f.declaredHeader = {{"NAME", name}, {"FREQUENCY", std::to_string(static_cast<int>(mhz)) + " MHz"}};
    return f.result;
  }

  std::vector<ResultGroup> Build() const { return BuildResultGroups(doc, keys); }

  // The cells of the group's table under the header as "text/mark"; none when it is absent.
  static std::vector<std::string> Cells(const ResultGroup& g, const std::string& header) {
    std::vector<std::string> out;
    for (const ResultTable& t : g.tables)
      if (t.header == header)
        for (const ResultCell& c : t.values) out.push_back(c.text + "/" + std::to_string(c.mark));
    return out;
  }
  static std::vector<std::string> Headers(const ResultGroup& g) {
    std::vector<std::string> out;
    for (const ResultTable& t : g.tables) out.push_back(t.header);
    return out;
  }

  data::RecordingMessages messages;
  analysis::AnalysisDocument doc;
  std::vector<std::string> keys;
};

// Of two files of one kind and frequency, the first in key order fills the row.
TEST_F(ResultTableTest, GroupsByPortPolarizationTiltWithNumericFrequencyRows) {
  test::LogCapture log;
  Add("P1_p45_h_co_2_0_900_b").hbw = 70.0f;
  Add("P2_p45_h_co_2_0_900").hbw = 65.0f;
  Add("P1_p45_h_co_2_0_1710").hbw = 66.0f;
  Add("P1_p45_h_co_2_0_900").hbw = 67.0f;
  Add("P1_m45_h_co_2_0_900");
  Add("P1_p45_h_co_6_0_900");
  const auto groups = Build();
  ASSERT_EQ(groups.size(), 4u);
  std::vector<std::string> names;
  for (const auto& g : groups) names.push_back(g.name);
  EXPECT_EQ(names, (std::vector<std::string>{"P1_m45_2", "P1_p45_2", "P1_p45_6", "P2_p45_2"}));
  EXPECT_EQ(groups[1].tilt, "2");
  EXPECT_EQ(groups[1].frequencies, (std::vector<double>{900.0, 1710.0}));
  EXPECT_EQ(Cells(groups[1], "HBW\n(\xC2\xB0)"), (std::vector<std::string>{"67.00/1", "66.00/1"}));
  EXPECT_NE(log.Text().find("P1_p45_h_co_2_0_900_b.cm is left out"), std::string::npos);
}

// Each table reads the file of its kind; a missing file or an unset value gives "-", mark 0;
// a deselected indicator has no table.
TEST_F(ResultTableTest, FillsEachTableFromItsKindOfCut) {
  data::PerformanceResult& coh = Add("P1_p45_h_co_2_0_900");
  coh.hbw = 65.0f;
  coh.roundness = 1.0f;
  coh.spr = 0.0123f;
  coh.thp[1] = 2.5f;
  coh.hpeak.fMag = -0.001f;  // "%.2f" would give "-0.00"
  Add("P1_p45_h_cr_2_0_900").xpdX = 21.0f;
  data::PerformanceResult& coe = Add("P1_p45_e_co_2_0_900");
  coe.vbw = 7.0f;
  coe.hbw = 99.0f;  // a vertical file's HBW is not the group's
  coe.ss[2] = -18.25f;
  Add("P1_p45_e_cr_2_0_900").vxpdXdB = 12.0f;
  doc.indicators.Set(Indicator::Roundness, false);
  doc.hPara.THP_XdB = {3.0f, 10.0f};
  doc.vPara.manual = "TRUE";
  doc.vPara.ssRanges = {{"0", "20"}, {"", ""}, {"30", "90"}};
  const auto groups = Build();
  ASSERT_EQ(groups.size(), 1u);
  const struct {
    const char* header;
    std::vector<std::string> cells;
  } cases[] = {
      {"HBW\n(\xC2\xB0)", {"65.00/1"}},     {"VBW\n(\xC2\xB0)", {"7.00/1"}},
      {"XPD 20\n(dB)", {"21.00/1"}},        {"V-XPD 3dB\n(dB)", {"12.00/1"}},
      {"THP\n(3dB) ", {"-/0"}},             {"THP\n(10dB) ", {"2.50/1"}},
      {"SPR(60\xC2\xB0)\n u/s(%)", {"1.23/1"}}, {"SS 30\xC2\xB0~90\xC2\xB0\n(dB)", {"-18.25/1"}},
      {"SS 0\xC2\xB0~20\xC2\xB0\n(dB)", {"-/0"}}, {"HBW 10dB\n(\xC2\xB0)", {"-/0"}},
      {"Roundness\n(dB)", {}},              {"SS \xC2\xB0~\xC2\xB0\n(dB)", {}},
      {"H-Max Level\n(dB)", {"0.00/1"}},
  };
  for (const auto& c : cases) EXPECT_EQ(Cells(groups[0], c.header), c.cells) << c.header;
  EXPECT_EQ(Headers(groups[0]).front(), "Gain\n(dBi)");
}

TEST_F(ResultTableTest, RadiationValuesComeFromTheGainPlaneUnderTheRule) {
  data::PerformanceResult& h = Add("P1_p45_h_co_2_0_900");
  h.directivity = 18.0f;
  h.eff = 0.875f;
  data::PerformanceResult& e = Add("P1_p45_e_co_2_0_900");
  e.gain = 17.0f;
  e.directivity = 19.0f;
  e.eff = 0.5f;
  const struct {
    int gainCut;
    bool gainSelected;
    std::vector<std::string> directivity, eff;
  } cases[] = {
      {0, true, {"-/0"}, {"-/0"}},           // horizontal plane, gain unset: hidden
      {0, false, {"18.00/1"}, {"87.50/1"}},  // the rule needs the Gain indicator
      {1, true, {"19.00/1"}, {"50.00/1"}},   // vertical plane
  };
  for (const auto& c : cases) {
    doc.vPara.gainCut.gainCut = c.gainCut;
    doc.indicators.Set(Indicator::Gain, c.gainSelected);
    const auto groups = Build();
    ASSERT_EQ(groups.size(), 1u);
    EXPECT_EQ(Cells(groups[0], "Directivity\n(dBi)"), c.directivity) << c.gainCut << c.gainSelected;
    EXPECT_EQ(Cells(groups[0], "Eff.\n(%)"), c.eff) << c.gainCut << c.gainSelected;
  }
  EXPECT_EQ(h.directivity, 18.0f);  // the document is left as it was
}

TEST_F(ResultTableTest, CombinedFilesGroupByNameWithoutTheirFrequency) {
  AddCombined("/c/a1710.msi", "ANT 1710", 1710.0f).gain = 17.0f;
  AddCombined("/c/a900.msi", "ANT 900", 900.0f).hbw = 65.0f;
  AddCombined("/c/b900.msi", "BNT 900", 900.0f);
  doc.indicators.Set(Indicator::Gain, false);  // a combined file's gain is listed anyway
  const auto groups = Build();
  ASSERT_EQ(groups.size(), 2u);
  EXPECT_EQ(groups[0].name, "ANT");
  EXPECT_EQ(groups[0].frequencies, (std::vector<double>{900.0, 1710.0}));
  EXPECT_EQ(Headers(groups[0]), (std::vector<std::string>{"Gain\n(dBi)", "HBW\n(\xC2\xB0)", "VBW\n(\xC2\xB0)"}));
  EXPECT_EQ(Cells(groups[0], "Gain\n(dBi)"), (std::vector<std::string>{"-/0", "17.00/1"}));
  EXPECT_EQ(groups[1].name, "BNT");
}

}  // namespace
}  // namespace lumaret::exports

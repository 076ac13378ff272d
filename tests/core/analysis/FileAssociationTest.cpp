#include "analysis/FileAssociation.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "session/CTessalyUnitDoc.h"

using namespace lumaret::data;
using namespace lumaret::analysis;

namespace {

struct KeyCase {
  const char* key;
  const char* expected;
};

class AssociationTest : public ::testing::Test {
 protected:
  PatternFile& Load(const std::string& key, const std::string& portMode = "") {
    PatternFile& f = doc.LookUpOrCreate(key);
    f.key = key;
    f.nameFields[kFieldPortMode] = portMode;
    return f;
  }
  RecordingMessages messages;
  lumaret::session::CTessalyUnitDoc doc{messages};
};

}  // namespace

TEST(FileAssociation, PortNumberReadsAllTrailingDigitsOfTheHead) {
  const KeyCase cases[] = {
      {"/d/c/p3_p45_h_co.msi", "3"},   {"/d/c/p10_p45_h_co.msi", "10"}, {"/d/c/a1b1_p45_h.msi", "1"},
      {"/d/c/pa_p45_h_co.msi", "0"},   {"/d/c9/p_p45_h.msi", "0"},      {"/d/c/p17.msi", "0"},
      {"/d/c/p020_p45.msi", "20"},     {"p7_x", "7"},
  };
  for (const auto& c : cases) EXPECT_EQ(std::to_string(PortNumber(c.key)), c.expected) << c.key;
}

TEST(FileAssociation, PolarAndCutPartnersChangeOnlyTheFileName) {
  const KeyCase polar[] = {
      {"/m/x_co_+45/p1_h_co_+45.msi", "/m/x_co_+45/p1_h_cr_-45.msi"},
      {"/m/camp/p1_h_cr_-45.msi", "/m/camp/p1_h_co_+45.msi"},
      {"/m/camp/p1_v90_e_co.msi", "/m/camp/p1_v90_e_cr.msi"},
      {"/m/camp/p1_v90_e_xx.msi", "/m/camp/p1_v90_e_xx.msi"},  // neither marker: unchanged
  };
  for (const auto& c : polar) EXPECT_EQ(PolarPartner(c.key), c.expected) << c.key;

  const KeyCase cut[] = {
      {"/m/a_e_h/p1_p45_e_co.msi", "/m/a_e_h/p1_p45_h_co.msi"},
      {"/m/a_e_h/p1_p45_h_co.msi", "/m/a_e_h/p1_p45_e_co.msi"},
  };
  for (const auto& c : cut) EXPECT_EQ(CutPartner(c.key), c.expected) << c.key;
}

// Regressions among these: the port used to be the last character of the head only, so
// "p10" read as port 0 and paired with "p1-1", and "a1b1" became "a2b2"; and the new head
// used to replace the old head everywhere in the key, turning a freshly written "_p45"
// into "_p35" and renaming folders such as "camp1" or "pattern".
TEST_F(AssociationTest, SlantPartnerRenumbersTheHeadOfTheFileNameOnly) {
  const KeyCase cases[] = {
      {"/m/camp/p3_p45_h_co.msi", "/m/camp/p4_m45_h_co.msi"},
      {"/m/camp/p4_m45_h_co.msi", "/m/camp/p3_p45_h_co.msi"},
      {"/m/camp/p1_h_co_+45.msi", "/m/camp/p1_h_co_-45.msi"},  // no _p45/_m45: port stays
      {"/m/camp/p3_v90_e_co.msi", "/m/camp/p3_v90_e_co.msi"},
      {"/m/camp/p9_p45_h_co.msi", "/m/camp/p10_m45_h_co.msi"},
      {"/m/camp/p10_m45_h_co.msi", "/m/camp/p9_p45_h_co.msi"},
      {"/m/camp/p19_p45_h_co.msi", "/m/camp/p20_m45_h_co.msi"},
      {"/m/camp/a1b1_p45_h_co.msi", "/m/camp/a1b2_m45_h_co.msi"},
      {"/m/camp/pa_p45_h_co.msi", "/m/camp/p-1_m45_h_co.msi"},
      {"/m/camp1/p1_p45_h_co.msi", "/m/camp1/p2_m45_h_co.msi"},
      {"/m/pattern/pa_p45_h_co.msi", "/m/pattern/p-1_m45_h_co.msi"},
      // The slant markers themselves are still swapped in the whole key.
      {"/m/x_p45_+45/p1_p45_h_co_+45.msi", "/m/x_m45_-45/p2_m45_h_co_-45.msi"},
  };
  for (const auto& c : cases) EXPECT_EQ(SlantPartner(doc, c.key), c.expected) << c.key;
}

TEST_F(AssociationTest, SlantPartnerInTdModeReadsTheModeFromTheLoadedRecord) {
  Load("/m/camp/p3_p45_h_co_0_0_1800_td.msi", "td");
  Load("/m/camp/p7_m45_h_co_0_0_1800_td.msi", "td");
  Load("/m/camp/p12_p45_h_co_0_0_1800_td.msi", "td");
  const KeyCase cases[] = {
      {"/m/camp/p3_p45_h_co_0_0_1800_td.msi", "/m/camp/p7_m45_h_co_0_0_1800_td.msi"},
      {"/m/camp/p7_m45_h_co_0_0_1800_td.msi", "/m/camp/p3_p45_h_co_0_0_1800_td.msi"},
      {"/m/camp/p12_p45_h_co_0_0_1800_td.msi", "/m/camp/p8_m45_h_co_0_0_1800_td.msi"},
      // The same name not loaded pairs 3 with 4.
      {"/m/other/p3_p45_h_co_0_0_1800_td.msi", "/m/other/p4_m45_h_co_0_0_1800_td.msi"},
  };
  for (const auto& c : cases) EXPECT_EQ(SlantPartner(doc, c.key), c.expected) << c.key;
}

TEST(FileAssociation, SwitchInterplay) {
  struct Step {
    AssociationSwitch which;
    bool on;
    std::array<bool, 4> expected;  // none, polar, cut, slant
  };
  AssociationSwitches s{false, true, true, true};
  const Step steps[] = {
      {AssociationSwitch::None, true, {true, false, false, false}},
      {AssociationSwitch::Cut, true, {false, false, true, false}},
      {AssociationSwitch::Slant, true, {false, false, true, true}},
      {AssociationSwitch::Cut, false, {false, false, false, true}},
      {AssociationSwitch::Slant, false, {false, false, false, false}},  // nothing else changes
      {AssociationSwitch::Polar, true, {false, true, false, false}},
      {AssociationSwitch::None, true, {true, false, false, false}},
      {AssociationSwitch::None, false, {false, false, false, false}},
  };
  int i = 0;
  for (const auto& step : steps) {
    SetAssociation(s, step.which, step.on);
    EXPECT_EQ((std::array<bool, 4>{s.noAssociation, s.polar, s.cut, s.slant}), step.expected) << "step " << i++;
  }
}

TEST_F(AssociationTest, ExpandSelectionFollowsEachSwitchCombination) {
  const std::string dir = "/m/camp/";
  for (const char* port : {"p1_p45", "p2_m45"})
    for (const char* cut : {"_h", "_e"})
      for (const char* comp : {"_co", "_cr"}) Load(dir + port + cut + comp + ".msi");
  auto k = [&](const char* name) { return dir + name + ".msi"; };
  struct Combination {
    bool polar, cut, slant;
    std::vector<std::string> expected;
  };
  const std::vector<Combination> combinations = {
      {false, false, false, {k("p1_p45_h_co")}},
      {true, false, false, {k("p1_p45_h_co"), k("p1_p45_h_cr")}},
      {false, true, false, {k("p1_p45_h_co"), k("p1_p45_e_co")}},
      {true, true, false, {k("p1_p45_h_co"), k("p1_p45_h_cr"), k("p1_p45_e_co"), k("p1_p45_e_cr")}},
      {false, false, true, {k("p1_p45_h_co"), k("p2_m45_h_co")}},
      {true, false, true, {k("p1_p45_h_co"), k("p1_p45_h_cr"), k("p2_m45_h_co"), k("p2_m45_h_cr")}},
      {false, true, true, {k("p1_p45_h_co"), k("p2_m45_h_co"), k("p2_m45_e_co"), k("p1_p45_e_co")}},
      {true, true, true,
       {k("p1_p45_h_co"), k("p1_p45_h_cr"), k("p2_m45_h_co"), k("p2_m45_h_cr"), k("p2_m45_e_co"), k("p2_m45_e_cr"),
        k("p1_p45_e_co"), k("p1_p45_e_cr")}},
  };
  for (const auto& c : combinations) {
    doc.currentSelection.clear();
    doc.secondKeys.clear();
    doc.association = {false, c.polar, c.cut, c.slant};
    ExpandSelection(doc, k("p1_p45_h_co"));
    EXPECT_EQ(doc.currentSelection, c.expected) << c.polar << c.cut << c.slant;
    EXPECT_EQ(doc.secondKeys, c.expected) << c.polar << c.cut << c.slant;
  }
}

TEST_F(AssociationTest, ExpandSelectionSkipsMissingAndAlreadySelectedPartners) {
  Load("/m/camp/p1_p45_h_co.msi");
  Load("/m/camp/p1_p45_e_co.msi");
  doc.association = {false, true, true, true};
  doc.currentSelection = {"/m/camp/p1_p45_e_co.msi"};
  ExpandSelection(doc, "/m/camp/p1_p45_h_co.msi");
  EXPECT_EQ(doc.currentSelection,
            (std::vector<std::string>{"/m/camp/p1_p45_e_co.msi", "/m/camp/p1_p45_h_co.msi"}));
  // A key already selected stops the expansion before anything is added.
  ExpandSelection(doc, "/m/camp/p1_p45_e_co.msi");
  EXPECT_EQ(doc.currentSelection.size(), 2u);
  EXPECT_EQ(doc.secondKeys, (std::vector<std::string>{"/m/camp/p1_p45_h_co.msi"}));
}

#include "session/DisplayedFiles.h"

#include <gtest/gtest.h>

#include "support/CutBuilder.h"

using namespace lumaret;

TEST(DisplayedFiles, AClickShowsTheChosenFilesWithTheirPartnersAnalysed) {
  data::RecordingMessages messages;
  session::CTessalyUnitDoc doc{messages};
  const std::string folder = "/camp/1700_2200_ANTX65_20261206_A_B";
  for (const char* name : {"P1_p45_h_co_2_0_1710.cm", "P1_p45_h_cr_2_0_1710.cm", "P2_m45_h_co_2_0_1710.cm"}) {
    data::PatternFile f = test::SplitCutFile(folder, name, test::SampledCut(-180, 180, 1, test::GaussianBeam(0, 65, -40)));
    doc.patterns[f.key] = std::move(f);
  }
  const std::string co = data::ToKey(folder + "/P1_p45_h_co_2_0_1710.cm");
  const std::string cr = data::ToKey(folder + "/P1_p45_h_cr_2_0_1710.cm");
  doc.currentSelection = {"/stale/key.cm"};

  const auto& shown = session::ChooseDisplayedFiles(doc, {co, "/not/loaded.cm"});
  EXPECT_EQ(shown, (std::vector<std::string>{co, cr}));
  EXPECT_EQ(&shown, &session::DisplayedFiles(doc));
  EXPECT_NEAR(doc.patterns[co].result.hbw, 65.0f, 1.0f);

  doc.association.polar = false;
  EXPECT_EQ(session::ChooseDisplayedFiles(doc, {co}), (std::vector<std::string>{co}));
}

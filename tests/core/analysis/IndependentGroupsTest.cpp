#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/AnalysisDriver.h"
#include "data/UserMessages.h"
#include "support/CutBuilder.h"

namespace lumaret::analysis {
namespace {

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

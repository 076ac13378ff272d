#include "display/DirectivityTrend.h"

#include <gtest/gtest.h>

#include "session/CTessalyUnitDoc.h"
#include "support/CutBuilder.h"

namespace lumaret::display {
namespace {

TEST(DirectivityTrendTest, GroupsByTheSixNameFieldsAndSortsByFrequency) {
  data::RecordingMessages messages;
  session::CTessalyUnitDoc doc(messages);
  const struct {
    const char* name;
    float directivity;
  } files[] = {
      {"P1_p45_h_co_4_0_2170.cm", 18.5f}, {"P1_p45_h_co_4_0_1710.cm", 17.0f}, {"P2_m45_h_co_4_0_1940.cm", 17.9f},
      {"P1_p45_h_co_4_0_1940.cm", data::kUnset},  // not analysed: left out
  };
  for (const auto& f : files) {
    data::PatternFile file = test::SplitCutFile("/m/1700_2200_ANT_20261206_A_B", f.name, {});
    file.result.directivity = f.directivity;
    doc.patterns[file.key] = std::move(file);
  }
  const std::vector<TrendSeries> series = DirectivityTrendSeries(doc);
  ASSERT_EQ(series.size(), 2u);
  EXPECT_EQ(series[0].name, "P1_p45_h_co_4_0");
  EXPECT_EQ(series[0].points, (std::vector<std::pair<double, double>>{{1710, 17.0f}, {2170, 18.5f}}));
  EXPECT_EQ(series[1].name, "P2_m45_h_co_4_0");
}

}  // namespace
}  // namespace lumaret::display

#include "data/PatternInformation.h"

#include <gtest/gtest.h>

using namespace lumaret::data;

TEST(PatternInformation, KeepsOnlyCompleteRowsWithNormalisedCase) {
  const std::vector<PortExtension> rows = {
      {"P1", "ms1"}, {"", "MS2"}, {"p3", ""}, {"Port4", "Msi4"}, {"", ""},
  };
  const auto out = AcceptPatternInformation(kMultiPort, "dBd", "Electrical", rows);
  ASSERT_TRUE(out.accepted);
  EXPECT_EQ(out.info.antennaType, kMultiPort);
  EXPECT_EQ(out.info.gainUnit, "dBd");
  EXPECT_EQ(out.info.tiltMethod, "Electrical");
  ASSERT_EQ(out.info.ports.size(), 2u);
  EXPECT_EQ(out.info.ports[0].portName, "p1");
  EXPECT_EQ(out.info.ports[0].extension, "MS1");
  EXPECT_EQ(out.info.ports[1].portName, "port4");
  EXPECT_EQ(out.info.ports[1].extension, "MSI4");
}

TEST(PatternInformation, MultiPortNeedsAtLeastOneCompleteRow) {
  const std::vector<PortExtension> incomplete = {{"p1", ""}, {"", "MS2"}};
  const auto multi = AcceptPatternInformation(kMultiPort, "dBi", "None", incomplete);
  EXPECT_FALSE(multi.accepted);
  EXPECT_EQ(multi.message, "Correspondence between the port and the Extensions can not be empty");
  const auto dual = AcceptPatternInformation(kDualPort, "dBi", "None", incomplete);
  EXPECT_TRUE(dual.accepted);
  EXPECT_TRUE(dual.info.ports.empty());
}

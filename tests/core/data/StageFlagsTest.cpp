#include "data/StageFlags.h"

#include <gtest/gtest.h>

#include <vector>

using namespace lumaret::data;

TEST(StageFlags, ClearOnlyTheStagesEachChangeInvalidates) {
  auto allSet = [](PerformanceResult& r) {
    r.hcoDone = r.vcoDone = r.radDone = r.spareFlag = r.hcrDone = r.vcrDone = 1;
  };
  auto flags = [](const PerformanceResult& r) {
    return std::vector<int>{r.hcoDone, r.vcoDone, r.radDone, r.spareFlag, r.hcrDone, r.vcrDone};
  };
  PatternSet patterns;
  patterns["/m/a.msi"];
  patterns["/m/b.msi"];
  struct Case {
    void (*clear)(PatternSet&);
    std::vector<int> expected;  // hco vco rad spare hcr vcr
  };
  const Case cases[] = {
      {ClearAfterHorizontalSettings, {0, 1, 1, 1, 0, 1}},
      {ClearAfterVerticalSettings, {1, 0, 1, 1, 1, 0}},
      {ClearAfterRadiationSettings, {1, 1, 0, 1, 1, 1}},
      {ClearAfterEnvelopeConfiguration, {1, 0, 0, 1, 1, 1}},
  };
  for (const auto& c : cases) {
    for (auto& [key, f] : patterns) allSet(f.result);
    c.clear(patterns);
    for (const auto& [key, f] : patterns) EXPECT_EQ(flags(f.result), c.expected) << key;
  }
  PerformanceResult rotated;
  allSet(rotated);
  ClearAfterRotation(rotated);
  EXPECT_EQ(flags(rotated), (std::vector<int>{0, 0, 1, 0, 0, 0}));
}

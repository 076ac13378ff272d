#include "analysis/IndicatorTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "analysis/AnalysisSettings.h"
#include "analysis/FileAssociation.h"
#include "data/ResultFields.h"
#include "support/TempDir.h"

using namespace lumaret::analysis;
using lumaret::data::CSettingsStore;

namespace {

const std::string kShipped = std::string(LUMARET_SOURCE_DIR) + "/Config File/Config.xml";

}  // namespace

TEST(IndicatorTable, KeysAreUniqueAndNameRealSettingsAndResultFields) {
  std::set<std::string> menuKeys, iniKeys, resultKeys;
  std::set<std::string> knownResultKeys;
  for (const auto& field : lumaret::data::ResultFields()) knownResultKeys.insert(field.key);
  const CSettingsStore shipped(kShipped);
  for (const IndicatorRow& row : IndicatorTable()) {
    const std::string menuKey(row.menuKey);
    EXPECT_TRUE(menuKeys.insert(menuKey).second) << menuKey;
    EXPECT_TRUE(iniKeys.insert(std::string(row.iniSection) + "/" + std::string(row.iniKey)).second) << row.iniKey;
    EXPECT_NE(shipped.Read(menuKey, kMenuSection), "") << menuKey << " is not in the shipped store";
    for (std::string_view key : row.resultKeys) {
      if (key.empty()) continue;
      EXPECT_TRUE(knownResultKeys.count(std::string(key))) << key;
      EXPECT_TRUE(resultKeys.insert(std::string(key)).second) << key;
    }
  }
  EXPECT_EQ(menuKeys.size(), kIndicatorCount);
}

TEST(IndicatorTable, OnlyTheExactTextTrueSetsAFlagAndAssociationSwitchesRoundTrip) {
  lumaret::test::TempDir dir;
  CSettingsStore store((dir.path() / "Config.xml").string());
  store.Write("true", "ID_VBP", kMenuSection);
  store.Write("1", "ID_GAIN", kMenuSection);
  store.Write("TRUE", "ID_UNITARY", kMenuSection);
  const IndicatorFlags edited = ReadIndicatorFlags(store);
  EXPECT_FALSE(edited.IsSet(Indicator::VBP));
  EXPECT_FALSE(edited.IsSet(Indicator::Gain));
  EXPECT_TRUE(edited.IsSet(Indicator::Unitary));

  ASSERT_TRUE(lumaret::analysis::WriteAssociationSwitches(store, {true, false, true, false}));
  const auto back = lumaret::analysis::ReadAssociationSwitches(store);
  EXPECT_TRUE(back.noAssociation && !back.polar && back.cut && !back.slant);
}

namespace {

std::size_t SizeOf(const lumaret::data::ResultField& field) {
  switch (field.kind) {
    case lumaret::data::ResultFieldKind::Value:
      return sizeof(float);
    case lumaret::data::ResultFieldKind::Point:
      return sizeof(lumaret::data::PatternPoint);
    case lumaret::data::ResultFieldKind::List:
      return sizeof(lumaret::data::ResultList);
  }
  return 0;
}

}  // namespace

// A member added to the result record without a result field (and so without a JSON/CSV
// key) changes the record's size; a field no indicator shows must be one of the few
// reference values the exports list beside the indicators.
TEST(IndicatorTable, CoversEveryResultField) {
  std::size_t bytes = 0;
  std::set<std::string> shown;
  for (const auto& row : IndicatorTable())
    for (std::string_view key : row.resultKeys)
      if (!key.empty()) shown.insert(std::string(key));
  const std::set<std::string> referenceOnly{"vmin", "firstLowerNull", "hmax", "hmin"};
  for (const auto& field : lumaret::data::ResultFields()) {
    bytes += SizeOf(field);
    EXPECT_TRUE(shown.count(field.key) || referenceOnly.count(field.key)) << field.key;
  }
  constexpr std::size_t kStageFlagBytes = 8;  // six flags, padded to the floats' alignment
  EXPECT_EQ(bytes + kStageFlagBytes, sizeof(lumaret::data::PerformanceResult));
  for (const auto& row : IndicatorTable()) {
    if (row.resultKeys[0].empty()) continue;
    // Every shown indicator has a unit; those with a plain line have a header too.
    EXPECT_FALSE(row.unit.empty()) << row.name;
    EXPECT_EQ(row.lineFormat.empty(), row.headerFormat.empty()) << row.name;
  }
}

TEST(IndicatorTable, HeadersFollowTheSettings) {
  const CSettingsStore shipped(kShipped);
  HPara h = LoadHPara(shipped);
  VPara v = LoadVPara(shipped);
  std::vector<std::string> headers;
  for (const auto& row : IndicatorTable())
    if (!row.headerFormat.empty()) headers.push_back(IndicatorHeader(row, h, v));
  for (const char* expected : {"HBW 10dB\n(\xC2\xB0)", "+60\xC2\xB0Level\n(dB)", "-60\xC2\xB0Level\n(dB)", "XPD 20\n(dB)",
                               "XPD 3dB\n(dB)", "VBW 10dB\n(\xC2\xB0)", "V-XPD 3dB\n(dB)", "VBR(r)\n(%)", "Eff.\n(%)",
                               "F.N.\n(\xC2\xB0)", "V-XPD 0\xC2\xB0\n(dB)"})
    EXPECT_NE(std::find(headers.begin(), headers.end(), expected), headers.end()) << expected;

  h.HBW_XdB = 12.0f;
  h.PX_deg = 45;
  EXPECT_EQ(IndicatorHeader(RowOf(Indicator::HBWXdB), h, v), "HBW 12dB\n(\xC2\xB0)");
  EXPECT_EQ(IndicatorHeader(RowOf(Indicator::PXLevel), h, v), "+45\xC2\xB0Level\n(dB)");

  h.THP_mode = 0;
  h.THP_Xdeg = 60.0f;
  EXPECT_EQ(ThpHeaders(h), std::vector<std::string>{"THP\n(60\xC2\xB0) "});
  h.THP_mode = 1;
  h.THP_XdB = {3.0f, 10.0f};
  EXPECT_EQ(ThpHeaders(h), (std::vector<std::string>{"THP\n(3dB) ", "THP\n(10dB) "}));
  h.SPR_mode = 0;
  h.SPR_Xdeg = 60.0f;
  h.SPR_ratio = 2;
  EXPECT_EQ(SprHeader(h), "SPR(60\xC2\xB0)\n s/t(%)");
  h.SPR_ratio = 7;
  EXPECT_EQ(SprHeader(h), "");
  EXPECT_EQ(SsHeader("-90", "-20"), "SS -90\xC2\xB0~-20\xC2\xB0\n(dB)");
}

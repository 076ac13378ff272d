#include "analysis/IndicatorTable.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

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

TEST(IndicatorTable, ShippedSelectionShowsEveryIndicatorButTheNormalisationSwitch) {
  const IndicatorFlags flags = ReadIndicatorFlags(CSettingsStore(kShipped));
  for (const IndicatorRow& row : IndicatorTable())
    EXPECT_EQ(flags.IsSet(row.indicator), row.indicator != Indicator::Unitary) << row.menuKey;
  const auto association = lumaret::analysis::ReadAssociationSwitches(CSettingsStore(kShipped));
  EXPECT_FALSE(association.noAssociation);
  EXPECT_TRUE(association.polar);
  EXPECT_FALSE(association.cut);
  EXPECT_FALSE(association.slant);
}

TEST(IndicatorTable, FlagsRoundTripThroughTheMenuSection) {
  lumaret::test::TempDir dir;
  CSettingsStore store((dir.path() / "Config.xml").string());
  IndicatorFlags written;
  std::size_t i = 0;
  for (const IndicatorRow& row : IndicatorTable()) written.Set(row.indicator, (i++ * 7) % 3 == 0);
  ASSERT_TRUE(WriteIndicatorFlags(store, written));
  const IndicatorFlags read = ReadIndicatorFlags(store);
  for (const IndicatorRow& row : IndicatorTable())
    EXPECT_EQ(read.IsSet(row.indicator), written.IsSet(row.indicator)) << row.menuKey;

  // Only the exact text "TRUE" sets a flag.
  store.Write("true", "ID_VBP", kMenuSection);
  store.Write("1", "ID_GAIN", kMenuSection);
  store.Write("TRUE", "ID_UNITARY", kMenuSection);
  const IndicatorFlags edited = ReadIndicatorFlags(store);
  EXPECT_FALSE(edited.IsSet(Indicator::VBP));
  EXPECT_FALSE(edited.IsSet(Indicator::Gain));
  EXPECT_TRUE(edited.IsSet(Indicator::Unitary));

  const lumaret::analysis::AssociationSwitches switches{true, false, true, false};
  ASSERT_TRUE(lumaret::analysis::WriteAssociationSwitches(store, switches));
  const auto back = lumaret::analysis::ReadAssociationSwitches(store);
  EXPECT_TRUE(back.noAssociation);
  EXPECT_FALSE(back.polar);
  EXPECT_TRUE(back.cut);
  EXPECT_FALSE(back.slant);
}

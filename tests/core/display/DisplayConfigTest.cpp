#include "display/DisplayConfig.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "analysis/IndicatorTable.h"
#include "support/TempDir.h"
#include "session/CTessalyUnitDoc.h"

using namespace lumaret;
using namespace lumaret::display;
using analysis::Indicator;
using analysis::IndicatorFlags;
using analysis::kIndicatorCount;
using analysis::kMenuSection;
using lumaret::test::TempDir;

namespace {

// Every other indicator set, so a shifted or swapped key shows.
IndicatorFlags Alternating() {
  IndicatorFlags flags;
  for (std::size_t i = 0; i < kIndicatorCount; ++i) flags.Set(static_cast<Indicator>(i), i % 2 == 0);
  return flags;
}

bool SameFlags(const IndicatorFlags& a, const IndicatorFlags& b) {
  for (std::size_t i = 0; i < kIndicatorCount; ++i)
    if (a.IsSet(static_cast<Indicator>(i)) != b.IsSet(static_cast<Indicator>(i))) return false;
  return true;
}

class DisplayConfig : public ::testing::Test {
 protected:
  DisplayConfig() {
    std::filesystem::copy_file(std::string(LUMARET_SOURCE_DIR) + "/Config File/Config.xml", dir.path() / "Config.xml");
    doc.settings.SetPath((dir.path() / "Config.xml").string());
  }
  std::string Ini(const std::string& name) const { return (dir.path() / name).string(); }
  std::string Menu(const std::string& key) const { return doc.settings.Read(key, kMenuSection); }

  TempDir dir;
  data::RecordingMessages messages;
  session::CTessalyUnitDoc doc{messages};
};

}  // namespace

TEST_F(DisplayConfig, MissingKeysAndNonExactTextsClearFlags) {
  struct Case {
    const char* text;
    Indicator indicator;
    bool set;
  };
  const Case cases[] = {
      {"[VParameter]\ncm_isSelVBP=TRUE\n", Indicator::VBP, true},
      {"[VParameter]\ncm_isSelVBP=true\n", Indicator::VBP, false},
      {"[VParameter]\ncm_isSelVBP=TRUE \n", Indicator::VBP, true},  // trailing blanks are not part of a value
      {"[HParameter]\ncm_isSelVBP=TRUE\n", Indicator::VBP, false},  // wrong section
      {"[VParameter]\ncm_isSelVBP=TRUE\n", Indicator::Gain, false},  // no RParameter at all
  };
  for (const auto& c : cases) {
    const auto flags = ReadConfigurationFile(dir.Write("case.ini", c.text));
    ASSERT_TRUE(flags.has_value());
    EXPECT_EQ(flags->IsSet(c.indicator), c.set) << c.text;
  }
}

TEST_F(DisplayConfig, ViewCloseWritesEveryMenuKeyAndReadsBack) {
  doc.indicators = Alternating();
  doc.association = {true, false, false, true};
  ViewSwitches view{true, true, false, true, false, true};
  ASSERT_TRUE(WriteMenuStatesOnViewClose(doc, view));
  EXPECT_TRUE(SameFlags(analysis::ReadIndicatorFlags(doc.settings), Alternating()));
  EXPECT_EQ(Menu("ID_NO_REL"), "TRUE");
  EXPECT_EQ(Menu("ID_REL_M_C"), "FALSE");
  EXPECT_EQ(Menu("ID_REL_P45_N45"), "TRUE");
  EXPECT_EQ(Menu("ID_CLEAR_MARK"), "TRUE");
  const ViewSwitches back = ReadViewSwitches(doc.settings);
  EXPECT_TRUE(back.sprDisplay && back.clearMark && !back.markerMax && back.markerMin && !back.markerFsu &&
              back.markerSsMax);
}

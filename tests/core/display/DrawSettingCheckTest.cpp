#include "display/DrawSettingCheck.h"

#include <gtest/gtest.h>

using namespace lumaret::display;

TEST(DrawSettingCheck, RefusesEachKindOfBadEntry) {
  struct Case {
    const char* id;
    const char* text;
    const char* message;
  };
  const Case cases[] = {
      {"IDC_EDIT_RMSTART", "0", ""},  // the defaults themselves
      {"IDC_EDIT_PMSTART", "10000", ""},
      {"IDC_EDIT_PMEND", " +5 ", kDrawSettingStartEndMessage},
      {"IDC_EDIT_RMSTART", "-30", kDrawSettingStartEndMessage},
      {"IDC_EDIT_PMLINEDISTANCE", "0", kDrawSettingStepMessage},
      {"IDC_EDIT_RXSCALEDISTANCE", "-5", kDrawSettingStepMessage},
      {"IDC_EDIT_RMEND", "-10001", kDrawSettingRangeMessage},
      {"IDC_EDIT_RMLINEDISTANCE", "", kDrawSettingRangeMessage},
      {"IDC_EDIT_RMLINEDISTANCE", "1.5", kDrawSettingRangeMessage},
      {"IDC_EDIT_RMLINEDISTANCE", "5x", kDrawSettingRangeMessage},
      {"IDC_EDIT_RMLINEDISTANCE", "++3", kDrawSettingRangeMessage},
      {"IDC_EDIT_RMLINEDISTANCE", "99999999999", kDrawSettingRangeMessage},
  };
  for (const auto& c : cases) {
    DrawSettingTexts texts = DrawSettingToTexts(DrawSetting{});
    texts[c.id] = c.text;
    EXPECT_EQ(ParseDrawSetting(texts).message, c.message) << c.id << "=" << c.text;
  }
}

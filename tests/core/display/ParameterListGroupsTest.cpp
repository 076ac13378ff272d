#include "display/ParameterListGroups.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>
#include <vector>

using namespace lumaret;
using namespace lumaret::display;
using analysis::IndicatorRow;

namespace {

std::vector<std::string_view> MenuKeys(const std::vector<const IndicatorRow*>& rows) {
  std::vector<std::string_view> keys;
  for (const IndicatorRow* row : rows) keys.push_back(row->menuKey);
  return keys;
}

struct ListCase {
  ParameterList which;
  std::string_view section;
  std::vector<std::string_view> main;
  std::vector<std::string_view> cross;
};

const std::vector<ListCase>& Cases() {
  static const std::vector<ListCase> cases = {
      {ParameterList::Vertical, "VParameter",
       {"ID_VMAXLEVEL", "ID_VBW3dB", "ID_VBWXdB", "ID_VBP", "ID_VBRr", "ID_VBRs", "ID_VBR10dB", "ID_EDE", "ID_FSU",
        "ID_FSD", "ID_NF", "ID_FN", "ID_SS", "ID_SSU", "ID_TSU"},
       {"ID_VXPD0", "ID_VXPDX"}},
      {ParameterList::Horizontal, "HParameter",
       {"ID_HMAXLEVEL", "ID_HBW3DB", "ID_HBWXdB", "ID_PXLEVEL", "ID_NXLEVEL", "ID_FBRCO", "ID_SSMAX", "ID_SPR",
        "ID_SQUINT", "ID_Squint_Error", "ID_HPS", "ID_LEAN", "ID_ROUNDNESS", "ID_THP", "ID_THP10dB"},
       {"ID_FBRXP", "ID_FBRTOT", "ID_XPD0", "ID_XPDX", "ID_XPDXDB", "ID_XPD10dB", "ID_XPD60deg"}},
  };
  return cases;
}

}  // namespace

TEST(ParameterListGroups, GroupsHoldTheExpectedRowsInTableOrder) {
  for (const ListCase& c : Cases()) {
    const ParameterGroups groups = ParameterListGroups(c.which);
    EXPECT_EQ(MenuKeys(groups.mainPolarization), c.main) << c.section;
    EXPECT_EQ(MenuKeys(groups.crossPolarization), c.cross) << c.section;
  }
}

// Every row of the section with a check-box text is in exactly one group, and no other row
// (the normalisation switch, the other sections) is in any.
TEST(ParameterListGroups, EveryListableRowOfTheSectionIsInExactlyOneGroup) {
  for (const ListCase& c : Cases()) {
    const ParameterGroups groups = ParameterListGroups(c.which);
    for (const IndicatorRow& row : analysis::IndicatorTable()) {
      const auto inMain = std::count(groups.mainPolarization.begin(), groups.mainPolarization.end(), &row);
      const auto inCross = std::count(groups.crossPolarization.begin(), groups.crossPolarization.end(), &row);
      const bool listable = row.iniSection == c.section && !row.checkBox.empty();
      EXPECT_EQ(inMain + inCross, listable ? 1 : 0) << c.section << " " << row.menuKey;
    }
  }
}

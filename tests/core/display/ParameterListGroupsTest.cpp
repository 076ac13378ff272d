#include "display/ParameterListGroups.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>
#include <vector>

using namespace lumaret;
using namespace lumaret::display;
using analysis::IndicatorRow;
using Keys = std::vector<std::string_view>;

namespace {

Keys MenuKeys(const std::vector<const IndicatorRow*>& rows) {
  Keys keys;
  for (const IndicatorRow* row : rows) keys.push_back(row->menuKey);
  return keys;
}

}  // namespace

// Each list's groups, in table order; and every row of the section with a check-box text
// is in exactly one group, no other row (the normalisation switch, other sections) in any.
TEST(ParameterListGroups, SplitsEachSectionIntoMainAndCrossPolarization) {
  const struct {
    ParameterList which;
    std::string_view section;
    Keys main, cross;
  } cases[] = {
      {ParameterList::Vertical, "VParameter",
       {"ID_VMAXLEVEL", "ID_VBW3dB", "ID_VBWXdB", "ID_VBP", "ID_VBRr", "ID_VBRs", "ID_VBR10dB", "ID_EDE", "ID_FSU",
        "ID_FSD", "ID_NF", "ID_FN", "ID_SS", "ID_SSU", "ID_TSU"},
       {"ID_VXPD0", "ID_VXPDX"}},
      {ParameterList::Horizontal, "HParameter",
       {"ID_HMAXLEVEL", "ID_HBW3DB", "ID_HBWXdB", "ID_PXLEVEL", "ID_NXLEVEL", "ID_FBRCO", "ID_SSMAX", "ID_SPR",
        "ID_SQUINT", "ID_Squint_Error", "ID_HPS", "ID_LEAN", "ID_ROUNDNESS", "ID_THP", "ID_THP10dB"},
       {"ID_FBRXP", "ID_FBRTOT", "ID_XPD0", "ID_XPDX", "ID_XPDXDB", "ID_XPD10dB", "ID_XPD60deg"}},
  };
  for (const auto& c : cases) {
    const ParameterGroups groups = ParameterListGroups(c.which);
    EXPECT_EQ(MenuKeys(groups.mainPolarization), c.main) << c.section;
    EXPECT_EQ(MenuKeys(groups.crossPolarization), c.cross) << c.section;
    for (const IndicatorRow& row : analysis::IndicatorTable()) {
      const auto count = std::count(groups.mainPolarization.begin(), groups.mainPolarization.end(), &row) +
                         std::count(groups.crossPolarization.begin(), groups.crossPolarization.end(), &row);
      EXPECT_EQ(count, row.iniSection == c.section && !row.checkBox.empty() ? 1 : 0) << c.section << " " << row.menuKey;
    }
  }
}

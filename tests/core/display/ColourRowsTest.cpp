#include "display/ColourRows.h"

#include <gtest/gtest.h>

#include "support/TempDir.h"

using namespace lumaret::display;
using lumaret::test::TempDir;

TEST(ColourRows, ADefaultRowBecomesAUserPaletteThatSurvivesTheFile) {
  ColourSettings c = DefaultColours();
  ASSERT_EQ(LineColourRowCount(c), 24);
  const Colour pink = Rgb(255, 0, 128);
  ASSERT_TRUE(SetLineColour(c, 2, pink));
  ASSERT_TRUE(SetLineColour(c, 24, Rgb(1, 2, 3)));
  EXPECT_TRUE(c.userPalette);
  EXPECT_EQ(LineColourRowCount(c), 24);
  for (int k = 25; k <= 48; ++k) {
    const Colour expected = k == 26 ? pink : k == 48 ? Rgb(1, 2, 3) : CurveColour(DefaultColours(), k);
    EXPECT_EQ(CurveColour(c, k), expected) << k;
  }
  TempDir dir;
  const std::string path = (dir.path() / kColourFileName).string();
  ASSERT_TRUE(SaveColourSettings(path, c));
  const ColourSettings reloaded = LoadColourSettings(path);
  for (int row = 1; row <= 24; ++row) EXPECT_EQ(LineColour(reloaded, row), LineColour(c, row)) << row;
}

TEST(ColourRows, AUserRowUsesItsSlotAndRowsOutsideTheListAreRefused) {
  ColourSettings c = DefaultColours();
  c.userPalette = true;
  c.userColourCount = 3;
  ASSERT_EQ(LineColourRowCount(c), 3);
  ASSERT_TRUE(SetLineColour(c, 3, Rgb(9, 9, 9)));
  EXPECT_EQ(CurveColour(c, 6), Rgb(9, 9, 9));
  EXPECT_FALSE(SetLineColour(c, 0, Rgb(1, 1, 1)));
  EXPECT_FALSE(SetLineColour(c, 4, Rgb(1, 1, 1)));
  EXPECT_EQ(CurveColour(c, 4), CurveColour(c, 1));
}

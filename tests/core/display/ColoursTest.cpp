#include "display/Colours.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/FileText.h"
#include "support/TempDir.h"

using namespace lumaret::display;
using lumaret::test::FileText;
using lumaret::test::TempDir;

TEST(Colours, MissingFileIsCreatedEmptyAndTheDefaultPaletteCyclesOverTwentyFourSlots) {
  TempDir dir;
  const std::string path = (dir.path() / kColourFileName).string();
  const ColourSettings c = LoadColourSettings(path);
  EXPECT_TRUE(std::filesystem::exists(path));
  EXPECT_EQ(FileText(path), "");
  EXPECT_FALSE(c.userPalette);
  const std::pair<int, Colour> cases[] = {{1, Rgb(0, 0, 255)}, {2, Rgb(255, 0, 0)}, {23, Rgb(200, 60, 10)},
                                          {24, Rgb(0, 0, 0)},  {25, Rgb(0, 0, 255)}, {48, Rgb(0, 0, 0)}};
  for (const auto& [curve, colour] : cases) EXPECT_EQ(CurveColour(c, curve), colour) << curve;
}

TEST(Colours, UserColoursAreUsedInOrderWithTheLastInSlotZero) {
  TempDir dir;
  const std::string path = dir.Write(kColourFileName,
                                     "[UserDefine]\nColorCount=3\nColor0R=255\nColor1G=255\nColor2B=255\n"
                                     "[CoordinatesColor]\nR=10\nG=20\n[GridColor]\nB=7\n");
  const ColourSettings c = LoadColourSettings(path);
  EXPECT_TRUE(c.userPalette);
  EXPECT_EQ(c.userColourCount, 3);
  const Colour red = Rgb(255, 0, 0), green = Rgb(0, 255, 0), blue = Rgb(0, 0, 255);
  EXPECT_EQ(CurveColour(c, 1), red);
  EXPECT_EQ(CurveColour(c, 2), green);
  EXPECT_EQ(CurveColour(c, 3), blue);
  EXPECT_EQ(CurveColour(c, 4), red);
  EXPECT_EQ(c.palette[0], blue);
  EXPECT_EQ(c.axes.coordinates, Rgb(10, 20, 200));
  EXPECT_EQ(c.axes.grid, Rgb(0, 0, 7));
}

TEST(Colours, AnOversizedOrNegativeCountCannotIndexPastThePalette) {
  TempDir dir;
  const ColourSettings big = LoadColourSettings(dir.Write("big.ini", "[UserDefine]\nColorCount=40\n"));
  EXPECT_EQ(big.userColourCount, kPaletteSize);
  EXPECT_EQ(CurveColour(big, 39), big.palette[14]);
  const ColourSettings negative = LoadColourSettings(dir.Write("neg.ini", "[UserDefine]\nColorCount=-2\n"));
  EXPECT_FALSE(negative.userPalette);
  EXPECT_EQ(CurveColour(negative, 1), Rgb(0, 0, 255));
}

TEST(Colours, CombinedFileTakesThePaletteSlotForItsVerticalCutOnlyWhenNormalised) {
  ColourSettings c = DefaultColours();
  c.userPalette = true;
  c.userColourCount = 2;
  c.palette[1] = Rgb(1, 1, 1);
  c.palette[0] = Rgb(2, 2, 2);
  CurveColourSequence normalised(c);
  const auto first = normalised.NextCombined(true);  // curves 1 and 2
  EXPECT_EQ(first.horizontal, Rgb(1, 1, 1));
  EXPECT_EQ(first.vertical, c.palette[2]);  // slot 2 mod 24, the default red
  EXPECT_EQ(normalised.Next(), Rgb(1, 1, 1));  // curve 3: user colour 3 mod 2

  CurveColourSequence absolute(c);
  const auto shared = absolute.NextCombined(false);
  EXPECT_EQ(shared.horizontal, shared.vertical);
  EXPECT_EQ(absolute.Next(), Rgb(2, 2, 2));  // curve 2
}

TEST(Colours, SavedColoursReadBackTheSameAndUseKeyEqualsValueLines) {
  TempDir dir;
  const std::string path = dir.Write(kColourFileName, "[Other]\nkeep=1\n[UserDefine]\nColorCount=9\n");
  ColourSettings c = DefaultColours();
  c.userPalette = true;
  c.userColourCount = 3;
  c.palette[1] = Rgb(11, 12, 13);
  c.palette[2] = Rgb(21, 22, 23);
  c.palette[0] = Rgb(31, 32, 33);
  c.axes = {Rgb(40, 41, 42), Rgb(50, 51, 52)};
  ASSERT_TRUE(SaveColourSettings(path, c));
  const ColourSettings back = LoadColourSettings(path);
  EXPECT_EQ(back.userColourCount, 3);
  for (int k = 1; k <= 3; ++k) EXPECT_EQ(CurveColour(back, k), CurveColour(c, k)) << k;
  EXPECT_EQ(back.axes.coordinates, c.axes.coordinates);
  EXPECT_EQ(back.axes.grid, c.axes.grid);
  const std::string text = FileText(path);
  EXPECT_NE(text.find("keep=1"), std::string::npos);
  EXPECT_NE(text.find("Color2R=31"), std::string::npos);

  c.userPalette = false;
  ASSERT_TRUE(SaveColourSettings(path, c));
  EXPECT_FALSE(LoadColourSettings(path).userPalette);
}

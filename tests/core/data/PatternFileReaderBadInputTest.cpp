// Bad input: every case gives its code and a clear message, never a crash or a
// half-filled record.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "PatternReaderFixture.h"


namespace lumaret::test {
namespace {

constexpr const char* kCampaign = "1700_2200_ANTX65_20261206_A_B/";

std::string Garbage(std::size_t size, unsigned seed) {
  std::mt19937 random(seed);
  std::string bytes(size, '\0');
  for (char& c : bytes) c = static_cast<char>(random() & 0xff);
  return bytes;
}

}  // namespace

TEST_F(PatternReaderTest, MalformedTextsGiveCodeThreeAndAMessage) {
  struct Case {
    const char* name;
    std::string text;
    std::string message;  // start of the expected message, after the path
  };
  const std::vector<Case> cases = {
      {"empty.msi", "", "Pattern file \"@\" is empty"},
      {"empty.cm", "", "File Error !"},
      {"garbage.msi", Garbage(4096, 1), "Pattern file \"@\""},
      {"garbage.cm", Garbage(4096, 2), "File Error !"},
      {"oneline.msi", "NAME ANT\n", "Pattern file \"@\", end of file after line 1: no \"HORIZONTAL\" line"},
      {"nobreak.msi", "HORIZONTAL 360", "Pattern file \"@\", end of file after line 1: the horizontal block"},
      {"oneline.cm", "Exact Data\n", "Pattern file \"@\", end of file after line 1: the exact-data header needs 3"},
      {"twolines.cm", "Exact Data\r\nDirectivity 1", "Pattern file \"@\", end of file after line 2"},
      {"letters.msi", "NAME\nHORIZONTAL\nzero ten\n",
       "Pattern file \"@\", line 3: the angle is not a finite number: \"zero ten\""},
      {"na.cm", "Exact Data\nDirectivity 1\n2\n0 -1\n1 n/a\n",
       "Pattern file \"@\", line 5: the level is not a finite number: \"1 n/a\""},
      {"comma.cm", "Exact Data\nDirectivity 1\n2\n0 -1\n1 12,5\n", "Pattern file \"@\", line 5: the level"},
      {"nan.cm", "Exact Data\nDirectivity 1\n2\n0 -1\nnan -3\n", "Pattern file \"@\", line 5: the angle"},
      {"huge.cm", "Exact Data\nDirectivity 1\n2\n0 -1\n1 1e999\n", "Pattern file \"@\", line 5: the level"},
      {"nosplit.cm", "Exact Data\nDirectivity 1\n2\n0 -1\n\n-3\n",
       "Pattern file \"@\", line 6: not a data line (two numbers expected): \"-3\""},
      {"hna.msi", "NAME A\nHORIZONTAL 360\n0 n/a\n", "Pattern file \"@\", line 3: the level"},
      {"short.msi", MsiText{.verticalLines = 110}.Build(),
       "Pattern file \"@\", end of file after line 477: the vertical block ends after 110 points; 360 declared"},
      {"long.msi", MsiText{.verticalLines = 361}.Build(),
       "Pattern file \"@\", line 728: \"360 "},
      {"h720.msi", MsiText{.horizontalHeader = "HORIZONTAL 720"}.Build(),
       "Pattern file \"@\", line 6: \"HORIZONTAL 720\": the horizontal block must hold 360 points"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = dir.Write(std::string(kCampaign) + c.name, c.text);
    EXPECT_FALSE(Read(path));
    std::string expected = c.message;
    if (auto at = expected.find('@'); at != std::string::npos) expected.replace(at, 1, path);
    EXPECT_EQ(LastMessage().rfind(expected, 0), 0u) << LastMessage();
    EXPECT_EQ(doc.Find(data::ToKey(path)), nullptr);
  }
}

TEST_F(PatternReaderTest, MissingFileOrFolderIsReportedWithTheSystemReason) {
  const std::string missing = (dir.path() / "nowhere" / "a.msi").string();
  EXPECT_FALSE(Read(missing));
  EXPECT_EQ(LastMessage(), "Cannot open \"" + missing + "\": No such file or directory");
  const std::string folder = (dir.path() / "folder.msi").string();
  std::filesystem::create_directories(folder);
  EXPECT_FALSE(Read(folder));
  EXPECT_EQ(LastMessage(), "Cannot open \"" + folder + "\": Is a directory");
  EXPECT_TRUE(doc.patterns.empty());
}

TEST_F(PatternReaderTest, LongVerticalBlockWithoutCountIsReadWhole) {
  // A "VERTICAL" line without a count puts no upper limit on the points.
  const std::string path = (dir.path() / "long.msi").string();
  std::size_t verticalLines = 0;
  {
    std::ofstream out(path, std::ios::binary);
    out << MsiText{.verticalLines = 0, .verticalHeader = "VERTICAL"}.Build();
    std::string chunk;
    for (int i = 0; i < 4096; ++i) chunk += "-123.456789 45.6789012\n";
    for (; verticalLines < 200000; verticalLines += 4096) out << chunk;
  }
  ASSERT_TRUE(Read(path)) << LastMessage();
  const data::PatternFile& r = Record(path);
  ASSERT_EQ(r.points.size(), 360u + verticalLines);
  EXPECT_EQ(r.points.back(), (data::PatternPoint{-123.456789f, -45.6789012f}));
}

TEST_F(PatternReaderTest, MegabytesWithoutHorizontalLineStopEarly) {
  const std::string path = (dir.path() / "huge-garbage.msi").string();
  {
    std::ofstream out(path, std::ios::binary);
    const std::string chunk = Garbage(1 << 20, 3);
    for (int i = 0; i < 4; ++i) out << chunk;
  }
  EXPECT_FALSE(Read(path));
  EXPECT_NE(LastMessage().find(path), std::string::npos);
}

}  // namespace lumaret::test

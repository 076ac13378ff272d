// Bad input: every case gives its code and a clear message, never a crash or a
// half-filled record.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "PatternReaderFixture.h"

using lumaret::data::kReadFailed;
using lumaret::data::kReadOk;

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
      {"letters.msi", "NAME\nHORIZONTAL\nzero ten\n", "Pattern file \"@\", end of file after line 3"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    messages.shown.clear();
    const std::string path = dir.Write(std::string(kCampaign) + c.name, c.text);
    EXPECT_EQ(Read(path), kReadFailed);
    ASSERT_EQ(messages.shown.size(), 1u);
    std::string expected = c.message;
    if (auto at = expected.find('@'); at != std::string::npos) expected.replace(at, 1, path);
    EXPECT_EQ(LastMessage().rfind(expected, 0), 0u) << LastMessage();
    EXPECT_EQ(doc.Find(data::ToKey(path)), nullptr);
  }
}

TEST_F(PatternReaderTest, LettersInPlaceOfNumbersReadAsZero) {
  const std::string path =
      dir.Write(std::string(kCampaign) + "letters.cm", "Exact Data\nDirectivity abc\nthree\nten five\n1 x\n");
  ASSERT_EQ(Read(path), kReadOk) << LastMessage();
  const data::PatternFile& r = Record(path);
  EXPECT_EQ(r.line2Value, 0.0f);
  EXPECT_EQ(r.points, (data::PointSequence{{0.0f, 0.0f}, {1.0f, 0.0f}}));
}

TEST_F(PatternReaderTest, MissingFileOrFolderIsReportedWithTheSystemReason) {
  const std::string missing = (dir.path() / "nowhere" / "a.msi").string();
  EXPECT_EQ(Read(missing), kReadFailed);
  EXPECT_EQ(LastMessage(), "Cannot open \"" + missing + "\": No such file or directory");
  const std::string folder = (dir.path() / "folder.msi").string();
  std::filesystem::create_directories(folder);
  EXPECT_EQ(Read(folder), kReadFailed);
  EXPECT_EQ(LastMessage(), "Cannot open \"" + folder + "\": Is a directory");
  EXPECT_TRUE(doc.patterns.empty());
}

TEST_F(PatternReaderTest, NamesWithTooFewOrTooManyParts) {
  const std::string body = "Exact Data\nDirectivity 1\n1\n0 -1\n";
  const std::string fewFolderParts = dir.Write("a_b_c/P1_p45_h_co.cm", body);
  EXPECT_EQ(Read(fewFolderParts), kReadFailed);
  EXPECT_EQ(LastMessage(), "Folder or file name error");

  std::string manyParts;
  for (int i = 0; i < 30; ++i) manyParts += "p" + std::to_string(i) + "_";
  const std::string longName = dir.Write(std::string(kCampaign) + manyParts + "end.cm", body);
  ASSERT_EQ(Read(longName), kReadOk) << LastMessage();
  EXPECT_EQ(Record(longName).nameFields[6], "p0");
  EXPECT_EQ(Record(longName).nameFields[14], "p8");
}

TEST_F(PatternReaderTest, HundredMegabyteFileIsReadWhole) {
  // A vertical block of about four million lines after a normal horizontal block: there
  // is no upper limit on points.
  const std::string path = (dir.path() / "huge.msi").string();
  std::size_t verticalLines = 0;
  {
    std::ofstream out(path, std::ios::binary);
    out << MsiText{.verticalLines = 0}.Build();
    const std::string line = "-123.456789 45.6789012\n";
    const std::size_t target = 100u * 1024u * 1024u;
    std::string chunk;
    for (int i = 0; i < 4096; ++i) chunk += line;
    for (std::size_t written = 0; written < target; written += chunk.size()) {
      out << chunk;
      verticalLines += 4096;
    }
  }
  ASSERT_GE(std::filesystem::file_size(path), 100u * 1024u * 1024u);
  ASSERT_EQ(Read(path), kReadOk) << LastMessage();
  const data::PatternFile& r = Record(path);
  ASSERT_EQ(r.points.size(), 360u + verticalLines);
  EXPECT_EQ(r.points.back(), (data::PatternPoint{-123.456789f, -45.6789012f}));
}

TEST_F(PatternReaderTest, HundredMegabytesWithoutHorizontalLineStopsEarly) {
  const std::string path = (dir.path() / "huge-garbage.msi").string();
  {
    std::ofstream out(path, std::ios::binary);
    const std::string chunk = Garbage(1 << 20, 3);
    for (int i = 0; i < 100; ++i) out << chunk;
  }
  EXPECT_EQ(Read(path), kReadFailed);
  EXPECT_NE(LastMessage().find(path), std::string::npos);
}

}  // namespace lumaret::test

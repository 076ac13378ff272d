#include "data/AuxiliaryInputs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "session/DocumentSetup.h"
#include "data/UserMessages.h"
#include "support/TempDir.h"

namespace lumaret::data {
namespace {

class AuxiliaryInputs : public ::testing::Test {
 protected:
  AuxiliaryInputs() : doc_(messages_) {}

  std::string Key(const std::string& relative) const { return ToKey((dir_.path() / relative).string()); }

  const PointSequence* Gains(const std::string& relative) const {
    const auto it = doc_.gainLevelMap.find(Key(relative));
    return it == doc_.gainLevelMap.end() ? nullptr : &it->second.points;
  }

  test::TempDir dir_;
  RecordingMessages messages_;
  session::CTessalyUnitDoc doc_;
};

std::string LittleEndian(float value) {
  std::uint32_t bits = 0;
  std::memcpy(&bits, &value, sizeof bits);
  std::string bytes;
  for (int i = 0; i < 4; ++i) bytes += static_cast<char>((bits >> (8 * i)) & 0xFF);
  return bytes;
}

TEST_F(AuxiliaryInputs, TextGainLevelFile) {
  const std::string path = dir_.Write("Band/Gain Level_P1.txt",
                                      "Frequency(MHz)  Gain(dB)\r\n"
                                      "  1700 -30.5\r\n"
                                      "1710\t-31\r\n"
                                      "\r\n"
                                      "1720,-32.25");  // last line without a line break
  ReadGainLevelFile(doc_, path);
  const auto it = doc_.gainLevelMap.find(ToKey(path));
  ASSERT_NE(it, doc_.gainLevelMap.end());
  EXPECT_EQ(it->second.path, ToKey(path));
  EXPECT_EQ(it->second.fileName, "gain level_p1.txt");
  const PointSequence expected = {{1700.0f, -30.5f}, {1710.0f, -31.0f}, {1720.0f, -32.25f}};
  EXPECT_EQ(it->second.points, expected);
}

TEST_F(AuxiliaryInputs, MalformedGainLevelAndEnvelopeLinesRefuseTheFileNamingTheLine) {
  ReadGainLevelFile(doc_, dir_.Write("g.txt", "Frequency(MHz) Gain\r\n1700 1\r\n1710 n/a\r\n"));
  EXPECT_EQ(Gains("g.txt"), nullptr);
  ReadEnvelopeFile(doc_, dir_.Write("env.txt", "0 -1\n5 12,5\n"));
  EXPECT_TRUE(doc_.envelopeMap.empty());
  ASSERT_EQ(messages_.shown.size(), 2u);
  EXPECT_NE(messages_.shown[0].text.find("g.txt\", line 3: the level is not a finite number"), std::string::npos)
      << messages_.shown[0].text;
  EXPECT_NE(messages_.shown[1].text.find("env.txt\", line 2: the level"), std::string::npos) << messages_.shown[1].text;
}

TEST_F(AuxiliaryInputs, BinaryGainLevelFileIgnoresPartialAndNonFiniteRecords) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const std::string bytes = LittleEndian(1700.0f) + LittleEndian(-30.5f) + LittleEndian(1710.0f) + LittleEndian(nan) +
                            LittleEndian(1720.0f) + LittleEndian(14.75f) + LittleEndian(1730.0f);  // 4 bytes left
  ReadGainLevelFile(doc_, dir_.Write("binary.txt", bytes));
  ASSERT_NE(Gains("binary.txt"), nullptr);
  EXPECT_EQ(*Gains("binary.txt"), (PointSequence{{1700.0f, -30.5f}, {1720.0f, 14.75f}}));
}

TEST_F(AuxiliaryInputs, BadPathsStoreNothingAndOnlyAnEmptyGainLevelPathIsReported) {
  ReadGainLevelFile(doc_, "");
  ReadGainLevelFile(doc_, (dir_.path() / "missing.txt").string());
  std::filesystem::create_directories(dir_.path() / "folder.txt");
  ReadGainLevelFile(doc_, (dir_.path() / "folder.txt").string());
  ReadEnvelopeFile(doc_, dir_.Write("flat.txt", "0 0"));  // no line break
  ReadEnvelopeFile(doc_, "");
  ReadEnvelopeFile(doc_, (dir_.path() / "missing.txt").string());
  EXPECT_TRUE(doc_.gainLevelMap.empty());
  EXPECT_TRUE(doc_.envelopeMap.empty());
  ASSERT_EQ(messages_.shown.size(), 1u);
  EXPECT_EQ(messages_.shown[0].text, "sz_GainFilePath is null!");
}

TEST_F(AuxiliaryInputs, GainLevelFolderIsNotEnteredAndTheNameTestIsExact) {
  const std::string text = "Frequency(MHz) Gain\n1700 1\n";
  dir_.Write("set/a.txt", text);
  dir_.Write("set/b.TXT", text);      // capitals: not loaded
  dir_.Write("set/c.txt.bak", text);  // contains ".txt": loaded
  dir_.Write("set/sub/d.txt", text);  // sub-folders are not entered
  LoadGainLevelFiles(doc_, (dir_.path() / "set").string());
  EXPECT_EQ(doc_.gainLevelMap.size(), 2u);
  EXPECT_NE(Gains("set/a.txt"), nullptr);
  EXPECT_NE(Gains("set/c.txt.bak"), nullptr);

  LoadGainLevelFiles(doc_, (dir_.path() / "no such folder").string());
  EXPECT_EQ(doc_.gainLevelMap.size(), 2u);
}

TEST_F(AuxiliaryInputs, EnvelopeTitleLineRule) {
  struct Case {
    const char* name;
    std::string text;
    PointSequence points;
  };
  const std::string title24 = "Vertical envelope  1710M";  // 24 characters
  ASSERT_EQ(title24.size(), 24u);
  const Case cases[] = {
      {"title and CR LF: break at 25", title24 + "\r\n-10 -20\r\n10 -25", {{-10.0f, -20.0f}, {10.0f, -25.0f}}},
      {"short first line is data", "0 0\r\n5 -3\r\n", {{0.0f, 0.0f}, {5.0f, -3.0f}}},
      {"break at 24 keeps the first line", "-90.000000000    -30.000\n0 0\n", {{-90.0f, -30.0f}, {0.0f, 0.0f}}},
  };
  for (const Case& c : cases) {
    const std::string path = dir_.Write("env.txt", c.text);
    ReadEnvelopeFile(doc_, path);
    ASSERT_EQ(doc_.envelopeMap.count(ToKey(path)), 1u) << c.name;
    EXPECT_EQ(doc_.envelopeMap[ToKey(path)].points, c.points) << c.name;
  }
}

TEST_F(AuxiliaryInputs, EnvelopeFoldersAreEnteredAndReloadingReplacesEqualKeys) {
  dir_.Write("cfg/1700_2200/V/v-plane.txt", "0 0\n10 -20\n");
  dir_.Write("cfg/1700_2200/H/h-plane.txt", "0 0\n");
  dir_.Write("cfg/readme.md", "0 0\n");
  LoadEnvelopeFiles(doc_, (dir_.path() / "cfg").string());
  EXPECT_EQ(doc_.envelopeMap.size(), 2u);
  const std::string vKey = Key("cfg/1700_2200/V/v-plane.txt");
  ASSERT_EQ(doc_.envelopeMap.count(vKey), 1u);
  EXPECT_EQ(doc_.envelopeMap[vKey].fileName, "v-plane.txt");

  dir_.Write("cfg/1700_2200/V/v-plane.txt", "0 0\n");
  dir_.Write("more/x.txt", "0 0\n");
  LoadEnvelopeFiles(doc_, (dir_.path() / "cfg").string() + "/");
  LoadEnvelopeFiles(doc_, (dir_.path() / "more").string());
  EXPECT_EQ(doc_.envelopeMap.size(), 3u);
  EXPECT_EQ(doc_.envelopeMap[vKey].points.size(), 1u);

  LoadEnvelopeFiles(doc_, (dir_.path() / "does not exist").string());
  EXPECT_EQ(doc_.envelopeMap.size(), 3u);
}

TEST_F(AuxiliaryInputs, EnvelopeFolderLinkedIntoItselfIsReadOnce) {
  dir_.Write("cfg/V/v-plane.txt", "0 0\n");
  std::error_code ec;
  std::filesystem::create_directory_symlink(dir_.path() / "cfg", dir_.path() / "cfg/V/loop", ec);
  if (ec) GTEST_SKIP() << "no symbolic links here";
  LoadEnvelopeFiles(doc_, (dir_.path() / "cfg").string());
  EXPECT_EQ(doc_.envelopeMap.size(), 1u);
}

TEST_F(AuxiliaryInputs, AfterABatchOnlyFoldersOfFilesWithoutGainAreLoaded) {
  const std::string text = "Frequency(MHz) Gain\n1700 1\n";
  dir_.Write("a/gain level_x.txt", text);
  dir_.Write("b/gain level_y.txt", text);
  const std::string inA1 = (dir_.path() / "a/P1_p45_e_co_2_0_1710.cm").string();
  const std::string inA2 = (dir_.path() / "a/P1_p45_e_co_2_0_1880.cm").string();
  const std::string inB = (dir_.path() / "b/ANT.msi").string();
  doc_.LookUpOrCreate(inA1).readWithoutGain = true;
  doc_.LookUpOrCreate(inA2).readWithoutGain = true;
  doc_.LookUpOrCreate(inB).readWithoutGain = false;
  LoadGainLevelsAfterBatch(doc_, {inA1, inB, inA2, (dir_.path() / "c/not-read.cm").string()});
  EXPECT_EQ(doc_.gainLevelMap.size(), 1u);
  EXPECT_NE(Gains("a/gain level_x.txt"), nullptr);
}

}  // namespace
}  // namespace lumaret::data

// Exact-data files, split-cut names, extensions and the open batch.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/SplitCutNames.h"
#include "PatternReaderFixture.h"

using lumaret::data::kUnset;

namespace lumaret::test {
namespace {

constexpr const char* kCampaign = "1700_2200_ANTX65_20261206_A_B";

std::string ExactText(const std::string& line3, const std::string& points) {
  return "Exact Data\nDirectivity 18.25\n" + line3 + "\n" + points;
}

}  // namespace

TEST_F(PatternReaderTest, HandMadeSplitCutFilesGetTheirNamesAndPoints) {
  const std::string co = DataFile(std::string(kCampaign) + "/P1_p45_h_co_2_0_1845.cm");
  const std::string cr = DataFile(std::string(kCampaign) + "/P1_m45_e_cr_2_0_1845_td.CM");
  ASSERT_TRUE(Read(co)) << LastMessage();
  EXPECT_EQ(doc.noGainFlag, 0);
  ASSERT_TRUE(Read(cr)) << LastMessage();
  EXPECT_EQ(doc.noGainFlag, 1);

  const data::PatternFile& c = Record(co);
  const std::array<std::string, 15> coFields = {"1700", "2200", "ANTX65", "20261206", "A", "B", "P1", "p45",
                                                "h",    "co",   "2",      "0",        "1845", "", ""};
  EXPECT_EQ(c.nameFields, coFields);  // the frequency keeps all four digits
  EXPECT_FLOAT_EQ(c.line2Value, 18.25f);
  EXPECT_FLOAT_EQ(c.result.gain, 17.3f);
  EXPECT_FALSE(c.readWithoutGain);
  EXPECT_EQ(c.headerCount, 0);
  ASSERT_EQ(c.points.size(), 13u);
  EXPECT_EQ(c.points.front(), (data::PatternPoint{-180.0f, -18.0f}));
  EXPECT_EQ(c.points[1], (data::PatternPoint{-150.0f, -15.5f}));  // stored as read: no negation, no folding
  EXPECT_EQ(c.points.back(), (data::PatternPoint{180.0f, -18.0f}));
  EXPECT_TRUE(c.declaredHeader.empty());

  const data::PatternFile& x = Record(cr);
  EXPECT_EQ(x.nameFields[13], "td");  // the eighth file-name part goes to field 13
  EXPECT_EQ(x.nameFields[14], "");
  EXPECT_EQ(x.nameFields[data::kFieldCut], "e");
  EXPECT_EQ(x.result.gain, kUnset);
  EXPECT_TRUE(x.readWithoutGain);
  EXPECT_EQ(x.headerCount, 13);
  EXPECT_EQ(x.points.size(), 13u);  // CRLF, no final line break: the last point is kept
  EXPECT_EQ(x.points.back(), (data::PatternPoint{180.0f, -18.0f}));
  EXPECT_EQ(doc.testDescription, (std::array<std::string, 6>{"1700", "2200", "ANTX65", "20261206", "A", "B"}));
}

TEST_F(PatternReaderTest, ExactDataHeaderVariants) {
  struct Case {
    std::string line3;
    std::string line4;
    float gain;
    int headerCount;
  };
  const std::vector<Case> cases = {
      {"Gain 12.5", "3 points\n", 12.5f, 0},  // the point count after a gain line is not a point
      {"GAIN 12", "", kUnset, 0},  // capitals are not a gain line here: its integer (0) is the count
      {"3", "", kUnset, 3},
  };
  for (std::size_t i = 0; i < cases.size(); ++i) {
    SCOPED_TRACE(i);
    const std::string path = dir.Write(std::string(kCampaign) + "/P1_v90_h_co_" + std::to_string(i) + ".cm",
                                       ExactText(cases[i].line3, cases[i].line4 + "-1 -2.5\n0 0\n1,-3\n"));
    ASSERT_TRUE(Read(path)) << LastMessage();
    EXPECT_EQ(Record(path).result.gain, cases[i].gain);
    EXPECT_EQ(Record(path).headerCount, cases[i].headerCount);
    EXPECT_EQ(Record(path).readWithoutGain, cases[i].gain == kUnset);
    ASSERT_EQ(Record(path).points.size(), 3u);
    EXPECT_EQ(Record(path).points.front(), (data::PatternPoint{-1.0f, -2.5f}));
    EXPECT_EQ(Record(path).points.back(), (data::PatternPoint{1.0f, -3.0f}));
  }
}

TEST_F(PatternReaderTest, ExtensionsAreMatchedOnTheirExactSpellings) {
  const std::pair<const char*, bool> cases[] = {{"a.msi", true},  {"a.MSI", true},  {"a.PLN", true},
                                                {"a.Msi", false}, {"a.txt", false}, {"a.cm.bak", false}};
  for (const auto& [name, accepted] : cases) {
    doc.patterns.clear();  // "a.msi" and "a.MSI" would otherwise clash by letter case
    EXPECT_EQ(Read(dir.Write(name, MsiText{}.Build())), accepted) << name;
    EXPECT_EQ(LastMessage(), accepted ? "" : "File Error !") << name;
  }
}

TEST_F(PatternReaderTest, ScrambledSplitCutFilesAreRefused) {
  for (const char* name : {"P1_p45_h_co_2_0_1845.cm", "P1_p45_h_co_2_0_1845.CM"}) {
    const std::string path = dir.Write(std::string(kCampaign) + "/" + name, std::string("\x13\x88\xfe\x01Exact", 9));
    EXPECT_FALSE(Read(path));
    EXPECT_EQ(LastMessage(), "File Error !");
    EXPECT_EQ(doc.Find(data::ToKey(path)), nullptr);
  }
}

TEST_F(PatternReaderTest, FolderNameWithoutSixPartsKeepsTheRecordAndFails) {
  for (const char* folder : {"1700_2200_ANTX65_20261206_A", "1700__ANTX65_20261206_A_B", "_1700_2200_A_B_C"}) {
    SCOPED_TRACE(folder);
    const std::string path = dir.Write(std::string(folder) + "/P1_p45_h_co_2_0_1845.cm", ExactText("1", "0 -1\n"));
    EXPECT_FALSE(Read(path));
    EXPECT_EQ(LastMessage(), "Folder or file name error");
    const data::PatternFile& r = Record(path);  // stays in the set with what was read
    EXPECT_EQ(r.points.size(), 1u);
    EXPECT_EQ(r.nameFields[6], "P1");
    EXPECT_EQ(r.nameFields[0], "");
  }
  EXPECT_EQ(doc.testDescription[0], "");
}

TEST(SplitCutNames, PartsGoToTheirFieldsAndExtraPartsAreDropped) {
  struct Case {
    const char* path;
    std::vector<std::string> fileFields;  // fields 6 to 14
  };
  const Case cases[] = {
      {"/m/a_b_c_d_e_f/P1_p45_h_co_2_0_1845.cm", {"P1", "p45", "h", "co", "2", "0", "1845", "", ""}},
      {"/m/a_b_c_d_e_f/P1_p45_h_co_2_0_1845_td.cm", {"P1", "p45", "h", "co", "2", "0", "1845", "td", ""}},
      {"/m/a_b_c_d_e_f/1_2_3_4_5_6_7_8_9_10_11_12_13_14_15_16_17_18_19_20_21_22.cm",
       {"1", "2", "3", "4", "5", "6", "7", "8", "9"}},
      {"/m/a_b_c_d_e_f/whole.name.cm", {"whole.name", "", "", "", "", "", "", "", ""}},
      {"/m/a_b_c_d_e_f/__x.CM", {"", "", "x", "", "", "", "", "", ""}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    std::array<std::string, 15> fields;
    ASSERT_TRUE(data::ParseSplitCutNames(c.path, fields));
    EXPECT_EQ(std::vector<std::string>(fields.begin() + 6, fields.end()), c.fileFields);
    EXPECT_EQ(fields[0], "a");
    EXPECT_EQ(fields[5], "f");
  }
  std::array<std::string, 15> fields;
  fields[0] = "kept";
  EXPECT_TRUE(data::ParseSplitCutNames("/m/1_2_3_4_5_6_7_8_9_10_11_12_13/x.cm", fields));  // extra folder parts dropped
  EXPECT_EQ(fields[5], "6");
  fields[0] = "kept";
  EXPECT_FALSE(data::ParseSplitCutNames("x.cm", fields));
  EXPECT_FALSE(data::ParseSplitCutNames("/a_b_c_d_e_/x.cm", fields));
  EXPECT_EQ(fields[0], "kept");
  EXPECT_EQ(data::SplitNameParts("a_b_c", 2), (std::vector<std::string>{"a", "b"}));
}

TEST_F(PatternReaderTest, APathDifferingOnlyInLetterCaseIsRefusedTheSamePathReRead) {
  const std::string lower = dir.Write("ant/a.msi", MsiText{}.Build());
  const std::string upper = lower.substr(0, lower.size() - 9) + "ANT/A.msi";
  dir.Write("ANT/A.msi", MsiText{.verticalLines = 5, .verticalHeader = "VERTICAL 5"}.Build());
  ASSERT_TRUE(Read(lower));
  EXPECT_FALSE(Read(upper));
  EXPECT_EQ(LastMessage(), upper + ": has the same name as " + lower + " apart from letter case; not loaded");
  ASSERT_EQ(doc.patterns.size(), 1u);
  EXPECT_EQ(doc.patterns.begin()->second.points.size(), 720u) << "the loaded file's data is kept";
  dir.Write("ant/a.msi", MsiText{.verticalLines = 5, .verticalHeader = "VERTICAL 5"}.Build());
  EXPECT_TRUE(Read(lower)) << "the same path again is re-read";
  EXPECT_EQ(doc.patterns.begin()->second.points.size(), 365u);
}

TEST_F(PatternReaderTest, BatchStopsAtTheFirstFailureUnlessKeepGoing) {
  const std::string good1 = dir.Write("a.msi", MsiText{}.Build());
  const std::string bad = dir.Write("b.txt", "x");
  const std::string good2 = dir.Write("c.msi", MsiText{.header = {"FREQUENCY 900"}}.Build());
  std::vector<std::pair<std::string, bool>> seen;
  auto observe = [&](const std::string& p, const data::Result& r) { seen.emplace_back(p, r.ok()); };

  data::BatchResult stopped = data::OpenBatch(doc, {good1, bad, good2}, false, observe);
  EXPECT_FALSE(stopped.ranToEnd);
  ASSERT_EQ(stopped.failures.size(), 1u);
  EXPECT_EQ(stopped.failures[0].path, bad);
  EXPECT_EQ(stopped.failures[0].code, data::FailureCode::kUnknownFormat);
  EXPECT_EQ(seen, (std::vector<std::pair<std::string, bool>>{{good1, true}, {bad, false}}));
  EXPECT_EQ(doc.patterns.size(), 1u);

  data::BatchResult all = data::OpenBatch(doc, {good1, bad, good2}, true);
  EXPECT_TRUE(all.ranToEnd);
  ASSERT_EQ(all.failures.size(), 1u);
  EXPECT_EQ(all.failures[0].Located(), bad + ": File Error !");
  EXPECT_EQ(doc.patterns.size(), 2u);
  // Each record keeps its own no-gain flag; the document's is the last file's.
  EXPECT_FALSE(Record(good1).readWithoutGain);
  EXPECT_TRUE(Record(good2).readWithoutGain);
  EXPECT_EQ(doc.noGainFlag, 1);
  data::OpenBatch(doc, {good2, good1}, false);
  EXPECT_EQ(doc.noGainFlag, 0);
  EXPECT_TRUE(Record(good2).readWithoutGain);
}

TEST_F(PatternReaderTest, CancelledBatchKeepsWhatWasRead) {
  const std::string first = dir.Write("a.msi", MsiText{}.Build());
  const std::string second = dir.Write("c.msi", MsiText{.header = {"FREQUENCY 900"}}.Build());
  doc.threads = 1;  // one file per window, so the cancel lands between the two files
  std::size_t seen = 0;
  auto observe = [&](const std::string&, const data::Result&) { ++seen; };
  data::BatchResult batch = data::OpenBatch(doc, {first, second}, true, observe, [&] { return seen == 1; });
  EXPECT_TRUE(batch.cancelled);
  EXPECT_FALSE(batch.ranToEnd);
  EXPECT_EQ(batch.visited, std::vector<std::string>{first});
  ASSERT_EQ(doc.patterns.size(), 1u);
  EXPECT_EQ(doc.patterns.begin()->second.path, first);
}

}  // namespace lumaret::test

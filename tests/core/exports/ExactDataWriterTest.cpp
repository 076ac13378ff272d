#include "exports/ExactDataWriter.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/exports/WriterFixture.h"

namespace lumaret::exports {
namespace {

namespace fs = std::filesystem;
using test::WriterFixture;

class ExactDataWriterTest : public WriterFixture {};

TEST_F(ExactDataWriterTest, WritesEveryPointAsStored) {
  data::PatternFile& f = Add("P1_p45_h_co_2_0_900.cm", test::CutFromPairs({{-0.5f, -3.25f}, {180.0f, 0.0f}, {12.126f, -1}}));
  f.line2Value = 18.456f;
  const std::string out = (dir.path() / "x.cm").string();
  EXPECT_TRUE(SaveExactData(doc, f.key, out));
  EXPECT_EQ(Read("x.cm"),
            "TARSEL Chamber Exact Data\r\n"
            "Directivity(dBi) 18.46\r\n"
            "3\r\n"
            "-0.50 -3.25\r\n"
            "180.00 0.00\r\n"
            "12.13 -1.00\r\n");
}

TEST_F(ExactDataWriterTest, FailureIsReportedWithPathAndReason) {
  data::PatternFile& f = Add("P1_p45_h_co_2_0_900.cm", test::CutFromPairs({{0, 0}}));
  const std::string out = (dir.path() / "missing" / "x.cm").string();
  EXPECT_EQ(SaveExactData(doc, f.key, out).code, data::FailureCode::kCannotWrite);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Failed to save the file: " + out + " (No such file or directory)");
}

TEST_F(ExactDataWriterTest, SaveAsWalkUsesThePathTextAsTypedAndGoesOn) {
  Add("P1_p45_h_co_2_0_900.cm", test::CutFromPairs({{0, 0}}));
  Add("P1_p45_e_co_2_0_900.cm", test::CutFromPairs({{1, -1}}));
  fs::create_directories(dir.path() / "out" / "P1_p45_e_co_2_0_900.cm");  // blocks the first file
  WriteOutcome outcome;
  EXPECT_TRUE(SaveAllAsExactData(doc, (dir.path() / "out").string() + "/", outcome));
  EXPECT_EQ(outcome.failed.size(), 1u);
  EXPECT_EQ(outcome.written, std::vector<std::string>{(dir.path() / "out" / "P1_p45_h_co_2_0_900.cm").string()});
  EXPECT_EQ(messages.shown.size(), 1u);

  // A text that is no folder is a name prefix, appended to directly.
  WriteOutcome typed;
  EXPECT_TRUE(SaveAllAsExactData(doc, (dir.path() / "pre-").string(), typed));
  EXPECT_TRUE(fs::exists(dir.path() / "pre-P1_p45_h_co_2_0_900.cm"));
}

TEST_F(ExactDataWriterTest, SaveAsIntoAnExistingFolderTypedWithoutSeparator) {
  Add("P1_p45_h_co_2_0_900.cm", test::CutFromPairs({{0, 0}}));
  fs::create_directories(dir.path() / "out");
  WriteOutcome outcome;
  EXPECT_TRUE(SaveAllAsExactData(doc, (dir.path() / "out").string(), outcome));
  EXPECT_TRUE(fs::exists(dir.path() / "out" / "P1_p45_h_co_2_0_900.cm"));
  EXPECT_FALSE(fs::exists(dir.path() / "outP1_p45_h_co_2_0_900.cm"));
  const std::string folder = (dir.path() / "out").string();
  EXPECT_EQ(SaveAsPrefix(folder + "/"), folder + "/");
  EXPECT_EQ(SaveAsPrefix(folder + "\\"), folder + "\\");
}

TEST_F(ExactDataWriterTest, EmptyPathIsRefused) {
  Add("P1_p45_h_co_2_0_900.cm", test::CutFromPairs({{0, 0}}));
  WriteOutcome outcome;
  EXPECT_FALSE(SaveAllAsExactData(doc, "", outcome));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Configured path can not be empty！");
  EXPECT_TRUE(outcome.written.empty());
}

}  // namespace
}  // namespace lumaret::exports

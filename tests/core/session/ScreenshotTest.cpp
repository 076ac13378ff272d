#include "session/Screenshot.h"

#include <gtest/gtest.h>

#include <set>

#include "session/CTessalyUnitDoc.h"
#include "support/TempDir.h"

using namespace lumaret;
using session::CaptureMode;

namespace {

class ScreenshotTest : public ::testing::Test {
 protected:
  void SetUp() override {
    doc.settings.SetPath((dir.path() / "Config.xml").string());
    doc.workingFolder = dir.path().string() + "/";
  }
  test::TempDir dir;
  data::RecordingMessages messages;
  session::CTessalyUnitDoc doc{messages};
};

TEST_F(ScreenshotTest, CaptureSizeOfEachMode) {
  const struct {
    CaptureMode mode;
    session::PixelSize expected;
  } cases[] = {{CaptureMode::IncludeIndication, {642, 482}},
               {CaptureMode::NotIncludeIndication, {636, 476}},
               {CaptureMode::StandardWindow, {600, 400}},
               {CaptureMode::DataSheetWindow, {450, 450}}};
  for (const auto& c : cases) EXPECT_EQ(session::CaptureSize(c.mode, 640, 480), c.expected);
  EXPECT_EQ(session::CaptureSize(CaptureMode::NotIncludeIndication, 3, 2), (session::PixelSize{1, 1}));
}

TEST_F(ScreenshotTest, CaptureModeIsTheRadioStoredTrue) {
  EXPECT_EQ(session::LoadCaptureMode(doc.settings), CaptureMode::IncludeIndication);
  ASSERT_TRUE(session::StoreCaptureMode(doc.settings, CaptureMode::DataSheetWindow));
  EXPECT_EQ(doc.settings.Read("IDC_DataSheetWindow", session::kCaptureSection), "TRUE");
  EXPECT_EQ(doc.settings.Read("IDC_RADIO_INCLUDE_INDICATION", session::kCaptureSection), "FALSE");
  EXPECT_EQ(session::LoadCaptureMode(doc.settings), CaptureMode::DataSheetWindow);
  doc.settings.Write("true", "IDC_DataSheetWindow", session::kCaptureSection);  // not "TRUE"
  EXPECT_EQ(session::LoadCaptureMode(doc.settings), CaptureMode::IncludeIndication);
}

TEST_F(ScreenshotTest, PictureFolderDefaultsToTheWorkingFolderAndKeepsItsSeparator) {
  EXPECT_EQ(session::PictureFolder(doc), doc.workingFolder + "Pictures/");
  ASSERT_TRUE(session::SetPictureFolder(doc, "/data/shots"));
  EXPECT_EQ(session::PictureFolder(doc), "/data/shots/");
  EXPECT_FALSE(session::SetPictureFolder(doc, ""));
  EXPECT_EQ(session::PictureFolder(doc), "/data/shots/");

  const std::string nested = doc.workingFolder + "a/b/";
  EXPECT_EQ(session::EnsureFolder(nested), "");
  EXPECT_TRUE(std::filesystem::is_directory(nested));
}

TEST_F(ScreenshotTest, CapturesWithinOneSecondGetNumberedNames) {
  std::tm t{};
  t.tm_year = 126;
  t.tm_mon = 11;
  t.tm_mday = 7;
  t.tm_hour = 9;
  t.tm_min = 5;
  t.tm_sec = 3;
  std::set<std::string> taken;
  const auto isTaken = [&taken](const std::string& n) { return taken.count(n) > 0; };
  const std::string first = session::ScreenshotFileName("/p/", t, isTaken);
  EXPECT_EQ(first, "/p/截图2026-12-07-09-05-03.bmp");
  taken.insert(first);
  const std::string second = session::ScreenshotFileName("/p/", t, isTaken);
  EXPECT_EQ(second, "/p/截图2026-12-07-09-05-03-2.bmp");
  taken.insert(second);
  EXPECT_EQ(session::ScreenshotFileName("/p/", t, isTaken), "/p/截图2026-12-07-09-05-03-3.bmp");
}

}  // namespace

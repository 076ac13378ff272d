#include "render/ReportPictures.h"

#include <gtest/gtest.h>

#include <QImage>
#include <cstdlib>
#include <thread>

#include "render/DocumentPicture.h"
#include "session/DisplayedFiles.h"
#include "session/Screenshot.h"
#include "support/CutBuilder.h"
#include "support/TempDir.h"

using namespace lumaret;

namespace {

const std::string kFolder = "/camp/1700_2200_ANTX65_20261206_A_B";

struct StatusRecorder : data::StatusSink {
  void Status(const std::string& text) override { texts.push_back(text); }
  std::vector<std::string> texts;
};

QImage Bmp(const std::string& path) { return QImage(QString::fromStdString(path), "BMP"); }

class ReportPicturesTest : public ::testing::Test {
 protected:
  void SetUp() override { doc.settings.SetPath((dir.path() / "Config.xml").string()); }
  void Load(const std::string& folder, const std::string& name, double beamWidth = 65) {
    const auto beam = test::GaussianBeam(0, beamWidth, -40);
    test::AddSplitCut(doc.patterns, folder, name, test::SampledCut(-180, 180, 1, beam));
  }
  void Render(bool standardReport) {
    render::RenderReportPictures(doc, report, standardReport, render::kWindowlessViewSize, status, outcome);
  }
  test::TempDir dir;
  data::RecordingMessages messages;
  session::CTessalyUnitDoc doc{messages};
  std::string report = dir.path().string() + "/report/";
  StatusRecorder status;
  exports::WriteOutcome outcome;
};

}  // namespace

TEST_F(ReportPicturesTest, EachKindIsWrittenAtTheCaptureModeSizeWithItsCurve) {
  Load(kFolder, "P1_p45_h_co_4_0_1710.cm");
  Load(kFolder, "P1_p45_e_co_4_0_1710.cm");
  session::CTessalyUnitDoc shown = doc;
  session::ChooseDisplayedFiles(shown, {shown.patterns.begin()->first});
  const display::Colour c = render::DocumentPlotPicture(shown, QSize(800, 600)).curves.at(0).colour;
  const QColor curve(c & 0xff, (c >> 8) & 0xff, (c >> 16) & 0xff);
  // A size that follows the view and a fixed one.
  const std::pair<session::CaptureMode, QSize> modes[] = {{session::CaptureMode::NotIncludeIndication, {796, 596}},
                                                          {session::CaptureMode::DataSheetWindow, {450, 450}}};
  for (const auto& [mode, size] : modes) {
    SCOPED_TRACE(static_cast<int>(mode));
    outcome = {};
    ASSERT_TRUE(session::StoreCaptureMode(doc.settings, mode));
    Render(true);
    const std::string rel = report + "RelBmps/", set = report + "SetBmps/";
    EXPECT_EQ(outcome.written, (std::vector<std::string>{rel + "P1_p45_e_co_4_0_1710.bmp",
                                                         rel + "P1_p45_h_co_4_0_1710.bmp", set + "P1_4_e.bmp",
                                                         set + "P1_4_h.bmp"}));
    for (const std::string& path : outcome.written) {
      const QImage image = Bmp(path);
      EXPECT_EQ(image.size(), size) << path;
      int inked = 0;  // pixels of the curve's colour or near it (the curve is smoothed)
      for (int i = 0; i < image.width() * image.height(); ++i) {
        const QColor p = image.pixelColor(i % image.width(), i / image.width());
        const int distance = std::abs(p.red() - curve.red()) + std::abs(p.green() - curve.green()) +
                             std::abs(p.blue() - curve.blue());
        inked += distance < 150;
      }
      EXPECT_GT(inked, 50) << path;
    }
  }
  EXPECT_TRUE(outcome.failed.empty() && messages.shown.empty());
  EXPECT_EQ(status.texts.at(0), "Exporting word report (pattern set) screenshots...");
  EXPECT_EQ(status.texts.at(1), "Exporting word report 1 (standard test report) screenshots...");
  const std::string png = render::PngOfPicture(outcome.written[0]);
  EXPECT_EQ(QImage::fromData(QByteArray::fromStdString(png), "PNG").size(), QSize(450, 450));
  EXPECT_EQ(render::PngOfPicture(report + "missing.bmp"), "");
}

TEST_F(ReportPicturesTest, ASecondPictureOfTheSameNameIsRefusedAndTheFirstKept) {
  const std::string other = "/other/1700_2200_ANTX65_20261207_A_B";
  Load(kFolder, "P1_p45_h_co_4_0_1710.cm", 20);
  Load(other, "P1_p45_h_co_4_0_1710.cm", 90);
  std::thread([&] { Render(false); }).join();  // the export renders on its worker thread

  const std::string path = report + "RelBmps/P1_p45_h_co_4_0_1710.bmp";
  EXPECT_EQ(outcome.written, std::vector<std::string>{path});
  EXPECT_EQ(outcome.failed, std::vector<std::string>{path});
  ASSERT_EQ(messages.shown.size(), 1u);
  for (const std::string& named : {path, kFolder + "/P1_p45_h_co_4_0_1710.cm", other + "/P1_p45_h_co_4_0_1710.cm"})
    EXPECT_NE(messages.shown[0].text.find(named), std::string::npos) << messages.shown[0].text;
  session::CTessalyUnitDoc first = doc;
  session::ChooseDisplayedFiles(first, {first.patterns.begin()->first});  // "/camp" sorts first
  const QImage expected = render::RenderDocumentImage(first, QSize(802, 602));
  EXPECT_EQ(Bmp(path).convertToFormat(expected.format()), expected);
}

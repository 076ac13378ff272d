#include "render/ReportPictures.h"

#include <gtest/gtest.h>

#include <QImage>
#include <cstdlib>
#include <filesystem>

#include "render/DocumentPicture.h"
#include "session/DisplayedFiles.h"
#include "session/Screenshot.h"
#include "support/CutBuilder.h"
#include "support/FileText.h"
#include "support/TempDir.h"

using namespace lumaret;

namespace {

class StatusRecorder : public data::StatusSink {
 public:
  void Status(const std::string& text) override { texts.push_back(text); }
  std::vector<std::string> texts;
};

QColor ToQColor(display::Colour c) { return QColor(c & 0xff, (c >> 8) & 0xff, (c >> 16) & 0xff); }

class ReportPicturesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    doc.settings.SetPath((dir.path() / "Config.xml").string());
    report = dir.path().string() + "/report/";
  }
  void Load(const std::string& folder, const std::string& name, double beamWidth = 65) {
    test::AddSplitCut(doc.patterns, folder, name, test::SampledCut(-180, 180, 1, test::GaussianBeam(0, beamWidth, -40)));
  }
  // The colour of curve n when the files are displayed.
  QColor CurveColour(const std::vector<std::string>& keys, std::size_t n) {
    session::CTessalyUnitDoc copy = doc;
    session::ChooseDisplayedFiles(copy, keys);
    return ToQColor(render::DocumentPlotPicture(copy, QSize(800, 600)).curves.at(n).colour);
  }
  test::TempDir dir;
  data::RecordingMessages messages;
  session::CTessalyUnitDoc doc{messages};
  std::string report;
  StatusRecorder status;
  exports::WriteOutcome outcome;
};

const std::string kFolder = "/camp/1700_2200_ANTX65_20261206_A_B";

// Pixels of the colour or close to it (the curves are smoothed).
int CountPixels(const QImage& image, const QColor& colour) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      n += std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
               std::abs(c.blue() - colour.blue()) < 150;
    }
  return n;
}

}  // namespace

TEST_F(ReportPicturesTest, EachKindIsWrittenAtTheCaptureModeSizeWithItsCurves) {
  Load(kFolder, "P1_p45_h_co_4_0_1710.cm");
  Load(kFolder, "P1_p45_h_cr_4_0_1710.cm", 30);
  Load(kFolder, "P1_p45_e_co_4_0_1710.cm");
  const struct {
    session::CaptureMode mode;
    QSize expected;
  } cases[] = {{session::CaptureMode::IncludeIndication, {802, 602}},
               {session::CaptureMode::NotIncludeIndication, {796, 596}},
               {session::CaptureMode::StandardWindow, {600, 400}},
               {session::CaptureMode::DataSheetWindow, {450, 450}}};
  const std::string co = data::ToKey(kFolder + "/P1_p45_h_co_4_0_1710.cm");
  const std::string cr = data::ToKey(kFolder + "/P1_p45_h_cr_4_0_1710.cm");
  const QColor curve = CurveColour({co}, 0);
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.mode));
    std::filesystem::remove_all(report);
    outcome = {};
    status.texts.clear();
    ASSERT_TRUE(session::StoreCaptureMode(doc.settings, c.mode));
    render::RenderReportPictures(doc, report, true, render::kWindowlessViewSize, status, outcome);

    const std::vector<std::string> expected = {
        report + "RelBmps/P1_p45_e_co_4_0_1710.bmp", report + "RelBmps/P1_p45_h_co_4_0_1710.bmp",
        report + "SetBmps/P1_4_e.bmp", report + "SetBmps/P1_4_h.bmp"};
    EXPECT_EQ(outcome.written, expected);
    EXPECT_TRUE(outcome.failed.empty());
    for (const std::string& path : expected) {
      const QImage image(QString::fromStdString(path), "BMP");
      EXPECT_EQ(image.size(), c.expected) << path;
      EXPECT_GT(CountPixels(image, curve), 50) << path;
    }
    EXPECT_EQ(status.texts, (std::vector<std::string>{"Exporting word report (pattern set) screenshots...",
                                                      "Exporting word report 1 (standard test report) screenshots..."}));
  }
  EXPECT_TRUE(messages.shown.empty());
  // The picture of the co-polar file also draws its cross-polar partner in the second colour.
  const QImage shared(QString::fromStdString(report + "RelBmps/P1_p45_h_co_4_0_1710.bmp"), "BMP");
  const QColor second = CurveColour({co, cr}, 1);
  ASSERT_NE(second, curve);
  EXPECT_GT(CountPixels(shared, second), 50);
  const std::string png = render::PngOfPicture(report + "RelBmps/P1_p45_h_co_4_0_1710.bmp");
  EXPECT_EQ(QImage::fromData(QByteArray::fromStdString(png), "PNG").convertToFormat(shared.format()), shared);
  EXPECT_EQ(render::PngOfPicture(report + "RelBmps/missing.bmp"), "");
}

TEST_F(ReportPicturesTest, ASecondPictureOfTheSameNameIsRefusedAndTheFirstKept) {
  const std::string other = "/other/1700_2200_ANTX65_20261207_A_B";
  Load(kFolder, "P1_p45_h_co_4_0_1710.cm", 20);
  Load(other, "P1_p45_h_co_4_0_1710.cm", 90);
  doc.association.polar = false;
  render::RenderReportPictures(doc, report, false, render::kWindowlessViewSize, status, outcome);

  const std::string path = report + "RelBmps/P1_p45_h_co_4_0_1710.bmp";
  EXPECT_EQ(outcome.written, std::vector<std::string>{path});
  EXPECT_EQ(outcome.failed, std::vector<std::string>{path});
  ASSERT_EQ(messages.shown.size(), 1u);
  const std::string& text = messages.shown[0].text;
  EXPECT_NE(text.find(path), std::string::npos) << text;
  EXPECT_NE(text.find(other + "/P1_p45_h_co_4_0_1710.cm"), std::string::npos) << text;
  EXPECT_NE(text.find(kFolder + "/P1_p45_h_co_4_0_1710.cm"), std::string::npos) << text;

  // The file on disk is the picture of the first file ("/camp" sorts before "/other").
  session::CTessalyUnitDoc first = doc;
  session::ChooseDisplayedFiles(first, {data::ToKey(kFolder + "/P1_p45_h_co_4_0_1710.cm")});
  const QImage expected = render::RenderDocumentImage(first, QSize(802, 602));
  EXPECT_EQ(QImage(QString::fromStdString(path), "BMP").convertToFormat(expected.format()), expected);
}

TEST_F(ReportPicturesTest, AFolderThatCannotBeCreatedIsReportedOnceAndItsPicturesCounted) {
  Load(kFolder, "P1_p45_h_co_4_0_1710.cm");
  Load(kFolder, "P2_m45_h_co_4_0_1710.cm");
  const std::string blocked = dir.Write("report/RelBmps", "a file where the folder should be");
  render::RenderReportPictures(doc, report, false, render::kWindowlessViewSize, status, outcome);
  EXPECT_TRUE(outcome.written.empty());
  EXPECT_EQ(outcome.failed.size(), 2u);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_NE(messages.shown[0].text.find(blocked), std::string::npos) << messages.shown[0].text;
}

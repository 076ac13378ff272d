// Screenshots: the picture size of each capture mode, the bitmap file, the command's
// file names in the picture folder, and the two settings commands.
#include <QDialog>
#include <QDir>
#include <QImageReader>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QtTest>

#include "desktop/shell/ScreenshotCommands.h"
#include "desktop/support/FrameFixture.h"
#include "desktop/support/ModalDialogs.h"

using namespace lumaret;
using session::CaptureMode;

class ScreenshotCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void init() {
    f = std::make_unique<test::FrameFixture>(LUMARET_SOURCE_DIR "/");
    doc = f->doc.get();
    frame = f->frame.get();
    messages = &f->messages;
  }

  void cleanup() { f.reset(); }

  void eachModeWritesABitmapOfItsSize() {
    const struct {
      CaptureMode mode;
      QSize expected;
    } cases[] = {{CaptureMode::IncludeIndication, {322, 242}},
                 {CaptureMode::NotIncludeIndication, {316, 236}},
                 {CaptureMode::StandardWindow, {600, 400}},
                 {CaptureMode::DataSheetWindow, {450, 450}}};
    for (const auto& c : cases) {
      QVERIFY(session::StoreCaptureMode(doc->settings, c.mode));
      const QString path = f->work.filePath(QString("mode%1.bmp").arg(static_cast<int>(c.mode)));
      QVERIFY(desktop::CaptureToFile(*doc, QSize(320, 240), desktop::FromQt(path), *messages));
      QImageReader reader(path);
      QCOMPARE(reader.format(), QByteArray("bmp"));
      QCOMPARE(reader.size(), c.expected);
    }
    QVERIFY(messages->shown.empty());
  }

  void aFileThatCannotBeCreatedIsReported() {
    const std::string path = desktop::FromQt(f->work.filePath("missing/shot.bmp"));
    QVERIFY(!desktop::CaptureToFile(*doc, QSize(320, 240), path, *messages));
    QCOMPARE(messages->shown.size(), std::size_t{1});
    QVERIFY(messages->shown[0].text.starts_with("Failed to save the file: " + path));
  }

  void saveScreenshotTwiceKeepsBothPictures() {
    frame->Action("ID_SAVE_SCREENSHOT")->trigger();
    frame->Action("ID_SAVE_SCREENSHOT")->trigger();
    const QDir pictures(f->work.filePath("Pictures"));
    const QStringList shots = pictures.entryList({"*.bmp"}, QDir::Files, QDir::Name);
    QCOMPARE(shots.size(), 2);
    QVERIFY(shots[0].startsWith(QString::fromUtf8("截图")));
    QCOMPARE(messages->shown.size(), std::size_t{2});
    QVERIFY(messages->shown[0].text.ends_with("图片保存成功。"));
    QVERIFY(desktop::ToQt(messages->shown[0].text).startsWith(pictures.filePath(QString::fromUtf8("截图"))));
  }

  void settingsCommandsStoreTheModeAndTheFolder() {
    test::WhenDialogOpens([](QDialog& d) {
      d.findChild<QRadioButton*>("IDC_RADIO_STANDARD_WINDOWS")->click();
      d.findChild<QPushButton*>("IDOK")->click();
    });
    frame->Action("ID_CAPTURE_SETTING")->trigger();
    QCOMPARE(session::LoadCaptureMode(doc->settings), CaptureMode::StandardWindow);

    f->prompts.folder = f->work.filePath("shots");
    frame->Action("ID_PICTURE_FOLDER")->trigger();
    QCOMPARE(session::PictureFolder(*doc), desktop::FromQt(f->work.filePath("shots")) + "/");
    frame->Action("ID_SAVE_SCREENSHOT")->trigger();
    const QStringList shots = QDir(f->work.filePath("shots")).entryList({"*.bmp"}, QDir::Files);
    QCOMPARE(shots.size(), 1);
    QCOMPARE(QImageReader(f->work.filePath("shots/" + shots[0])).size(), QSize(600, 400));
  }

 private:
  std::unique_ptr<test::FrameFixture> f;
  session::CTessalyUnitDoc* doc = nullptr;
  desktop::CMainFrame* frame = nullptr;
  data::RecordingMessages* messages = nullptr;
};

QTEST_MAIN(ScreenshotCommandsTest)
#include "ScreenshotCommandsTest.moc"

// The processing commands through the main window: rotation with and without history,
// level adjustment with its entry checks, and "Save as".
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTreeWidget>
#include <QtTest>
#include <filesystem>

#include "desktop/shell/ProcessingCommands.h"
#include "desktop/support/FrameFixture.h"
#include "desktop/support/ModalDialogs.h"
#include "session/DisplayedFiles.h"

using namespace lumaret;
namespace fs = std::filesystem;

namespace {

const std::string kCampaign = LUMARET_SOURCE_DIR "/samples/1700_2200_ANTX65_20261206_A_B/";
const std::string kCo = "P1_p45_h_co_4_0_1940.cm";

template <typename T>
T* Child(QDialog& dialog, const char* name) {
  T* child = dialog.findChild<T*>(name);
  if (!child) qWarning("no control %s", name);
  return child;
}

void ClickOk(QDialog& dialog) { Child<QPushButton>(dialog, "IDOK")->click(); }

}  // namespace

class ProcessingCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void init() {
    f = std::make_unique<test::FrameFixture>(LUMARET_SOURCE_DIR "/");
    doc = f->doc.get();
    frame = f->frame.get();
    messages = &f->messages;
    QSignalSpy finished(frame, &desktop::CMainFrame::OpenFinished);
    frame->OpenPaths({desktop::ToQt(kCampaign + kCo), desktop::ToQt(kCampaign + "P1_p45_h_cr_4_0_1940.cm")}, false);
    QVERIFY(finished.wait(20000));
    key = data::ToKey(kCampaign + kCo);
    session::ChooseDisplayedFiles(*doc, {key});
    messages->shown.clear();
  }

  void cleanup() { f.reset(); }

  void rotationWithHistoryTurnsAndNonRotateRestores() {
    data::PatternFile& file = doc->patterns.at(key);
    const data::PointSequence original = file.points;
    const float peak = file.result.hpeak.fDeg;
    test::WhenDialogOpens([](QDialog& d) {
      QCOMPARE(Child<QLineEdit>(d, "1128")->text(), QString("0.000000"));
      Child<QRadioButton>(d, "1007")->click();
      Child<QLineEdit>(d, "1128")->setText("10");
      ClickOk(d);
    });
    frame->Action("ID_PATTERN_ROTATION")->trigger();
    QCOMPARE(doc->processing.rotation.mode, processing::RotationMode::ByAngle);
    QVERIFY(std::abs(file.result.hpeak.fDeg - (peak + 10.0f)) < 0.51f);
    QVERIFY(file.points != original);

    test::WhenDialogOpens([](QDialog& d) {
      QVERIFY(Child<QRadioButton>(d, "1007")->isChecked());
      QCOMPARE(Child<QLineEdit>(d, "1128")->text(), QString("10.000000"));
      Child<QRadioButton>(d, "1008")->click();
      ClickOk(d);
    });
    frame->Action("ID_PATTERN_ROTATION")->trigger();
    QVERIFY(file.points == original);
  }

  void rotateSelectionKeepsABackupAndDoesNotWrap() {
    data::PatternFile& file = doc->patterns.at(key);
    const data::PointSequence original = file.points;
    test::WhenDialogOpens([](QDialog& d) {
      Child<QRadioButton>(d, "1007")->click();
      Child<QLineEdit>(d, "1128")->setText("5");
      ClickOk(d);
    });
    frame->Action("ID_ROTATE_SELECTION")->trigger();
    QVERIFY(file.secondPoints == original);
    QCOMPARE(file.points.back().fDeg, original.back().fDeg + 5.0f);
  }

  void levelDialogRefusesNonNumbersThenAdjustsTheChosenFile() {
    data::PatternFile& file = doc->patterns.at(key);
    const float level = file.points[10].fMag;
    auto* commands = frame->findChild<desktop::ProcessingCommands*>("ProcessingCommands");
    QVERIFY(commands);
    QSignalSpy markers(commands, &desktop::ProcessingCommands::LevelMarkersChanged);
    bool stayedOpen = false;
    test::WhenDialogOpens([&](QDialog& d) {
      Child<QRadioButton>(d, "1111")->click();  // stored at once
      Child<QRadioButton>(d, "1104")->click();
      Child<QRadioButton>(d, "1004")->click();
      for (const char* bad : {"", "abc", "2dB"}) {
        Child<QLineEdit>(d, "1036")->setText(bad);
        ClickOk(d);
      }
      stayedOpen = d.isVisible();
      Child<QLineEdit>(d, "1036")->setText("2");
      auto* list = Child<QTreeWidget>(d, "1869");
      for (int row = 0; row < list->topLevelItemCount(); ++row)
        list->topLevelItem(row)->setSelected(list->topLevelItem(row)->text(1) == desktop::ToQt(key));
      ClickOk(d);
    });
    frame->Action("ID_LEVEL_ADJUSTMENT")->trigger();
    QVERIFY(stayedOpen);
    QCOMPARE(messages->shown.size(), std::size_t{3});
    QCOMPARE(messages->shown[0].text, std::string("Please enter a number."));
    QCOMPARE(file.points[10].fMag, level + 2.0f);
    QCOMPARE(markers.count(), 1);
    QVERIFY(commands->lastLevelMarkers.has_value());
    QCOMPARE(doc->settings.Read("IDC_RADIO_WHOLE", processing::kLevelSection), std::string("TRUE"));
    QCOMPARE(doc->settings.Read("IDC_RADIO_PART", processing::kLevelSection), std::string("FALSE"));
  }

  void saveAsWritesIntoAFolderTypedWithoutSeparator() {
    const std::string out = desktop::FromQt(f->work.path()) + "/out";
    fs::create_directories(out);
    f->prompts.folder = desktop::ToQt(out);
    test::WhenDialogOpens([&](QDialog& d) {
      QCOMPARE(d.windowTitle(), QString("Save as"));
      ClickOk(d);  // empty path: refused, stays open
      Child<QPushButton>(d, "1879")->click();
      QCOMPARE(Child<QLineEdit>(d, "1880")->text(), desktop::ToQt(out + "/"));
      Child<QLineEdit>(d, "1880")->setText(desktop::ToQt(out));
      ClickOk(d);
    });
    frame->Action("ID_FILE_SAVE_AS")->trigger();
    QCOMPARE(f->prompts.lastTitle, QString::fromUtf8("选择数据导入目录："));
    QCOMPARE(messages->shown.size(), std::size_t{1});
    QCOMPARE(messages->shown[0].text, std::string("Configured path can not be empty！"));
    QVERIFY(fs::exists(out + "/" + kCo));
    QVERIFY(!fs::exists(out + kCo));
  }

 private:
  std::unique_ptr<test::FrameFixture> f;
  session::CTessalyUnitDoc* doc = nullptr;
  desktop::CMainFrame* frame = nullptr;
  data::RecordingMessages* messages = nullptr;
  std::string key;
};

QTEST_MAIN(ProcessingCommandsTest)
#include "ProcessingCommandsTest.moc"

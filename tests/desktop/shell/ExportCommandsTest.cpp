// "Export Data..." end to end on a few sample files: the dialog, the export on the
// window's thread, and the Word reports on the worker thread with a scripted runner.
#include <QAbstractButton>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QStatusBar>
#include <QtTest>
#include <atomic>
#include <fstream>
#include <future>
#include <thread>

#include "data/PatternFileReader.h"
#include "desktop/shell/CMainFrame.h"
#include "desktop/shell/ExportCommands.h"
#include "desktop/support/FrameFixture.h"
#include "desktop/support/ModalDialogs.h"

using namespace lumaret;

namespace {

const std::string kCampaign = LUMARET_SOURCE_DIR "/samples/1700_2200_ANTX65_20261206_A_B/";

void LoadSamples(session::CTessalyUnitDoc& doc) {
  for (const char* name : {"P1_p45_h_co_4_0_1940.cm", "P1_p45_e_co_4_0_1940.cm", "P1_p45_h_cr_4_0_1940.cm",
                           "P1_p45_e_cr_4_0_1940.cm"})
    QVERIFY(data::ReadPatternFile(doc, kCampaign + name).ok());
}

// Answers the export dialog with the folder and exactly the chosen boxes, and the pattern
// information dialog that a pattern file choice brings with OK.
void AnswerExportDialog(const QString& folder, const QStringList& chosen, bool patternFiles) {
  test::WhenDialogOpens([folder, chosen, patternFiles](QDialog& d) {
    d.findChild<QLineEdit*>("IDC_EDIT_PATH")->setText(folder);
    for (const exports::ExportChoiceKey& c : exports::ExportChoiceKeys())
      d.findChild<QAbstractButton*>(c.key)->setChecked(chosen.contains(c.key));
    if (patternFiles) test::WhenDialogOpens([](QDialog& info) { info.findChild<QPushButton*>("IDOK")->click(); });
    d.findChild<QPushButton*>("IDOK")->click();
  });
}

std::vector<std::string> ShownTexts(const data::RecordingMessages& messages) {
  std::vector<std::string> texts;
  for (const auto& m : messages.shown) texts.push_back(m.text);
  return texts;
}

// A report runner that reports a status text, waits until the test lets it go, and ends
// with a message, remembering what it was given.
struct ScriptedReports {
  std::promise<void> release;
  std::shared_future<void> released = release.get_future().share();
  std::atomic<bool> onOtherThread = false;
  std::size_t earlierFailed = 0;
  std::size_t snapshotFiles = 0;
  bool releasedOnce = false;

  void Release() {
    if (!releasedOnce) release.set_value();
    releasedOnce = true;
  }

  desktop::ReportRunner Runner() {
    const std::thread::id ui = std::this_thread::get_id();
    return [this, ui](session::CTessalyUnitDoc& snapshot, const exports::ExportRequest&,
                      const exports::ExportFolders& folders, const exports::WriteOutcome& earlier, QSize,
                      data::StatusSink& status) {
      onOtherThread = std::this_thread::get_id() != ui;
      earlierFailed = earlier.failed.size();
      status.Status("Exporting word report 1 (standard test report) screenshots...");
      released.wait();
      snapshotFiles = snapshot.patterns.size();
      snapshot.Messages().Show("Data Export Success！");
      exports::WriteOutcome outcome;
      outcome.written.push_back(folders.reportFolder + "report.docx");
      return outcome;
    };
  }
};

}  // namespace

class ExportCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  // TXT files of the samples: the notice, the files, success; the choices stored; the next
  // dialog offers the same folder.
  void txtExportWritesTheFilesAndRemembersTheFolder() {
    test::FrameFixture f(LUMARET_SOURCE_DIR "/");
    LoadSamples(*f.doc);
    QVERIFY(f.frame->Action("ID_DATA_EXPORT")->isEnabled());
    const QString out = f.work.filePath("out");
    QVERIFY(QDir().mkpath(out));
    AnswerExportDialog(out, {"IDC_RADIO_TXT"}, true);
    f.frame->Action("ID_DATA_EXPORT")->trigger();
    const std::vector<std::string> shown = ShownTexts(f.messages);
    QCOMPARE(shown.size(), std::size_t{2});
    QVERIFY(shown[0].starts_with("1.Exporting data may last a long time"));
    QCOMPARE(shown[1], std::string("Exporting sucess！"));
    QVERIFY(!QDir(out + "/TXT").entryList({"*.txt"}, QDir::Files).isEmpty());
    QVERIFY(QDir(out + "/report").exists());
    QCOMPARE(f.doc->settings.Read("IDC_RADIO_TXT", exports::kExportSection), std::string("TRUE"));
    QCOMPARE(f.doc->settings.Read("IDC_RADIO_MSI", exports::kExportSection), std::string("FALSE"));

    QString offered;
    test::WhenDialogOpens([&offered](QDialog& d) {
      offered = d.findChild<QLineEdit*>("IDC_EDIT_PATH")->text();
      d.reject();
    });
    f.frame->Action("ID_DATA_EXPORT")->trigger();
    QCOMPARE(offered, out + "/");
    QCOMPARE(f.messages.shown.size(), std::size_t{2});
  }

  // Without a report writer a chosen Word report is counted as a file not written.
  void withoutAReportWriterTheReportCountsAsNotWritten() {
    test::FrameFixture f(LUMARET_SOURCE_DIR "/");
    LoadSamples(*f.doc);
    AnswerExportDialog(f.work.path(), {"IDC_RADIO_WORD_REPORT1", "IDC_RADIO_ENG"}, false);
    f.frame->Action("ID_DATA_EXPORT")->trigger();
    QCOMPARE(ShownTexts(f.messages).back(), std::string("Export finished, but 1 file(s) could not be written."));
    QVERIFY(f.frame->Action("ID_DATA_EXPORT")->isEnabled());
  }

  // The reports run on the worker over a copy of the document: the command returns at
  // once, a second export and closing the window are refused meanwhile, the worker gets
  // the failures of the earlier steps, and its status text and message reach the window.
  void reportsRunOnTheWorkerOverACopy() {
    ScriptedReports reports;
    test::FrameFixture f(LUMARET_SOURCE_DIR "/", reports.Runner());
    LoadSamples(*f.doc);
    auto* controller = f.frame->findChild<desktop::ExportController*>("ExportController");
    QVERIFY(controller);
    std::ofstream(f.work.filePath("TXT").toStdString()) << "a file where the folder should be";
    AnswerExportDialog(f.work.path(), {"IDC_RADIO_WORD_REPORT1", "IDC_RADIO_TXT"}, true);
    f.frame->Action("ID_DATA_EXPORT")->trigger();

    QVERIFY(controller->ReportsRunning());
    QCOMPARE(f.frame->statusBar()->currentMessage(), QString("Exporting word report..."));
    QVERIFY(!f.frame->Action("ID_DATA_EXPORT")->isEnabled());
    const std::size_t shownBefore = f.messages.shown.size();
    QVERIFY(!f.frame->close());
    QCOMPARE(f.messages.shown.size(), shownBefore + 1);
    QVERIFY(f.messages.asked.empty());
    QTRY_COMPARE(f.frame->statusBar()->currentMessage(),
                 QString("Exporting word report 1 (standard test report) screenshots..."));
    f.doc->Remove(f.doc->patterns.begin()->first);  // the window's document changes meanwhile

    QSignalSpy finished(controller, &desktop::ExportController::ReportsFinished);
    reports.Release();
    QVERIFY(finished.wait(20000));
    QVERIFY(reports.onOtherThread);
    QCOMPARE(reports.snapshotFiles, std::size_t{4});
    QVERIFY(reports.earlierFailed > 0);
    QCOMPARE(ShownTexts(f.messages).back(), std::string("Data Export Success！"));
    QCOMPARE(controller->LastReportOutcome().written.size(), std::size_t{1});
    QVERIFY(!controller->ReportsRunning());
    QVERIFY(f.frame->Action("ID_DATA_EXPORT")->isEnabled());
  }
};

QTEST_MAIN(ExportCommandsTest)
#include "ExportCommandsTest.moc"

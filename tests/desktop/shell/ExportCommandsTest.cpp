// "Export Data..." on a few sample files: the export on the window's thread, and the Word
// reports on the worker thread with a scripted runner.
#include <QAbstractButton>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QStatusBar>
#include <QtTest>
#include <fstream>
#include <future>
#include <thread>
#include <utility>

#include "data/PatternFileReader.h"
#include "desktop/shell/ExportCommands.h"
#include "desktop/support/FrameFixture.h"
#include "desktop/support/ModalDialogs.h"

using namespace lumaret;

namespace {

// Four sample files, and the export dialog answered with the folder and exactly the chosen
// boxes (and OK in the pattern information dialog that a pattern file choice brings).
void StartExport(test::FrameFixture& f, const QString& folder, const QStringList& chosen) {
  for (const char* cut : {"h_co", "e_co", "h_cr", "e_cr"})
    QVERIFY(data::ReadPatternFile(*f.doc, std::string(LUMARET_SOURCE_DIR "/samples/1700_2200_ANTX65_20261206_A_B/P1_p45_") +
                                              cut + "_4_0_1940.cm").ok());
  test::WhenDialogOpens([folder, chosen](QDialog& d) {
    d.findChild<QLineEdit*>("IDC_EDIT_PATH")->setText(folder);
    for (const exports::ExportChoiceKey& c : exports::ExportChoiceKeys())
      d.findChild<QAbstractButton*>(c.key)->setChecked(chosen.contains(c.key));
    if (chosen.contains("IDC_RADIO_TXT")) test::WhenDialogOpens([](QDialog& info) { info.accept(); });
    d.accept();
  });
  f.frame->Action("ID_DATA_EXPORT")->trigger();
}

}  // namespace

class ExportCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  // TXT files and the raw-data workbook: the notice, the files, success; the next dialog
  // offers the same folder.
  // Without a report writer a chosen Word report counts as a file not written.
  void exportsOnTheWindowThread() {
    test::FrameFixture f(LUMARET_SOURCE_DIR "/");
    StartExport(f, f.work.path(), {"IDC_RADIO_TXT", "IDC_RADIO_EXCEL_DATA"});
    QCOMPARE(f.messages.shown.size(), std::size_t{2});
    QVERIFY(f.messages.shown[0].text.starts_with("1.Exporting data may last a long time"));
    QCOMPARE(f.messages.shown[1].text, std::string("Exporting sucess！"));
    QCOMPARE(QDir(f.work.filePath("TXT")).entryList({"*.txt"}, QDir::Files).size(), 1);
    QCOMPARE(QDir(f.work.filePath("report")).entryList({"*.xlsx"}, QDir::Files).size(), 1);
    QString offered;
    test::WhenDialogOpens([&offered](QDialog& d) {
      offered = d.findChild<QLineEdit*>("IDC_EDIT_PATH")->text();
      d.reject();
    });
    f.frame->Action("ID_DATA_EXPORT")->trigger();
    QCOMPARE(offered, f.work.path() + "/");

    f.doc->patterns.clear();
    StartExport(f, f.work.path(), {"IDC_RADIO_WORD_REPORT1"});
    QCOMPARE(f.messages.shown.back().text, std::string("Export finished, but 1 file(s) could not be written."));
    QVERIFY(f.frame->Action("ID_DATA_EXPORT")->isEnabled());
  }

  // The command returns while the worker writes from a copy of the document; meanwhile
  // the command is off and the window stays open; the worker gets the earlier failures and
  // its status text and message reach the window.
  void reportsRunOnTheWorkerOverACopy() {
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    std::size_t earlierFailed = 0, snapshotFiles = 0;
    const std::thread::id ui = std::this_thread::get_id();
    bool onWorker = false;
    test::FrameFixture f(LUMARET_SOURCE_DIR "/", [&](session::CTessalyUnitDoc& snapshot, const exports::ExportRequest&,
                                                     const exports::ExportFolders&, const exports::WriteOutcome& earlier,
                                                     QSize, data::StatusSink& status) {
      onWorker = std::this_thread::get_id() != ui;
      earlierFailed = earlier.failed.size();
      status.Status("Exporting word report 2...");
      released.wait();
      snapshotFiles = snapshot.patterns.size();
      snapshot.Messages().Show("Data Export Success！");
      return exports::WriteOutcome{};
    });
    bool releasedOnce = false;
    auto releaseWorker = [&] {
      if (!std::exchange(releasedOnce, true)) release.set_value();
    };
    const auto releaseOnFailure = qScopeGuard(releaseWorker);  // a failed check must not leave the worker waiting
    auto* controller = f.frame->findChild<desktop::ExportController*>("ExportController");
    std::ofstream(f.work.filePath("TXT").toStdString()) << "a file where the folder should be";
    StartExport(f, f.work.path(), {"IDC_RADIO_WORD_REPORT2", "IDC_RADIO_TXT"});

    QCOMPARE(f.frame->statusBar()->currentMessage(), QString("Exporting word report..."));
    QVERIFY(controller->ReportsRunning() && !f.frame->Action("ID_DATA_EXPORT")->isEnabled());
    QVERIFY(!f.frame->close());
    QVERIFY(f.messages.asked.empty());
    QTRY_COMPARE(f.frame->statusBar()->currentMessage(), QString("Exporting word report 2..."));
    f.doc->patterns.clear();
    QSignalSpy finished(controller, &desktop::ExportController::ReportsFinished);
    releaseWorker();
    QVERIFY(finished.wait(20000));
    QVERIFY(onWorker);
    QCOMPARE(snapshotFiles, std::size_t{4});
    QVERIFY(earlierFailed > 0);
    QCOMPARE(f.messages.shown.back().text, std::string("Data Export Success！"));
    QVERIFY(f.frame->Action("ID_DATA_EXPORT")->isEnabled());
  }
};

QTEST_MAIN(ExportCommandsTest)
#include "ExportCommandsTest.moc"

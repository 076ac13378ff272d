// The main window on the offscreen platform: opening the sample campaign, a click in
// "File Lists", the result panes, the association and indicator commands, the file list's
// context menu.
#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "data/UserMessages.h"
#include "desktop/shell/CMainFrame.h"
#include "desktop/shell/Commands.h"
#include "desktop/shell/FileListPane.h"
#include "session/DisplayedFiles.h"
#include "desktop/support/FrameFixture.h"

using namespace lumaret;

namespace {

const QString kCampaign = LUMARET_SOURCE_DIR "/samples/1700_2200_ANTX65_20261206_A_B";

}  // namespace

class CMainFrameTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void init() {
    f = std::make_unique<test::FrameFixture>(LUMARET_SOURCE_DIR "/");
    doc = f->doc.get();
    frame = f->frame.get();
    messages = &f->messages;
    files = frame->findChild<desktop::FileListPane*>("CDlgFileList");
    QVERIFY(files);
  }

  void cleanup() { f.reset(); }

  void openingFillsTheListAndAClickShowsTheFileWithItsPartner() {
    OpenCampaign();
    QCOMPARE(files->rowCount(), static_cast<int>(doc->patterns.size()));
    QVERIFY(files->rowCount() > 10);
    QVERIFY(messages->shown.empty());

    const int row = RowOf("P1_p45_h_co_4_0_1940.cm");
    QVERIFY(row >= 0);
    ClickRow(row);
    // Polar association (on by default) adds the cross-polar partner and selects its row.
    QCOMPARE(session::DisplayedFiles(*doc).size(), std::size_t{2});
    QVERIFY(files->item(RowOf("P1_p45_h_cr_4_0_1940.cm"), 0)->isSelected());
    auto* current = frame->findChild<QListWidget*>("CDlgResult");
    auto* all = frame->findChild<QTableWidget*>("CDlgReport");
    QVERIFY(current->count() > 5);
    QCOMPARE(all->columnCount(), 2);
    QVERIFY(all->item(0, 0)->text().startsWith("File Name : "));
  }

  void associationAndIndicatorCommandsChangeWhatIsShown() {
    OpenCampaign();
    auto* current = frame->findChild<QListWidget*>("CDlgResult");
    frame->Action("ID_NO_REL")->trigger();
    QVERIFY(!frame->Action("ID_REL_M_C")->isChecked());
    ClickRow(RowOf("P1_p45_h_co_4_0_1940.cm"));
    QCOMPARE(session::DisplayedFiles(*doc).size(), std::size_t{1});

    const int lines = current->count();
    QAction* hbw = frame->Action("ID_HBW3DB");
    QVERIFY(hbw && hbw->isChecked() == doc->indicators.IsSet(analysis::Indicator::HBW3dB));
    hbw->trigger();
    QCOMPARE(current->count(), lines + (hbw->isChecked() ? 1 : -1));
    QCOMPARE(doc->indicators.IsSet(analysis::Indicator::HBW3dB), hbw->isChecked());

    frame->Action("ID_UNITARY")->trigger();
    QVERIFY(session::IsNormalised(*doc));
    QCOMPARE(frame->Action("ID_3DB_REFERENCE_LINE")->shortcut(), QKeySequence(Qt::Key_F2));
  }

  void deleteRemovesTheSelectedFilesFromTheSet() {
    OpenCampaign();
    const int before = files->rowCount();
    ClickRow(RowOf("P1_p45_h_co_4_0_1940.cm"));
    files->DeleteSelected();  // the file and its selected partner row
    QCOMPARE(files->rowCount(), before - 2);
    QCOMPARE(static_cast<int>(doc->patterns.size()), before - 2);
    QVERIFY(session::DisplayedFiles(*doc).empty());
  }

  // Every command is enabled, and every tool-bar command has its picture.
  void everyCommandIsEnabled() {
    for (const desktop::CommandSpec& command : desktop::CommandTable()) {
      QVERIFY2(frame->Action(command.name)->isEnabled(), std::string(command.name).c_str());
      QVERIFY2(command.icon.empty() || !frame->Action(command.name)->icon().isNull(), std::string(command.name).c_str());
    }
    QVERIFY(frame->findChild<QObject*>("CAP"));
  }

  void closingAsksAndKeepsTheWindowOnNo() {
    OpenCampaign();
    QVERIFY(frame->findChild<QMenu*>("Recent Open Files")->actions().first()->text().endsWith(kCampaign));
    frame->show();
    messages->answer = false;
    QVERIFY(!frame->close());
    QCOMPARE(messages->asked.back().text, std::string("Do you want to quit?"));
    messages->answer = true;
    QVERIFY(frame->close());
  }

  void aBrokenFileIsNamedAndTheRestIsKept() {
    QTemporaryDir campaign;
    const QString folder = campaign.path() + "/1700_2200_ANTX65_20261206_A_B";
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(QFile::copy(kCampaign + "/P1_p45_h_co_4_0_1940.cm", folder + "/P1_p45_h_co_4_0_1940.cm"));
    QFile broken(folder + "/P1_p45_h_cr_4_0_1940.msi");
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("NAME x\nFREQUENCY abc\nHORIZONTAL 2\n0 1\n");
    broken.close();
    QSignalSpy finished(frame, &desktop::CMainFrame::OpenFinished);
    frame->OpenPaths({folder}, true);
    QVERIFY(finished.wait(20000));
    QCOMPARE(files->rowCount(), 1);
    QCOMPARE(messages->shown.size(), std::size_t{1});
    QVERIFY(messages->shown[0].text.find("P1_p45_h_cr_4_0_1940.msi") != std::string::npos);
  }

 private:
  void OpenCampaign() {
    f->prompts.files = {kCampaign};
    QSignalSpy finished(frame, &desktop::CMainFrame::OpenFinished);
    frame->Action("ID_FILE_OPEN")->trigger();
    QVERIFY(finished.wait(20000));
    QVERIFY(f->prompts.lastFilter.contains("*.cm *.CM"));
  }

  int RowOf(const QString& fileName) {
    for (int row = 0; row < files->rowCount(); ++row)
      if (files->item(row, 0)->text() == fileName) return row;
    return -1;
  }

  void ClickRow(int row) {
    files->clearSelection();
    files->selectRow(row);
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualItemRect(files->item(row, 0)).center());
  }

  std::unique_ptr<test::FrameFixture> f;
  data::RecordingMessages* messages = nullptr;
  session::CTessalyUnitDoc* doc = nullptr;
  desktop::CMainFrame* frame = nullptr;
  desktop::FileListPane* files = nullptr;
};

QTEST_MAIN(CMainFrameTest)
#include "CMainFrameTest.moc"

// The export dialog: stored choices and loaded files shown, the folder checked on OK, the
// choices stored, the pattern information asked for only with a pattern file choice.
#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QtTest>

#include "desktop/dialogs/CDlgDataExport.h"
#include "desktop/support/FrameFixture.h"
#include "desktop/support/ModalDialogs.h"

using namespace lumaret;
using exports::kExportSection;

class CDlgDataExportTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
  void cleanup() { QFile::remove(work.filePath("Config.xml")); }

  void init() {
    messages.shown.clear();
    settings = data::CSettingsStore(desktop::FromQt(work.filePath("Config.xml")));
    for (const char* name : {"/m/B.cm", "/m/a.cm"}) {
      patterns[data::ToKey(name)].path = name;
      patterns[data::ToKey(name)].fileName = name + 3;
    }
    exports::ExportRequest previous;
    previous.exportFolder = "/p/";
    dlg = std::make_unique<desktop::CDlgDataExport>(patterns, settings, previous, prompts, messages);
  }

  // The stored choices are checked; of two stored languages Chinese is shown.
  void opensWithStoredChoicesFilesAndFolder() {
    for (const char* key : {"IDC_RADIO_WORD_REPORT2", "IDC_RADIO_ENG", "IDC_RADIO_CHINA"})
      settings.Write("TRUE", key, kExportSection);
    init();
    for (const exports::ExportChoiceKey& c : exports::ExportChoiceKeys()) {
      const std::string key = c.key;
      QVERIFY2(Box(c.key)->isChecked() == (key == "IDC_RADIO_WORD_REPORT2" || key == "IDC_RADIO_CHINA"), c.key);
    }
    auto* list = dlg->findChild<QTableWidget*>("IDC_LIST_FILES");
    QCOMPARE(list->rowCount(), 2);
    QCOMPARE(list->item(0, 0)->text(), QString("a.cm"));
    QCOMPARE(list->item(1, 1)->text(), QString("/m/B.cm"));
    QCOMPARE(Path()->text(), QString("/p/"));
    prompts.folder = work.filePath("out");
    dlg->findChild<QPushButton*>("IDC_BUTTON_PATH")->click();
    QCOMPARE(prompts.lastTitle, QString::fromUtf8("选择数据导入目录："));
    QCOMPARE(Path()->text(), work.filePath("out") + "/");
  }

  // A missing folder keeps the dialog open with the message and stores nothing; with
  // spreadsheets only, OK stores the choices and accepts without asking more.
  void okChecksTheFolderAndStoresTheChoices() {
    Path()->setText(work.filePath("missing"));
    Box("IDC_RADIO_EXCEL_REPORT")->setChecked(true);
    dlg->accept();
    QCOMPARE(dlg->result(), int(QDialog::Rejected));
    QCOMPARE(messages.shown.at(0).text, std::string("Export path is empty or does not exist！"));
    QVERIFY(!settings.Has("IDC_RADIO_EXCEL_REPORT", kExportSection));
    Path()->setText(work.path());
    dlg->accept();
    QCOMPARE(dlg->result(), int(QDialog::Accepted));
    QCOMPARE(dlg->Request().exportFolder, desktop::FromQt(work.path()) + "/");
    QCOMPARE(settings.Read("IDC_RADIO_EXCEL_REPORT", kExportSection), std::string("TRUE"));
    QCOMPARE(settings.Read("IDC_RADIO_TXT", kExportSection), std::string("FALSE"));
  }

  // A pattern file choice asks for the pattern information: its Cancel keeps the export
  // dialog open, its OK hands its values to the request.
  void patternChoiceAsksForPatternInformation() {
    Path()->setText(work.path());
    Box("IDC_RADIO_TXT")->setChecked(true);
    test::WhenDialogOpens([](QDialog& info) { info.reject(); });
    dlg->accept();
    QCOMPARE(dlg->result(), int(QDialog::Rejected));
    test::WhenDialogOpens([](QDialog& info) {
      info.findChild<QComboBox*>("IDC_COMBO_GAIN_UNIT")->setCurrentText("dBd");
      info.accept();
    });
    dlg->accept();
    QCOMPARE(dlg->result(), int(QDialog::Accepted));
    QCOMPARE(dlg->Request().patternInformation.gainUnit, std::string("dBd"));
  }

 private:
  QAbstractButton* Box(const char* key) { return dlg->findChild<QAbstractButton*>(key); }
  QLineEdit* Path() { return dlg->findChild<QLineEdit*>("IDC_EDIT_PATH"); }

  QTemporaryDir work;
  data::CSettingsStore settings;
  data::PatternSet patterns;
  test::ScriptedPrompts prompts;
  data::RecordingMessages messages;
  std::unique_ptr<desktop::CDlgDataExport> dlg;
};

QTEST_MAIN(CDlgDataExportTest)
#include "CDlgDataExportTest.moc"

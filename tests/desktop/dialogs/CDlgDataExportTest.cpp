// The export dialog: the stored choices and the loaded files shown, the export folder
// checked on OK, the choices stored, and the pattern information asked for only when a
// pattern file output is chosen.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "desktop/dialogs/CDlgDataExport.h"
#include "desktop/support/FrameFixture.h"

using namespace lumaret;
using desktop::CDlgDataExport;
using exports::kExportSection;

namespace {

// Acts on every modal dialog opened over the dialog under test while it lives, and
// remembers their names, so a dialog that should not appear cannot block the test.
class NestedDialogs {
 public:
  explicit NestedDialogs(std::function<void(QDialog&)> act) {
    QObject::connect(&timer_, &QTimer::timeout, [this, act = std::move(act)] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (!dialog || dialog->property("seen").toBool()) return;
      dialog->setProperty("seen", true);
      names << dialog->objectName();
      act(*dialog);
    });
    timer_.start(10);
  }
  QStringList names;

 private:
  QTimer timer_;
};

void Click(QDialog& dialog, const char* button) { dialog.findChild<QPushButton*>(button)->click(); }

}  // namespace

class CDlgDataExportTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void init() {
    work = std::make_unique<QTemporaryDir>();
    settings = data::CSettingsStore(desktop::FromQt(work->filePath("Config.xml")));
    previous = {};
    previous.exportFolder = desktop::FromQt(work->path()) + "/";
    for (const char* name : {"/m/B.cm", "/m/a.cm", "/m/C.msi"}) {
      data::PatternFile record;
      record.path = name;
      record.fileName = std::string(name).substr(3);
      patterns[data::ToKey(name)] = record;
    }
  }

  // A box is checked only for the exact text "TRUE"; of two stored languages Chinese is
  // shown; the files are listed in key order; the folder is the previous one.
  void opensWithStoredChoicesFilesAndFolder() {
    for (const char* key : {"IDC_RADIO_WORD_REPORT2", "IDC_CHECK_TMVMSI", "IDC_RADIO_ENG", "IDC_RADIO_CHINA"})
      settings.Write("TRUE", key, kExportSection);
    settings.Write("True", "IDC_RADIO_MSI", kExportSection);
    CDlgDataExport dlg(patterns, settings, previous, prompts, messages);
    QCOMPARE(dlg.objectName(), QString("IDD_DIALOG_DATA_EXPORT"));
    for (const exports::ExportChoiceKey& c : exports::ExportChoiceKeys()) {
      const std::string key = c.key;
      const bool expected = key == "IDC_RADIO_WORD_REPORT2" || key == "IDC_CHECK_TMVMSI" || key == "IDC_RADIO_CHINA";
      auto* box = dlg.findChild<QAbstractButton*>(c.key);
      QVERIFY2(box && box->isChecked() == expected, c.key);
    }
    QVERIFY(qobject_cast<QCheckBox*>(dlg.findChild<QAbstractButton*>("IDC_RADIO_WORD_REPORT1")));
    QCOMPARE(dlg.findChild<QAbstractButton*>("IDC_RADIO_EXCEL_DATA")->text(), QString("Export data（Excel Format）"));
    auto* english = dlg.findChild<QRadioButton*>("IDC_RADIO_ENG");
    english->click();
    QVERIFY(!dlg.findChild<QRadioButton*>("IDC_RADIO_CHINA")->isChecked());

    auto* list = dlg.findChild<QTableWidget*>("IDC_LIST_FILES");
    QCOMPARE(list->rowCount(), 3);
    QCOMPARE(list->item(0, 0)->text(), QString("a.cm"));
    QCOMPARE(list->item(2, 1)->text(), QString("/m/C.msi"));
    QCOMPARE(list->horizontalHeaderItem(1)->text(), QString("File Path"));
    QCOMPARE(list->columnWidth(1), 300);
    QCOMPARE(dlg.findChild<QLineEdit*>("IDC_EDIT_PATH")->text(), desktop::ToQt(previous.exportFolder));
  }

  void browseAppendsTheSlash() {
    CDlgDataExport dlg(patterns, settings, previous, prompts, messages);
    prompts.folder = work->filePath("out");
    Click(dlg, "IDC_BUTTON_PATH");
    QCOMPARE(prompts.lastTitle, QString::fromUtf8("选择数据导入目录："));
    QCOMPARE(dlg.findChild<QLineEdit*>("IDC_EDIT_PATH")->text(), work->filePath("out") + "/");
  }

  // An empty or missing folder keeps the dialog open with the message, nothing stored.
  void okRefusesAFolderThatDoesNotExist() {
    for (const QString& typed : {QString(), work->filePath("missing")}) {
      messages.shown.clear();
      CDlgDataExport dlg(patterns, settings, previous, prompts, messages);
      dlg.findChild<QLineEdit*>("IDC_EDIT_PATH")->setText(typed);
      Click(dlg, "IDOK");
      QCOMPARE(dlg.result(), int(QDialog::Rejected));
      QCOMPARE(messages.shown.size(), std::size_t{1});
      QCOMPARE(messages.shown[0].text, std::string("Export path is empty or does not exist！"));
    }
    QVERIFY(!settings.Has("IDC_RADIO_TXT", kExportSection));
  }

  // Spreadsheets only: no pattern information asked, the choices stored, the folder gets
  // its slash.
  void okWithoutPatternChoiceStoresAndAccepts() {
    NestedDialogs nested([](QDialog& d) { d.reject(); });
    CDlgDataExport dlg(patterns, settings, previous, prompts, messages);
    dlg.findChild<QLineEdit*>("IDC_EDIT_PATH")->setText(work->path());
    dlg.findChild<QAbstractButton*>("IDC_RADIO_EXCEL_REPORT")->setChecked(true);
    Click(dlg, "IDOK");
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    QVERIFY(nested.names.isEmpty());
    QCOMPARE(dlg.Request().exportFolder, desktop::FromQt(work->path()) + "/");
    QVERIFY(dlg.Request().choices.excelResult && !dlg.Request().choices.txt);
    QCOMPARE(settings.Read("IDC_RADIO_EXCEL_REPORT", kExportSection), std::string("TRUE"));
    QCOMPARE(settings.Read("IDC_RADIO_TXT", kExportSection), std::string("FALSE"));
  }

  // A pattern choice asks for the pattern information: its Cancel keeps the export dialog
  // open, its OK hands its values to the request.
  void patternChoiceAsksForPatternInformation() {
    CDlgDataExport dlg(patterns, settings, previous, prompts, messages);
    dlg.findChild<QAbstractButton*>("IDC_RADIO_TXT")->setChecked(true);
    {
      NestedDialogs nested([](QDialog& d) { Click(d, "IDCANCEL"); });
      Click(dlg, "IDOK");
      QCOMPARE(nested.names, QStringList{"IDD_DIALOG_PATTERN_FILES_INFO"});
      QCOMPARE(dlg.result(), int(QDialog::Rejected));
    }
    NestedDialogs nested([](QDialog& d) {
      d.findChild<QComboBox*>("IDC_COMBO_GAIN_UNIT")->setCurrentText("dBd");
      Click(d, "IDOK");
    });
    Click(dlg, "IDOK");
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    QCOMPARE(dlg.Request().patternInformation.gainUnit, std::string("dBd"));
    QVERIFY(dlg.Request().choices.txt);
  }

 private:
  std::unique_ptr<QTemporaryDir> work;
  data::CSettingsStore settings;
  exports::ExportRequest previous;
  data::PatternSet patterns;
  test::FolderPrompts prompts;
  data::RecordingMessages messages;
};

QTEST_MAIN(CDlgDataExportTest)
#include "CDlgDataExportTest.moc"

// The envelope and gain configuration, the chamber XML selection and the main window's
// setup commands: browse through scripted pickers, refusals keep the dialog open.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "desktop/dialogs/CDlgOpenConfig.h"
#include "desktop/dialogs/CDlgSelectXML.h"
#include "desktop/shell/CMainFrame.h"
#include "desktop/shell/Prompts.h"
#include "desktop/shell/SetupCommands.h"
#include "session/AuxiliarySetup.h"
#include "session/DocumentSetup.h"

using namespace lumaret;

namespace {

// Answers every picker with the prepared path and remembers what it was asked.
class ScriptedPrompts : public desktop::FilePrompts {
 public:
  QString answer;
  QString lastTitle, lastFilter;
  QStringList OpenFiles(QWidget*, const QString&, const QString&) override { return {answer}; }
  QString OpenFile(QWidget*, const QString& title, const QString& filter) override {
    lastTitle = title;
    lastFilter = filter;
    return answer;
  }
  QString SaveFile(QWidget*, const QString&, const QString&) override { return answer; }
  QString ExistingFolder(QWidget*, const QString& title) override {
    lastTitle = title;
    return answer;
  }
};

}  // namespace

class CDlgAuxiliarySetupTest : public QObject {
  Q_OBJECT

  static QLineEdit* Edit(QDialog& dlg, const char* id) { return dlg.findChild<QLineEdit*>(id); }
  static void Click(QDialog& dlg, const char* id) { dlg.findChild<QPushButton*>(id)->click(); }

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void init() {
    work = std::make_unique<QTemporaryDir>();
    messages = std::make_unique<data::RecordingMessages>();
    doc = std::make_unique<session::CTessalyUnitDoc>(*messages);
    session::DocumentFolders folders;
    folders.programFolder = LUMARET_SOURCE_DIR "/";
    folders.workingFolder = desktop::FromQt(work->path()) + "/";
    session::InitialiseDocument(*doc, folders);
  }

  void envelopeFolderEmptyIsRefusedAndBrowseFillsIt() {
    desktop::CDlgOpenConfig dlg(*doc, prompts, *messages);
    QCOMPARE(Edit(dlg, "IDC_EDIT_OPEN_CONFIG")->text(), desktop::ToQt(doc->envelopeFolder));
    dlg.open();
    Edit(dlg, "IDC_EDIT_OPEN_CONFIG")->clear();
    Click(dlg, "IDOK");
    QCOMPARE(messages->shown.size(), std::size_t{1});
    QCOMPARE(messages->shown[0].text, std::string("Configured path can not be empty！"));
    QVERIFY(dlg.isVisible());

    QVERIFY(QDir(work->path()).mkpath("env"));
    QFile curve(work->path() + "/env/v-plane.txt");
    QVERIFY(curve.open(QIODevice::WriteOnly));
    curve.write("0 0\n10 -3\n");
    curve.close();
    prompts.answer = work->path() + "/env";
    Click(dlg, "IDC_BUTTON_BROWSE");
    QCOMPARE(prompts.lastTitle, QString::fromUtf8("选择数据导入目录："));
    const std::size_t before = doc->envelopeMap.size();
    Click(dlg, "IDOK");
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    QCOMPARE(doc->envelopeMap.size(), before + 1);
    QCOMPARE(doc->settings.Read(session::kOpenConfigKey, session::kOpenConfigSection),
             desktop::FromQt(prompts.answer) + "/");
  }

  void chamberXmlMissingFileIsRefusedExistingIsKept() {
    desktop::CDlgSelectXML dlg(prompts, *messages);
    dlg.open();
    const QString missing = work->path() + "/none.XML";
    Edit(dlg, "IDC_EDIT_XML_PATH")->setText(missing);
    Click(dlg, "IDOK");
    QCOMPARE(messages->shown.size(), std::size_t{1});
    QCOMPARE(messages->shown[0].text, desktop::FromQt(missing) + "文件在磁盘上不存在");
    QCOMPARE(messages->shown[0].caption, std::string("信息提示"));
    QVERIFY(dlg.isVisible());

    prompts.answer = LUMARET_SOURCE_DIR "/Config File/Config.xml";
    Click(dlg, "IDC_BUTTON_BROWSE");
    QCOMPARE(prompts.lastFilter, QString("Chamber Files (*.XML);;All Files (*)"));
    Click(dlg, "IDOK");
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    QCOMPARE(dlg.Path(), desktop::FromQt(prompts.answer));
  }

  void mainWindowRunsTheSetupCommands() {
    desktop::CMainFrame frame(*doc, prompts, *messages);
    for (const char* id : {"ID_HORIZONTAL_SETUP", "ID_VERTICAL_SETUP", "ID_RADIATION_SETUP",
                           "ID_ENVELOPE_GAIN_CONFIG", "ID_CHAMBER_XML"})
      QVERIFY2(frame.Action(id)->isEnabled(), id);
    QCOMPARE(desktop::ChamberXmlPath(), QString("./Config.xml"));

    // Answer the modal dialog once it is up: choose the shipped store and press OK.
    prompts.answer = LUMARET_SOURCE_DIR "/Config File/Config.xml";
    QTimer::singleShot(0, [] {
      auto* dlg = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      QVERIFY(dlg);
      Click(*dlg, "IDC_BUTTON_BROWSE");
      Click(*dlg, "IDOK");
    });
    frame.Action("ID_CHAMBER_XML")->trigger();
    QCOMPARE(desktop::ChamberXmlPath(), prompts.answer);
  }

 private:
  ScriptedPrompts prompts;
  std::unique_ptr<QTemporaryDir> work;
  std::unique_ptr<data::RecordingMessages> messages;
  std::unique_ptr<session::CTessalyUnitDoc> doc;
};

QTEST_MAIN(CDlgAuxiliarySetupTest)
#include "CDlgAuxiliarySetupTest.moc"

// The analysis setup dialogs over a document showing a horizontal and a vertical sample
// cut: refused entries keep the dialog open with their message; an accepted OK stores the
// setting and changes a result. Pickers are scripted.
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "data/PatternFileReader.h"
#include "desktop/dialogs/CDlgHSetup.h"
#include "desktop/dialogs/CDlgOpenConfig.h"
#include "desktop/dialogs/CDlgRadiationSetup.h"
#include "desktop/dialogs/CDlgSelectXML.h"
#include "desktop/dialogs/CDlgVSetup.h"
#include "desktop/shell/CMainFrame.h"
#include "desktop/shell/SetupCommands.h"
#include "session/DisplayedFiles.h"
#include "desktop/support/FrameFixture.h"
#include "session/DocumentSetup.h"

using namespace lumaret;

namespace {

const std::string kCampaign = LUMARET_SOURCE_DIR "/samples/1700_2200_ANTX65_20261206_A_B/";
const QString kShippedStore = LUMARET_SOURCE_DIR "/Config File/Config.xml";

struct Entry {
  const char* key;
  QString text;  // for a radio button: clicked
};

}  // namespace

class CDlgSetupTest : public QObject {
  Q_OBJECT

  static QLineEdit* Edit(QDialog& dlg, const char* id) { return dlg.findChild<QLineEdit*>(id); }
  static void Click(QDialog& dlg, const char* id) { dlg.findChild<QAbstractButton*>(id)->click(); }

  // Opens the dialog, types the entries and presses OK.
  static void Enter(QDialog& dlg, const std::vector<Entry>& entries) {
    dlg.open();
    for (const Entry& e : entries) {
      if (auto* edit = Edit(dlg, e.key)) edit->setText(e.text);
      else Click(dlg, e.key);
    }
    Click(dlg, "IDOK");
  }

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void init() {
    work = std::make_unique<QTemporaryDir>();
    messages = std::make_unique<data::RecordingMessages>();
    doc = std::make_unique<session::CTessalyUnitDoc>(*messages);
    test::InitialiseTestDocument(*doc, LUMARET_SOURCE_DIR "/", *work);
    hKey = data::ToKey(kCampaign + "P1_p45_h_co_4_0_1940.cm");
    vKey = data::ToKey(kCampaign + "P1_p45_e_co_4_0_1940.cm");
    QVERIFY(data::ReadPatternFile(*doc, kCampaign + "P1_p45_h_co_4_0_1940.cm").ok());
    QVERIFY(data::ReadPatternFile(*doc, kCampaign + "P1_p45_e_co_4_0_1940.cm").ok());
    session::ChooseDisplayedFiles(*doc, {hKey, vKey});
  }

  void refusedEntriesKeepTheDialogOpen() {
    using Make = std::function<std::unique_ptr<QDialog>()>;
    const Make h = [&] { return std::make_unique<desktop::CDlgHSetup>(*doc, *messages); };
    const Make v = [&] { return std::make_unique<desktop::CDlgVSetup>(*doc, *messages); };
    const QString missing = work->path() + "/none.XML";
    const struct {
      Make make;
      std::vector<Entry> entries;
      std::string message, caption;
    } cases[] = {
        {h, {{"IDC_EDIT_HBWXdB", "0"}}, "HBW XdB input parameter is out of range 1~20,please check!", "ERROR"},
        {v, {{"IDC_RADIO_MANUAL", ""}, {"IDC_EDIT_72", ""}},
         "Vertical SS parameter contains illegal characters or one of them is empty, please check!", "Error"},
        {[&] { return std::make_unique<desktop::CDlgOpenConfig>(*doc, prompts, *messages); },
         {{"IDC_EDIT_OPEN_CONFIG", ""}}, "Configured path can not be empty！", data::kAppCaption},
        {[&] { return std::make_unique<desktop::CDlgSelectXML>(prompts, *messages); },
         {{"IDC_EDIT_XML_PATH", missing}}, desktop::FromQt(missing) + "文件在磁盘上不存在", "信息提示"},
    };
    const analysis::HPara hBefore = doc->hPara;
    const analysis::VPara vBefore = doc->vPara;
    for (const auto& c : cases) {
      messages->shown.clear();
      const std::unique_ptr<QDialog> dlg = c.make();
      Enter(*dlg, c.entries);
      QCOMPARE(messages->shown.size(), std::size_t{1});
      QCOMPARE(messages->shown[0].text, c.message);
      QCOMPARE(messages->shown[0].caption, c.caption);
      QVERIFY(dlg->isVisible());
    }
    QVERIFY(doc->hPara == hBefore);
    QVERIFY(doc->vPara == vBefore);
  }

  void setupOkStoresAndChangesTheResult() {
    const float hBefore = doc->patterns[hKey].result.hbwXdB;
    const float vBefore = doc->patterns[vKey].result.vbwXdB;
    desktop::CDlgHSetup hDlg(*doc, *messages);
    QCOMPARE(Edit(hDlg, "IDC_EDIT_HBWXdB")->text(), QString("10"));
    Enter(hDlg, {{"IDC_EDIT_HBWXdB", "3"}});
    desktop::CDlgVSetup vDlg(*doc, *messages);
    QVERIFY(!vDlg.findChild<QRadioButton*>("IDC_RADIO_GAIN_CALCPARA_V"));  // the radiation setup's pair
    Enter(vDlg, {{"IDC_EDIT_VBWXdB_xdB", "3"}});
    desktop::CDlgRadiationSetup rDlg(*doc, *messages);
    Enter(rDlg, {{"IDC_RADIO_GAIN_CALCPARA_V", ""}});

    QVERIFY(messages->shown.empty());
    for (QDialog* dlg : {static_cast<QDialog*>(&hDlg), static_cast<QDialog*>(&vDlg), static_cast<QDialog*>(&rDlg)})
      QCOMPARE(dlg->result(), int(QDialog::Accepted));
    QCOMPARE(doc->settings.Read("IDC_EDIT_HBWXdB", analysis::kHSetupSection), std::string("3"));
    QCOMPARE(doc->settings.Read("IDC_RADIO_GAIN_CALCPARA_H", analysis::kVSetupSection), std::string("FALSE"));
    QCOMPARE(doc->vPara.gainCut.gainCut, 1);
    QVERIFY(doc->patterns[hKey].result.hbwXdB < hBefore - 5.0f);
    QVERIFY(vBefore != data::kUnset && doc->patterns[vKey].result.vbwXdB < vBefore - 1.0f);
  }

  void browseFillsTheFolderAndThePath() {
    desktop::CDlgOpenConfig folderDlg(*doc, prompts, *messages);
    prompts.folder = work->path();
    folderDlg.open();
    Click(folderDlg, "IDC_BUTTON_BROWSE");
    QCOMPARE(prompts.lastTitle, QString::fromUtf8("选择数据导入目录："));
    Click(folderDlg, "IDOK");
    QCOMPARE(doc->envelopeFolder, desktop::FromQt(work->path()) + "/");

    desktop::CDlgSelectXML xmlDlg(prompts, *messages);
    prompts.file = kShippedStore;
    xmlDlg.open();
    Click(xmlDlg, "IDC_BUTTON_BROWSE");
    QCOMPARE(prompts.lastFilter, QString("Chamber Files (*.XML);;All Files (*)"));
    Click(xmlDlg, "IDOK");
    QCOMPARE(xmlDlg.Path(), desktop::FromQt(kShippedStore));
  }

  void mainWindowRunsTheSetupCommands() {
    desktop::CMainFrame frame(*doc, prompts, *messages);
    for (const char* id : {"ID_HORIZONTAL_SETUP", "ID_VERTICAL_SETUP", "ID_RADIATION_SETUP",
                           "ID_ENVELOPE_GAIN_CONFIG", "ID_CHAMBER_XML"})
      QVERIFY2(frame.Action(id)->isEnabled(), id);
    QCOMPARE(desktop::ChamberXmlPath(), QString("./Config.xml"));
    prompts.file = kShippedStore;
    QTimer::singleShot(0, [] {
      auto* dlg = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      QVERIFY(dlg);
      Click(*dlg, "IDC_BUTTON_BROWSE");
      Click(*dlg, "IDOK");
    });
    frame.Action("ID_CHAMBER_XML")->trigger();
    QCOMPARE(desktop::ChamberXmlPath(), kShippedStore);
  }

 private:
  test::ScriptedPrompts prompts;
  std::unique_ptr<QTemporaryDir> work;
  std::unique_ptr<data::RecordingMessages> messages;
  std::unique_ptr<session::CTessalyUnitDoc> doc;
  std::string hKey, vKey;
};

QTEST_MAIN(CDlgSetupTest)
#include "CDlgSetupTest.moc"

// The three setup dialogs over a document showing one sample file: refused fields keep the
// dialog open with their message, an accepted OK stores the setting and changes a result.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "data/PatternFileReader.h"
#include "desktop/dialogs/CDlgHSetup.h"
#include "desktop/dialogs/CDlgRadiationSetup.h"
#include "desktop/dialogs/CDlgVSetup.h"
#include "desktop/shell/Prompts.h"
#include "session/DisplayedFiles.h"
#include "session/DocumentSetup.h"

using namespace lumaret;

namespace {

const std::string kCampaign = LUMARET_SOURCE_DIR "/samples/1700_2200_ANTX65_20261206_A_B/";
const std::string kHorizontal = kCampaign + "P1_p45_h_co_4_0_1940.cm";
const std::string kVertical = kCampaign + "P1_p45_e_co_4_0_1940.cm";

struct Entry {
  const char* key;
  const char* text;
};

}  // namespace

class CDlgSetupTest : public QObject {
  Q_OBJECT

  static QLineEdit* Edit(QDialog& dlg, const char* id) { return dlg.findChild<QLineEdit*>(id); }
  static void Click(QDialog& dlg, const char* id) { dlg.findChild<QAbstractButton*>(id)->click(); }

  // Types the entries, presses OK and expects the one message with the dialog still open.
  void ExpectRefused(QDialog& dlg, const std::vector<Entry>& entries, const std::string& text,
                     const std::string& caption) {
    dlg.open();
    for (const Entry& e : entries) {
      if (auto* edit = Edit(dlg, e.key)) edit->setText(e.text);
      else Click(dlg, e.key);
    }
    Click(dlg, "IDOK");
    QCOMPARE(messages->shown.size(), std::size_t{1});
    QCOMPARE(messages->shown[0].text, text);
    QCOMPARE(messages->shown[0].caption, caption);
    QVERIFY(dlg.isVisible());
  }

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
    QVERIFY(data::ReadPatternFile(*doc, kHorizontal).ok());
    QVERIFY(data::ReadPatternFile(*doc, kVertical).ok());
    key = data::ToKey(kHorizontal);
    vKey = data::ToKey(kVertical);
    session::ChooseDisplayedFiles(*doc, {key, vKey});
  }

  void horizontalRefusalsKeepTheDialogOpen_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("HBW 0") << "IDC_EDIT_HBWXdB" << "0" << "HBW XdB input parameter is out of range 1~20,please check!";
    QTest::newRow("FBR 12.5") << "IDC_EDIT_FBR_XDEG" << "12.5"
                              << "FBR Xdeg input parameter is out of range -180~180,please check!";
    QTest::newRow("XPD 181") << "IDC_EDIT_SelXPDX" << "181" << QString::fromUtf8("XPD X° input parameter is out of range 0~180,please check!");
  }
  void horizontalRefusalsKeepTheDialogOpen() {
    QFETCH(QString, key);
    QFETCH(QString, text);
    QFETCH(QString, message);
    const analysis::HPara before = doc->hPara;
    desktop::CDlgHSetup dlg(*doc, *messages);
    const QByteArray k = key.toUtf8(), t = text.toUtf8();
    ExpectRefused(dlg, {{k.constData(), t.constData()}}, desktop::FromQt(message), "ERROR");
    QVERIFY(doc->hPara == before);
  }

  void horizontalOkStoresAndChangesTheResult() {
    desktop::CDlgHSetup dlg(*doc, *messages);
    QCOMPARE(Edit(dlg, "IDC_EDIT_HBWXdB")->text(), QString("10"));
    QCOMPARE(dlg.findChildren<QLineEdit*>().size() + dlg.findChildren<QRadioButton*>().size() + 1,
             analysis::HSetupKeys().size());
    QVERIFY(dlg.findChild<QComboBox*>("IDC_IDC_COMB_SPR_XDB"));
    const float before = doc->patterns[key].result.hbwXdB;
    dlg.open();
    Edit(dlg, "IDC_EDIT_HBWXdB")->setText("3");
    Click(dlg, "IDOK");
    QVERIFY(messages->shown.empty());
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    QCOMPARE(doc->settings.Read("IDC_EDIT_HBWXdB", analysis::kHSetupSection), std::string("3"));
    QVERIFY(doc->patterns[key].result.hbwXdB < before - 5.0f);
  }

  void verticalRefusals() {
    {
      desktop::CDlgVSetup dlg(*doc, *messages);
      ExpectRefused(dlg, {{"IDC_EDIT_VBWXdB_xdB", "21"}}, "VBW XdB parameter is out of range 1~20,please check!",
                    "ERROR");
    }
    messages->shown.clear();
    desktop::CDlgVSetup dlg(*doc, *messages);
    ExpectRefused(dlg, {{"IDC_RADIO_MANUAL", ""}, {"IDC_EDIT_72", ""}},
                  "Vertical SS parameter contains illegal characters or one of them is empty, please check!", "Error");
    QVERIFY(!dlg.findChild<QRadioButton*>("IDC_RADIO_GAIN_CALCPARA_V"));  // the radiation setup's pair
  }

  void verticalOkStoresAndChangesTheResult() {
    const float before = doc->patterns[vKey].result.vbwXdB;
    QVERIFY(before != data::kUnset);
    desktop::CDlgVSetup dlg(*doc, *messages);
    dlg.open();
    Edit(dlg, "IDC_EDIT_VBWXdB_xdB")->setText("3");
    Click(dlg, "IDOK");
    QVERIFY(messages->shown.empty());
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    QCOMPARE(doc->settings.Read("IDC_EDIT_VBWXdB_xdB", analysis::kVSetupSection), std::string("3"));
    QCOMPARE(doc->vPara.VBW_XdB, 3.0f);
    QVERIFY(doc->patterns[vKey].result.vbwXdB < before - 1.0f);
  }

  void radiationOkWritesThePair() {
    desktop::CDlgRadiationSetup dlg(*doc, *messages);
    dlg.open();
    Click(dlg, "IDC_RADIO_GAIN_CALCPARA_V");
    Click(dlg, "IDOK");
    QVERIFY(messages->shown.empty());
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    QCOMPARE(doc->vPara.gainCut.gainCut, 1);
    QCOMPARE(doc->settings.Read("IDC_RADIO_GAIN_CALCPARA_H", analysis::kVSetupSection), std::string("FALSE"));
  }

 private:
  std::unique_ptr<QTemporaryDir> work;
  std::unique_ptr<data::RecordingMessages> messages;
  std::unique_ptr<session::CTessalyUnitDoc> doc;
  std::string key;
  std::string vKey;
};

QTEST_MAIN(CDlgSetupTest)
#include "CDlgSetupTest.moc"

#include "desktop/dialogs/CDlgColorSetup.h"

#include <QListWidget>
#include <QPushButton>
#include <QStandardPaths>
#include <QtTest>

using lumaret::data::RecordingMessages;
using lumaret::desktop::CDlgColorSetup;
using namespace lumaret::display;

namespace {

// Answers every colour question with a fixed colour and counts the questions.
class ScriptedColorSetup : public CDlgColorSetup {
 public:
  using CDlgColorSetup::CDlgColorSetup;
  std::optional<Colour> answer;
  int asked = 0;

 protected:
  std::optional<Colour> ChooseColour(Colour) override {
    ++asked;
    return answer;
  }
};

void Click(QDialog& dlg, const char* id) { dlg.findChild<QPushButton*>(id)->click(); }
QListWidget* Rows(QDialog& dlg) { return dlg.findChild<QListWidget*>("IDC_LIST_LINECOLOR"); }

}  // namespace

class CDlgColorSetupTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void choosingNeedsExactlyOneRow_data() {
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<QString>("message");
    QTest::newRow("none") << QList<int>{} << "Please chose one color!";
    QTest::newRow("several") << QList<int>{1, 4} << "You can only chose one color!";
  }
  void choosingNeedsExactlyOneRow() {
    QFETCH(QList<int>, selected);
    QFETCH(QString, message);
    RecordingMessages messages;
    ScriptedColorSetup dlg(DefaultColours(), messages, nullptr);
    QCOMPARE(Rows(dlg)->count(), 24);
    for (int row : selected) Rows(dlg)->item(row)->setSelected(true);
    Click(dlg, "IDC_BUTTON_LINECOLOR");
    QCOMPARE(messages.shown.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(messages.shown[0].text), message);
    QCOMPARE(dlg.asked, 0);
  }

  void choosingColoursChangesThem() {
    RecordingMessages messages;
    ScriptedColorSetup dlg(DefaultColours(), messages, nullptr);
    QCOMPARE(Rows(dlg)->item(2)->text(), QString("Line 3"));
    Rows(dlg)->item(2)->setSelected(true);
    dlg.answer = Rgb(255, 0, 128);
    Click(dlg, "IDC_BUTTON_LINECOLOR");
    QCOMPARE(CurveColour(dlg.Colours(), 3), Rgb(255, 0, 128));
    QCOMPARE(CurveColour(dlg.Colours(), 1), Rgb(0, 0, 255));
    dlg.answer = Rgb(10, 20, 30);
    Click(dlg, "IDC_BUTTON_COORDINATESCOLOR");
    dlg.answer = Rgb(40, 50, 60);
    Click(dlg, "IDC_BUTTON_GRIDCOLOR");
    QCOMPARE(dlg.Colours().axes.coordinates, Rgb(10, 20, 30));
    QCOMPARE(dlg.Colours().axes.grid, Rgb(40, 50, 60));
    QVERIFY(messages.shown.empty());
  }
};

QTEST_MAIN(CDlgColorSetupTest)
#include "CDlgColorSetupTest.moc"

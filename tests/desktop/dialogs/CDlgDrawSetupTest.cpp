#include "desktop/dialogs/CDlgDrawSetup.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QtTest>

using lumaret::data::RecordingMessages;
using lumaret::desktop::CDlgDrawSetup;
using lumaret::display::CoordinateMode;
using lumaret::display::DrawSetting;

class CDlgDrawSetupTest : public QObject {
  Q_OBJECT

  static QLineEdit* Edit(QDialog& dlg, const QString& id) { return dlg.findChild<QLineEdit*>(id); }
  static void Click(QDialog& dlg, const char* id) { dlg.findChild<QPushButton*>(id)->click(); }

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void listChoosesThePage() {
    RecordingMessages messages;
    CDlgDrawSetup dlg(DrawSetting{}, CoordinateMode::Cartesian, messages, nullptr);
    auto* pages = dlg.findChild<QStackedWidget*>("IDC_STACK_PAGES");
    QVERIFY(pages->currentWidget()->isAncestorOf(Edit(dlg, "IDC_EDIT_PMSTART")));
    dlg.findChild<QListWidget*>("IDC_LIST1")->setCurrentRow(1);
    QVERIFY(pages->currentWidget()->isAncestorOf(Edit(dlg, "IDC_EDIT_RXSCALEDISTANCE")));
  }

  void defaultsButtonFillsTheEntriesAndReportsThem() {
    RecordingMessages messages;
    DrawSetting current;
    current.pmEnd = -80;
    CDlgDrawSetup dlg(current, CoordinateMode::Polar, messages, nullptr);
    QCOMPARE(Edit(dlg, "IDC_EDIT_PMEND")->text(), QString("-80"));
    QList<int> reported;
    connect(&dlg, &CDlgDrawSetup::DefaultsApplied, [&](const DrawSetting& s) { reported << s.pmEnd; });
    Click(dlg, "IDC_BUTTON_DEFAULT");
    QCOMPARE(reported, QList<int>{-50});
    QCOMPARE(Edit(dlg, "IDC_EDIT_PMEND")->text(), QString("-50"));
    QCOMPARE(Edit(dlg, "IDC_EDIT_RMEND")->text(), QString("-30"));
  }

  void refusedEntriesKeepTheDialogOpen_data() {
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("START below END") << "IDC_EDIT_RMSTART" << "-40" << "START must be greater than END.";
    QTest::newRow("zero step") << "IDC_EDIT_PXLINEDISTANCE" << "0" << "Grid and scale steps must be greater than 0.";
  }
  void refusedEntriesKeepTheDialogOpen() {
    QFETCH(QString, id);
    QFETCH(QString, text);
    QFETCH(QString, message);
    RecordingMessages messages;
    CDlgDrawSetup dlg(DrawSetting{}, CoordinateMode::Polar, messages, nullptr);
    dlg.open();
    Edit(dlg, id)->setText(text);
    Click(dlg, "IDOK");
    QCOMPARE(messages.shown.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(messages.shown[0].text), message);
    QVERIFY(dlg.isVisible());
  }

  void okAcceptsTheEnteredValues() {
    RecordingMessages messages;
    CDlgDrawSetup dlg(DrawSetting{}, CoordinateMode::Cartesian, messages, nullptr);
    dlg.open();
    Edit(dlg, "IDC_EDIT_PMEND")->setText("-40");
    Click(dlg, "IDOK");
    QVERIFY(messages.shown.empty());
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    QCOMPARE(dlg.Setting().pmEnd, -40);
  }
};

QTEST_MAIN(CDlgDrawSetupTest)
#include "CDlgDrawSetupTest.moc"

#include "desktop/dialogs/CDlgDrawSetup.h"

#include <QLineEdit>
#include <QPushButton>
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

  // A refused start and end keep the dialog open with the message; corrected, OK accepts.
  void refusedStartAndEndKeepTheDialogOpenThenOkAccepts() {
    RecordingMessages messages;
    CDlgDrawSetup dlg(DrawSetting{}, CoordinateMode::Cartesian, messages, nullptr);
    dlg.open();
    Edit(dlg, "IDC_EDIT_RMSTART")->setText("-40");
    Click(dlg, "IDOK");
    QCOMPARE(messages.shown.size(), std::size_t{1});
    QCOMPARE(messages.shown[0].text, std::string("START must be greater than END."));
    QVERIFY(dlg.isVisible());
    QCOMPARE(dlg.Setting().rmStart, 0);
    Edit(dlg, "IDC_EDIT_RMSTART")->setText("0");
    Edit(dlg, "IDC_EDIT_PMEND")->setText("-40");
    Click(dlg, "IDOK");
    QCOMPARE(messages.shown.size(), std::size_t{1});
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    QCOMPARE(dlg.Setting().pmEnd, -40);
  }
};

QTEST_MAIN(CDlgDrawSetupTest)
#include "CDlgDrawSetupTest.moc"

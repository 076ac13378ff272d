#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include "desktop/dialogs/CDlgPatternFilesInfo.h"

using namespace lumaret;
using desktop::CDlgPatternFilesInfo;

class CDlgPatternFilesInfoTest : public QObject {
  Q_OBJECT
 private slots:
  // The record fills the controls; the table follows the antenna type; Cancel keeps the record.
  void recordFillsControlsAndTableFollowsType() {
    const data::PatternInformation current{data::kDualPort, "dBd", "Mechanical", {{"p1", "A"}}};
    data::RecordingMessages messages;
    CDlgPatternFilesInfo dlg(current, messages);
    auto* type = dlg.findChild<QComboBox*>("IDC_COMBO_ANTENNA_TYPE");
    auto* table = dlg.findChild<QTableWidget*>("IDC_LIST_PORTS");
    QCOMPARE(dlg.findChild<QComboBox*>("IDC_COMBO_TILT_METHOD")->currentText(), QString("Mechanical"));
    QCOMPARE(table->rowCount(), 10);
    QCOMPARE(table->item(9, 0)->text(), QString("9"));
    QVERIFY(!(table->item(0, 0)->flags() & Qt::ItemIsEditable));
    QCOMPARE(table->item(0, 2)->text(), QString("A"));
    QVERIFY(!table->isEnabled());
    type->setCurrentText("Multi-port");
    QVERIFY(table->isEnabled());
    dlg.findChild<QPushButton*>("IDCANCEL")->click();
    QCOMPARE(dlg.Information().antennaType, std::string(data::kDualPort));
  }

  // A multi-port antenna without a complete row is refused with the message, the dialog
  // open. Text typed into a cell whose editor is still open when OK is clicked (the click
  // does not take the focus from the editor here) is part of the accepted record.
  void multiPortNeedsARowAndOpenEditorTextIsKept() {
    data::RecordingMessages messages;
    CDlgPatternFilesInfo dlg(data::PatternInformation{}, messages);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    dlg.findChild<QComboBox*>("IDC_COMBO_ANTENNA_TYPE")->setCurrentText("Multi-port");
    auto* table = dlg.findChild<QTableWidget*>("IDC_LIST_PORTS");
    table->item(0, 1)->setText("P0");  // no extension yet: the row is not kept
    auto* ok = dlg.findChild<QPushButton*>("IDOK");
    ok->click();
    QCOMPARE(messages.shown.size(), std::size_t{1});
    QCOMPARE(messages.shown[0].text, std::string(data::kEmptyPortTableMessage));
    QVERIFY(dlg.isVisible());

    table->editItem(table->item(0, 2));
    auto* editor = table->viewport()->findChild<QLineEdit*>();
    QVERIFY(editor);
    editor->setText("ext0");
    ok->click();
    QCOMPARE(messages.shown.size(), std::size_t{1});
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    QCOMPARE(dlg.Information().ports.size(), std::size_t{1});
    QCOMPARE(dlg.Information().ports[0].portName, std::string("p0"));
    QCOMPARE(dlg.Information().ports[0].extension, std::string("EXT0"));
  }
};

QTEST_MAIN(CDlgPatternFilesInfoTest)
#include "CDlgPatternFilesInfoTest.moc"

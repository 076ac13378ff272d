#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include "data/PatternInformation.h"
#include "data/UserMessages.h"
#include "desktop/dialogs/CDlgPatternFilesInfo.h"

using namespace lumaret;
using desktop::CDlgPatternFilesInfo;

namespace {

QStringList Choices(const QComboBox* combo) {
  QStringList out;
  for (int i = 0; i < combo->count(); ++i) out << combo->itemText(i);
  return out;
}

void SetCell(QTableWidget* table, int row, int column, const QString& text) { table->item(row, column)->setText(text); }

}  // namespace

class CDlgPatternFilesInfoTest : public QObject {
  Q_OBJECT
 private slots:
  void defaultsAndTableLayout() {
    data::RecordingMessages messages;
    CDlgPatternFilesInfo dlg(data::PatternInformation{}, messages);
    QCOMPARE(dlg.objectName(), QString("IDD_DIALOG_PATTERN_FILES_INFO"));
    QCOMPARE(dlg.windowTitle(), QString("pattern information configuration"));
    const std::pair<const char*, QStringList> combos[] = {
        {"IDC_COMBO_ANTENNA_TYPE", {"Dual-port", "Multi-port"}},
        {"IDC_COMBO_GAIN_UNIT", {"dBi", "dBd"}},
        {"IDC_COMBO_TILT_METHOD", {"None", "Electrical", "Mechanical"}}};
    for (const auto& [name, choices] : combos) {
      auto* combo = dlg.findChild<QComboBox*>(name);
      QVERIFY2(combo, name);
      QCOMPARE(Choices(combo), choices);
      QCOMPARE(combo->currentText(), choices.front());
    }
    auto* table = dlg.findChild<QTableWidget*>("IDC_LIST_PORTS");
    QVERIFY(table);
    QCOMPARE(table->rowCount(), 10);
    QCOMPARE(table->columnCount(), 3);
    for (int row = 0; row < 10; ++row) {
      QCOMPARE(table->item(row, 0)->text(), QString::number(row));
      QVERIFY(!(table->item(row, 0)->flags() & Qt::ItemIsEditable));
      QVERIFY(table->item(row, 1)->flags() & Qt::ItemIsEditable);
    }
    QVERIFY(table->columnWidth(0) >= 40);
    QVERIFY(table->columnWidth(1) >= 60);
    QVERIFY(table->columnWidth(2) >= 60);
  }

  void tableEnabledOnlyForMultiPort() {
    data::RecordingMessages messages;
    CDlgPatternFilesInfo dlg(data::PatternInformation{}, messages);
    auto* type = dlg.findChild<QComboBox*>("IDC_COMBO_ANTENNA_TYPE");
    auto* table = dlg.findChild<QTableWidget*>("IDC_LIST_PORTS");
    QVERIFY(!table->isEnabled());
    type->setCurrentText("Multi-port");
    QVERIFY(table->isEnabled());
    type->setCurrentText("Dual-port");
    QVERIFY(!table->isEnabled());
  }

  void currentRecordFillsTheControls() {
    data::PatternInformation current;
    current.antennaType = data::kMultiPort;
    current.gainUnit = "dBd";
    current.tiltMethod = "Mechanical";
    current.ports = {{"p1", "A"}, {"p2", "B"}};
    data::RecordingMessages messages;
    CDlgPatternFilesInfo dlg(current, messages);
    QCOMPARE(dlg.findChild<QComboBox*>("IDC_COMBO_GAIN_UNIT")->currentText(), QString("dBd"));
    QCOMPARE(dlg.findChild<QComboBox*>("IDC_COMBO_TILT_METHOD")->currentText(), QString("Mechanical"));
    auto* table = dlg.findChild<QTableWidget*>("IDC_LIST_PORTS");
    QVERIFY(table->isEnabled());
    QCOMPARE(table->item(1, 1)->text(), QString("p2"));
    QCOMPARE(table->item(1, 2)->text(), QString("B"));
    QCOMPARE(table->item(2, 1)->text(), QString());
  }

  // A multi-port antenna with no complete row is refused with the message and the dialog
  // stays open; once a row is filled OK accepts it, the texts cased as the writers expect.
  void multiPortNeedsARow() {
    data::RecordingMessages messages;
    CDlgPatternFilesInfo dlg(data::PatternInformation{}, messages);
    dlg.show();
    dlg.findChild<QComboBox*>("IDC_COMBO_ANTENNA_TYPE")->setCurrentText("Multi-port");
    auto* table = dlg.findChild<QTableWidget*>("IDC_LIST_PORTS");
    SetCell(table, 3, 1, "P3");  // no extension: the row is not kept
    auto* ok = dlg.findChild<QPushButton*>("IDOK");
    ok->click();
    QCOMPARE(messages.shown.size(), std::size_t{1});
    QCOMPARE(messages.shown[0].text, std::string(data::kEmptyPortTableMessage));
    QCOMPARE(messages.shown[0].caption, std::string("Lumaret"));
    QVERIFY(dlg.isVisible());
    QCOMPARE(dlg.result(), int(QDialog::Rejected));

    SetCell(table, 3, 2, "ant");
    ok->click();
    QCOMPARE(messages.shown.size(), std::size_t{1});
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    const data::PatternInformation info = dlg.Information();
    QCOMPARE(info.antennaType, std::string("Multi-port"));
    QCOMPARE(info.ports.size(), std::size_t{1});
    QCOMPARE(info.ports[0].portName, std::string("p3"));
    QCOMPARE(info.ports[0].extension, std::string("ANT"));
  }

  // Text typed into a cell whose editor is still open when OK is clicked is part of the
  // accepted record (the click does not take the focus from the editor here).
  void openEditorTextIsKept() {
    data::RecordingMessages messages;
    CDlgPatternFilesInfo dlg(data::PatternInformation{}, messages);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    dlg.findChild<QComboBox*>("IDC_COMBO_ANTENNA_TYPE")->setCurrentText("Multi-port");
    auto* table = dlg.findChild<QTableWidget*>("IDC_LIST_PORTS");
    SetCell(table, 0, 1, "p0");
    table->editItem(table->item(0, 2));
    auto* editor = table->viewport()->findChild<QLineEdit*>();
    QVERIFY(editor);
    editor->setText("ext0");
    dlg.findChild<QPushButton*>("IDOK")->click();
    QVERIFY(messages.shown.empty());
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    QCOMPARE(dlg.Information().ports.size(), std::size_t{1});
    QCOMPARE(dlg.Information().ports[0].extension, std::string("EXT0"));
    QCOMPARE(table->item(0, 2)->text(), QString("ext0"));
  }
};

QTEST_MAIN(CDlgPatternFilesInfoTest)
#include "CDlgPatternFilesInfoTest.moc"

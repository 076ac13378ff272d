#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QtTest>

#include <memory>

#include "analysis/IndicatorTable.h"
#include "desktop/dialogs/CDlgParameterList.h"
#include "display/ParameterListGroups.h"

using namespace lumaret;
using analysis::Indicator;
using analysis::IndicatorFlags;
using display::ParameterList;

Q_DECLARE_METATYPE(lumaret::display::ParameterList)

namespace {

// Every other indicator set, so a box bound to the wrong flag shows.
IndicatorFlags Alternating() {
  IndicatorFlags flags;
  for (std::size_t i = 0; i < analysis::kIndicatorCount; ++i) flags.Set(static_cast<Indicator>(i), i % 2 == 0);
  return flags;
}

std::unique_ptr<desktop::CDlgParameterList> Make(ParameterList which, const IndicatorFlags& flags) {
  if (which == ParameterList::Vertical) return std::make_unique<desktop::CDlgSetV>(flags, nullptr);
  return std::make_unique<desktop::CDlgSetH>(flags, nullptr);
}

QString Text(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

class CDlgParameterListTest : public QObject {
  Q_OBJECT
 private slots:
  void lists_data() {
    QTest::addColumn<ParameterList>("which");
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QString>("title");
    QTest::newRow("vertical") << ParameterList::Vertical << "IDD_DIALOG_SETV" << "Vertical Parameter List";
    QTest::newRow("horizontal") << ParameterList::Horizontal << "IDD_DIALOG_SETH" << "Horizontal Parameter List";
  }

  // Each box sits in its group with its row's text and its flag's state; OK hands back the
  // boxes as toggled and leaves every flag no box lists as it was.
  void boxesReflectFlagsAndOkAppliesThem_data() { lists_data(); }
  void boxesReflectFlagsAndOkAppliesThem() {
    QFETCH(ParameterList, which);
    QFETCH(QString, objectName);
    QFETCH(QString, title);
    const IndicatorFlags start = Alternating();
    auto dlg = Make(which, start);
    QCOMPARE(dlg->objectName(), objectName);
    QCOMPARE(dlg->windowTitle(), title);

    const display::ParameterGroups groups = display::ParameterListGroups(which);
    const std::pair<const char*, const std::vector<const analysis::IndicatorRow*>*> byGroup[] = {
        {"IDC_GROUP_MAIN_POLARIZATION", &groups.mainPolarization},
        {"IDC_GROUP_CROSS_POLARIZATION", &groups.crossPolarization}};
    std::vector<bool> listed(analysis::kIndicatorCount, false);
    for (const auto& [groupName, rows] : byGroup) {
      auto* group = dlg->findChild<QGroupBox*>(groupName);
      QVERIFY(group);
      for (const analysis::IndicatorRow* row : *rows) {
        auto* box = group->findChild<QCheckBox*>(Text(row->menuKey));
        QVERIFY2(box, row->menuKey.data());
        QCOMPARE(box->text(), Text(row->checkBox));
        QCOMPARE(box->isChecked(), start.IsSet(row->indicator));
        box->toggle();
        listed[static_cast<std::size_t>(row->indicator)] = true;
      }
    }
    QCOMPARE(dlg->findChildren<QCheckBox*>().size(),
             static_cast<qsizetype>(groups.mainPolarization.size() + groups.crossPolarization.size()));

    dlg->findChild<QPushButton*>("IDOK")->click();
    QCOMPARE(dlg->result(), int(QDialog::Accepted));
    const IndicatorFlags out = dlg->Flags();
    for (std::size_t i = 0; i < analysis::kIndicatorCount; ++i) {
      const auto indicator = static_cast<Indicator>(i);
      QCOMPARE(out.IsSet(indicator), listed[i] ? !start.IsSet(indicator) : start.IsSet(indicator));
    }
    // The longest list still fits a 1366x768 screen.
    QVERIFY(dlg->sizeHint().height() < 700);
    QVERIFY(dlg->sizeHint().width() < 1300);
  }

  void horizontalListHasNoUnitaryBox() {
    IndicatorFlags flags;
    flags.Set(Indicator::Unitary, true);
    desktop::CDlgSetH dlg(flags, nullptr);
    QVERIFY(!dlg.findChild<QCheckBox*>("ID_UNITARY"));
    QVERIFY(dlg.Flags().IsSet(Indicator::Unitary));
  }
};

QTEST_MAIN(CDlgParameterListTest)
#include "CDlgParameterListTest.moc"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QtTest>

#include "desktop/dialogs/CDlgParameterList.h"

using namespace lumaret;
using analysis::Indicator;
using analysis::IndicatorFlags;

class CDlgParameterListTest : public QObject {
  Q_OBJECT
 private slots:
  // Every box sits in its group with its row's text and flag; OK hands back each listed flag
  // from its box and every other flag (the normalisation switch, the other list) unchanged.
  void boxesReflectFlagsAndOkAppliesThem() {
    IndicatorFlags start;  // every other flag set, so a box bound to the wrong flag shows
    for (std::size_t i = 0; i < analysis::kIndicatorCount; ++i) start.Set(static_cast<Indicator>(i), i % 2 == 0);
    desktop::CDlgSetV v(start, nullptr);
    desktop::CDlgSetH h(start, nullptr);
    const std::pair<desktop::CDlgParameterList*, display::ParameterList> dialogs[] = {
        {&v, display::ParameterList::Vertical}, {&h, display::ParameterList::Horizontal}};
    for (const auto& [dlg, which] : dialogs) {
      const display::ParameterGroups groups = display::ParameterListGroups(which);
      std::vector<bool> listed(analysis::kIndicatorCount, false);
      for (const auto& [groupName, rows] : {std::pair{"IDC_GROUP_MAIN_POLARIZATION", &groups.mainPolarization},
                                            std::pair{"IDC_GROUP_CROSS_POLARIZATION", &groups.crossPolarization}}) {
        auto* group = dlg->findChild<QGroupBox*>(groupName);
        QVERIFY(group);
        for (const analysis::IndicatorRow* row : *rows) {
          auto* box = group->findChild<QCheckBox*>(QString::fromUtf8(row->menuKey.data(), row->menuKey.size()));
          QVERIFY2(box, row->menuKey.data());
          QCOMPARE(box->text(), QString::fromUtf8(row->checkBox.data(), row->checkBox.size()));
          QCOMPARE(box->isChecked(), start.IsSet(row->indicator));
          box->toggle();
          listed[static_cast<std::size_t>(row->indicator)] = true;
        }
      }
      dlg->findChild<QPushButton*>("IDOK")->click();
      QCOMPARE(dlg->result(), int(QDialog::Accepted));
      for (std::size_t i = 0; i < analysis::kIndicatorCount; ++i)
        QCOMPARE(dlg->Flags().IsSet(static_cast<Indicator>(i)), listed[i] != (i % 2 == 0));
      QVERIFY(dlg->sizeHint().height() < 700 && dlg->sizeHint().width() < 1300);  // fits 1366x768
    }
    QVERIFY(!h.findChild<QCheckBox*>("ID_UNITARY"));
  }
};

QTEST_MAIN(CDlgParameterListTest)
#include "CDlgParameterListTest.moc"

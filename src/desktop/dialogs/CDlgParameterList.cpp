#include "desktop/dialogs/CDlgParameterList.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "desktop/dialogs/DialogButtons.h"

namespace lumaret::desktop {

namespace {

// A column holds at most this many boxes, so the longest list stays a few hundred pixels
// high and fits a 1366x768 screen with room to spare.
constexpr int kBoxesPerColumn = 8;

QString ToQtView(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

CDlgParameterList::CDlgParameterList(display::ParameterList which, const analysis::IndicatorFlags& current,
                                     QWidget* parent)
    : QDialog(parent), current_(current) {
  const bool vertical = which == display::ParameterList::Vertical;
  setObjectName(vertical ? "IDD_DIALOG_SETV" : "IDD_DIALOG_SETH");
  setWindowTitle(vertical ? display::kVerticalParameterListTitle : display::kHorizontalParameterListTitle);

  const display::ParameterGroups groups = display::ParameterListGroups(which);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(MakeGroup("IDC_GROUP_MAIN_POLARIZATION", display::kMainPolarizationTitle, groups.mainPolarization));
  layout->addWidget(
      MakeGroup("IDC_GROUP_CROSS_POLARIZATION", display::kCrossPolarizationTitle, groups.crossPolarization));

  QDialogButtonBox* buttons = OkCancelButtons(this);
  layout->addWidget(buttons);
}

QGroupBox* CDlgParameterList::MakeGroup(const char* objectName, const char* title,
                                        const std::vector<const analysis::IndicatorRow*>& rows) {
  auto* group = new QGroupBox(title, this);
  group->setObjectName(objectName);
  auto* grid = new QGridLayout(group);
  // Fill down the columns so the boxes read in table order, the columns of equal height.
  const int count = static_cast<int>(rows.size());
  const int columns = (count + kBoxesPerColumn - 1) / kBoxesPerColumn;
  const int perColumn = columns == 0 ? 0 : (count + columns - 1) / columns;
  for (int i = 0; i < count; ++i) {
    const analysis::IndicatorRow& row = *rows[static_cast<std::size_t>(i)];
    auto* box = new QCheckBox(ToQtView(row.checkBox), group);
    box->setObjectName(ToQtView(row.menuKey));
    box->setChecked(current_.IsSet(row.indicator));
    grid->addWidget(box, i % perColumn, i / perColumn);
    boxes_.emplace_back(row.indicator, box);
  }
  return group;
}

analysis::IndicatorFlags CDlgParameterList::Flags() const {
  analysis::IndicatorFlags flags = current_;
  for (const auto& [indicator, box] : boxes_) flags.Set(indicator, box->isChecked());
  return flags;
}

CDlgSetV::CDlgSetV(const analysis::IndicatorFlags& current, QWidget* parent)
    : CDlgParameterList(display::ParameterList::Vertical, current, parent) {}

CDlgSetH::CDlgSetH(const analysis::IndicatorFlags& current, QWidget* parent)
    : CDlgParameterList(display::ParameterList::Horizontal, current, parent) {}

}  // namespace lumaret::desktop

#include "desktop/dialogs/CDlgRotateModify.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "desktop/dialogs/DialogButtons.h"
#include "desktop/shell/Prompts.h"

namespace lumaret::desktop {

namespace {

using processing::RotationMode;

struct ModeRow {
  RotationMode mode;
  const char* controlId;
  const char* caption;
};
constexpr ModeRow kModes[] = {
    {RotationMode::ToZero, "1004", "to Zero"},
    {RotationMode::ToDirection, "1006", "Rotate to"},
    {RotationMode::ToNominal, "1005", "Rotate to Nominal Point"},
    {RotationMode::ByAngle, "1007", "Rotate"},
    {RotationMode::NonRotate, "1008", "Non Rotate"},
};

QString Fixed(float value) { return QString::asprintf("%f", static_cast<double>(value)); }

}  // namespace

CDlgRotateModify::CDlgRotateModify(const processing::RotationSettings& current, QWidget* parent) : QDialog(parent) {
  setObjectName("CDlgRotateModify");
  setWindowTitle("Pattern Rotation - Data Processing");

  modes_ = new QButtonGroup(this);
  target_ = new QLineEdit(Fixed(current.targetDirection), this);
  target_->setObjectName("1872");
  angle_ = new QLineEdit(Fixed(current.rotationAngle), this);
  angle_->setObjectName("1128");

  auto* grid = new QGridLayout;
  int row = 0;
  for (const ModeRow& m : kModes) {
    auto* radio = new QRadioButton(m.caption, this);
    radio->setObjectName(m.controlId);
    modes_->addButton(radio, static_cast<int>(m.mode));
    grid->addWidget(radio, row, 0);
    // Each value stands beside the mode that uses it.
    if (m.mode == RotationMode::ToDirection) grid->addWidget(target_, row, 1);
    if (m.mode == RotationMode::ByAngle) grid->addWidget(angle_, row, 1);
    ++row;
  }
  if (QAbstractButton* checked = modes_->button(static_cast<int>(current.mode))) checked->setChecked(true);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(OkCancelButtons(this));
}

processing::RotationMode CDlgRotateModify::Mode() const {
  const int id = modes_->checkedId();
  return id < 0 ? RotationMode::ToZero : static_cast<RotationMode>(id);
}

std::string CDlgRotateModify::TargetText() const { return FromQt(target_->text()); }
std::string CDlgRotateModify::AngleText() const { return FromQt(angle_->text()); }

}  // namespace lumaret::desktop

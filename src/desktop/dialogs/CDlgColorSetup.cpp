#include "desktop/dialogs/CDlgColorSetup.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "desktop/dialogs/ColourSwatch.h"
#include "desktop/shell/Prompts.h"
#include "display/ColourRows.h"
#include "desktop/dialogs/DialogButtons.h"

namespace lumaret::desktop {

CDlgColorSetup::CDlgColorSetup(const display::ColourSettings& colours, data::UserMessages& messages,
                               QWidget* parent)
    : QDialog(parent), colours_(colours), messages_(messages) {
  setObjectName("IDD_DIALOG_COLORSETUP");
  setWindowTitle("Color setting");

  rows_ = new QListWidget(this);
  rows_->setObjectName("IDC_LIST_LINECOLOR");
  rows_->setSelectionMode(QAbstractItemView::ExtendedSelection);

  auto* lineButton = new QPushButton("Line Color...", this);
  lineButton->setObjectName("IDC_BUTTON_LINECOLOR");
  coordinatesButton_ = new QPushButton("Coordinates Color...", this);
  coordinatesButton_->setObjectName("IDC_BUTTON_COORDINATESCOLOR");
  gridButton_ = new QPushButton("Grid Color...", this);
  gridButton_->setObjectName("IDC_BUTTON_GRIDCOLOR");
  coordinatesButton_->setIcon(ColourSwatch(colours_.axes.coordinates));
  gridButton_->setIcon(ColourSwatch(colours_.axes.grid));

  connect(lineButton, &QPushButton::clicked, this, &CDlgColorSetup::ChooseLineColour);
  connect(rows_, &QListWidget::itemDoubleClicked, this, &CDlgColorSetup::ChooseLineColour);
  connect(coordinatesButton_, &QPushButton::clicked, this,
          [this] { ChooseAxisColour(colours_.axes.coordinates, coordinatesButton_); });
  connect(gridButton_, &QPushButton::clicked, this, [this] { ChooseAxisColour(colours_.axes.grid, gridButton_); });

  auto* side = new QVBoxLayout;
  side->addWidget(lineButton);
  side->addWidget(coordinatesButton_);
  side->addWidget(gridButton_);
  side->addStretch();

  auto* top = new QHBoxLayout;
  top->addWidget(rows_, 1);
  top->addLayout(side);

  QDialogButtonBox* buttons = OkCancelButtons(this);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(buttons);

  ShowRows();
}

std::optional<display::Colour> CDlgColorSetup::ChooseColour(display::Colour initial) {
  const QColor chosen = QColorDialog::getColor(ToQColor(initial), this, windowTitle());
  if (!chosen.isValid()) return std::nullopt;
  return FromQColor(chosen);
}

void CDlgColorSetup::ShowRows() {
  rows_->clear();
  const int count = display::LineColourRowCount(colours_);
  for (int row = 1; row <= count; ++row)
    rows_->addItem(new QListWidgetItem(ColourSwatch(display::LineColour(colours_, row)),
                                       ToQt(display::LineColourRowText(row))));
}

void CDlgColorSetup::ChooseLineColour() {
  const QList<QListWidgetItem*> selected = rows_->selectedItems();
  const std::string refusal = display::LineColourSelectionMessage(static_cast<int>(selected.size()));
  if (!refusal.empty()) {
    messages_.Show(refusal);
    return;
  }
  const int row = rows_->row(selected.front()) + 1;
  const std::optional<display::Colour> chosen = ChooseColour(display::LineColour(colours_, row));
  if (!chosen || !display::SetLineColour(colours_, row, *chosen)) return;
  selected.front()->setIcon(ColourSwatch(*chosen));
}

void CDlgColorSetup::ChooseAxisColour(display::Colour& colour, QPushButton* button) {
  const std::optional<display::Colour> chosen = ChooseColour(colour);
  if (!chosen) return;
  colour = *chosen;
  button->setIcon(ColourSwatch(colour));
}

}  // namespace lumaret::desktop

#include "desktop/dialogs/CDlgUpDowm.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "desktop/dialogs/DialogButtons.h"
#include "desktop/shell/Prompts.h"

namespace lumaret::desktop {

namespace {

QLineEdit* Edit(const char* id, const QString& text, QWidget* parent) {
  auto* edit = new QLineEdit(text, parent);
  edit->setObjectName(id);
  return edit;
}

QRadioButton* Radio(const char* id, const char* caption, QWidget* parent) {
  auto* radio = new QRadioButton(caption, parent);
  radio->setObjectName(id);
  return radio;
}

}  // namespace

CDlgUpDowm::CDlgUpDowm(processing::ProcessingDocument& doc, QWidget* parent) : QDialog(parent), doc_(doc) {
  setObjectName("IDD_DIALOG_UPDOWM");
  setWindowTitle("Level Adjustment");
  const processing::LevelDialogState stored = processing::LoadLevelDialogState(doc.settings);
  const processing::LevelSettings& level = doc.processing.level;

  auto* range = new QGroupBox("Range", this);
  overall_ = Radio("1104", "Overall", range);
  from_ = Radio("1111", "From", range);
  left_ = Edit("1870", ToQt(stored.leftText), range);
  right_ = Edit("1871", ToQt(stored.rightText), range);
  auto* rangeButtons = new QButtonGroup(this);
  rangeButtons->addButton(overall_);
  rangeButtons->addButton(from_);
  (stored.overall ? overall_ : from_)->setChecked(true);
  auto* rangeGrid = new QGridLayout(range);
  rangeGrid->addWidget(overall_, 0, 0);
  rangeGrid->addWidget(from_, 1, 0);
  rangeGrid->addWidget(left_, 1, 1);
  rangeGrid->addWidget(new QLabel("to", range), 1, 2);
  rangeGrid->addWidget(right_, 1, 3);
  connect(overall_, &QRadioButton::clicked, this, [this] { processing::StoreLevelRange(doc_, true); });
  connect(from_, &QRadioButton::clicked, this, [this] { processing::StoreLevelRange(doc_, false); });

  auto* change = new QGroupBox("Level", this);
  delta_ = Radio("1004", "Adjusted Value", change);
  adjustTo_ = Radio("1005", "Adjust to", change);
  adjusted_ = Edit("1036", QString::number(static_cast<double>(level.adjustedValue)), change);
  level_ = Edit("1037", QString::number(static_cast<double>(level.adjustToLevel)), change);
  auto* changeButtons = new QButtonGroup(this);
  changeButtons->addButton(delta_);
  changeButtons->addButton(adjustTo_);
  (level.deltaMode ? delta_ : adjustTo_)->setChecked(true);
  auto* changeGrid = new QGridLayout(change);
  changeGrid->addWidget(delta_, 0, 0);
  changeGrid->addWidget(adjusted_, 0, 1);
  changeGrid->addWidget(new QLabel("dB", change), 0, 2);
  changeGrid->addWidget(adjustTo_, 1, 0);
  changeGrid->addWidget(level_, 1, 1);
  changeGrid->addWidget(new QLabel("dB", change), 1, 2);

  list_ = new QTreeWidget(this);
  list_->setObjectName("1869");
  list_->setHeaderLabels({"File Name", "Path"});
  list_->setRootIsDecorated(false);
  list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  for (const auto& [key, file] : doc.patterns) {
    auto* item = new QTreeWidgetItem(list_, {ToQt(file.fileName), ToQt(key)});
    item->setSelected(doc.processing.chosenKeys.count(key) > 0);
  }
  // Names of one campaign differ only at their end: the name column shows them whole, and
  // the list is wide enough for a good part of the path.
  list_->resizeColumnToContents(0);
  list_->setMinimumWidth(list_->columnWidth(0) + 320);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(range);
  layout->addWidget(change);
  layout->addWidget(list_, 1);
  layout->addWidget(OkCancelButtons(this));
}

void CDlgUpDowm::accept() {
  const processing::ParsedLevelValues values = processing::ParseLevelValues(FromQt(adjusted_->text()), FromQt(level_->text()));
  if (!values.message.empty()) {
    doc_.Messages().Show(values.message);
    QLineEdit* bad = values.badEntry == 0 ? adjusted_ : level_;
    bad->setFocus();
    bad->selectAll();
    return;
  }
  input_ = {};
  input_.overall = overall_->isChecked();
  input_.leftText = FromQt(left_->text());
  input_.rightText = FromQt(right_->text());
  input_.adjustedValue = values.adjustedValue;
  input_.adjustToLevel = values.adjustToLevel;
  input_.deltaMode = delta_->isChecked();
  for (int row = 0; row < list_->topLevelItemCount(); ++row) {
    const QTreeWidgetItem* item = list_->topLevelItem(row);
    if (item->isSelected()) input_.chosenKeys.push_back(FromQt(item->text(1)));
  }
  QDialog::accept();
}

}  // namespace lumaret::desktop

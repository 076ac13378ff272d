#include "desktop/dialogs/CDlgDrawSetup.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "desktop/shell/Prompts.h"
#include "display/DrawSettingCheck.h"
#include "desktop/dialogs/DialogButtons.h"

namespace lumaret::desktop {

namespace {

constexpr const char* kCartesianTitle = "Draw setting-Cartesian Coordinates";
constexpr const char* kPolarTitle = "Draw setting-Polar Coordinates";

// List rows and stacked pages share their order.
constexpr int kCartesianRow = 0;
constexpr int kPolarRow = 1;

}  // namespace

CDlgDrawSetup::CDlgDrawSetup(const display::DrawSetting& current, display::CoordinateMode shownFirst,
                             data::UserMessages& messages, QWidget* parent)
    : QDialog(parent), setting_(current), messages_(messages) {
  setObjectName("IDD_DIALOG_DRAWSETUP");
  setWindowTitle("Draw setting");

  auto* listColumn = new QVBoxLayout;
  listColumn->addWidget(new QLabel(QString::fromUtf8("坐标系类型"), this));
  list_ = new QListWidget(this);
  list_->setObjectName("IDC_LIST1");
  list_->addItem(kCartesianTitle);
  list_->addItem(kPolarTitle);
  listColumn->addWidget(list_);

  pages_ = new QStackedWidget(this);
  pages_->setObjectName("IDC_STACK_PAGES");
  pages_->addWidget(BuildPage(display::CoordinateMode::Cartesian, kCartesianTitle));
  pages_->addWidget(BuildPage(display::CoordinateMode::Polar, kPolarTitle));
  connect(list_, &QListWidget::currentRowChanged, pages_, &QStackedWidget::setCurrentIndex);

  auto* top = new QHBoxLayout;
  top->addLayout(listColumn);
  top->addWidget(pages_, 1);

  QDialogButtonBox* buttons = OkCancelButtons(this);
  auto* defaults = buttons->addButton("Default", QDialogButtonBox::ResetRole);
  defaults->setObjectName("IDC_BUTTON_DEFAULT");
  connect(defaults, &QPushButton::clicked, this, &CDlgDrawSetup::ApplyDefaults);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(buttons);

  ShowValues(setting_);
  list_->setCurrentRow(shownFirst == display::CoordinateMode::Cartesian ? kCartesianRow : kPolarRow);
}

display::CoordinateMode CDlgDrawSetup::ShownMode() const {
  return pages_->currentIndex() == kCartesianRow ? display::CoordinateMode::Cartesian
                                                 : display::CoordinateMode::Polar;
}

QWidget* CDlgDrawSetup::BuildPage(display::CoordinateMode mode, const char* title) {
  auto* page = new QGroupBox(title);
  auto* form = new QFormLayout(page);
  for (const auto& f : display::kDrawSettingFields) {
    if (f.page != mode) continue;
    auto* edit = new QLineEdit(page);
    edit->setObjectName(f.controlId);
    form->addRow(f.label, edit);
    edits_[f.controlId] = edit;
  }
  return page;
}

void CDlgDrawSetup::ShowValues(const display::DrawSetting& setting) {
  for (const auto& [id, text] : display::DrawSettingToTexts(setting)) edits_.at(id)->setText(ToQt(text));
}

void CDlgDrawSetup::ApplyDefaults() {
  const display::DrawSetting defaults{};
  ShowValues(defaults);
  emit DefaultsApplied(defaults);
}

void CDlgDrawSetup::accept() {
  display::DrawSettingTexts texts;
  for (const auto& [id, edit] : edits_) texts[id] = FromQt(edit->text());
  const display::ParsedDrawSetting parsed = display::ParseDrawSetting(texts);
  if (!parsed.message.empty()) {
    messages_.Show(parsed.message);
    return;
  }
  setting_ = parsed.setting;
  QDialog::accept();
}

}  // namespace lumaret::desktop

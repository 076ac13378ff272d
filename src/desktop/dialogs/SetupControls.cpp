#include "desktop/dialogs/SetupControls.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>

#include "analysis/AnalysisSettings.h"
#include "desktop/shell/Prompts.h"

namespace lumaret::desktop {

namespace {

constexpr const char* kTrue = "TRUE";
constexpr const char* kFalse = "FALSE";
constexpr const char* kSprRatioKey = "IDC_IDC_COMB_SPR_XDB";

bool IsCheckKey(const std::string& key) { return key.rfind("IDC_CHECK_", 0) == 0; }

}  // namespace

void SetupControls::Add(const std::string& key, const std::string& text) {
  QWidget* control = nullptr;
  if (IsCheckKey(key)) {
    auto* box = new QCheckBox(owner_);
    // The refinement is on unless the store says "FALSE".
    box->setChecked(text != kFalse);
    control = box;
  } else if (analysis::IsSwitchKey(key)) {
    auto* radio = new QRadioButton(owner_);
    radio->setChecked(text == kTrue);
    control = radio;
    const auto partner = controls_.find(analysis::RadioPartnerKey(key));
    if (partner != controls_.end()) {
      auto* group = new QButtonGroup(owner_);
      group->addButton(static_cast<QRadioButton*>(partner->second));
      group->addButton(radio);
    }
  } else if (key == kSprRatioKey) {
    auto* combo = new QComboBox(owner_);
    combo->addItems({"u/s", "s/u", "s/t", "u/t"});
    bool isNumber = false;
    const int index = ToQt(text).toInt(&isNumber);
    combo->setCurrentIndex(isNumber && index >= 0 && index < combo->count() ? index : -1);
    control = combo;
  } else {
    auto* edit = new QLineEdit(ToQt(text), owner_);
    control = edit;
  }
  control->setObjectName(ToQt(key));
  controls_[key] = control;
}

std::string SetupControls::Text(const std::string& key) const {
  QWidget* control = controls_.at(key);
  if (auto* box = qobject_cast<QCheckBox*>(control)) return box->isChecked() ? kTrue : kFalse;
  if (auto* radio = qobject_cast<QRadioButton*>(control)) return radio->isChecked() ? kTrue : kFalse;
  if (auto* combo = qobject_cast<QComboBox*>(control))
    return combo->currentIndex() < 0 ? "" : std::to_string(combo->currentIndex());
  return FromQt(static_cast<QLineEdit*>(control)->text());
}

void SetupControls::EnableWhile(const std::string& switchKey, std::initializer_list<std::string> keys) {
  EnableWhile(switchKey, std::vector<std::string>(keys));
}

void SetupControls::EnableWhile(const std::string& switchKey, const std::vector<std::string>& keys) {
  auto* button = static_cast<QAbstractButton*>(controls_.at(switchKey));
  std::vector<QWidget*> targets;
  for (const std::string& key : keys) targets.push_back(controls_.at(key));
  const auto apply = [targets](bool on) {
    for (QWidget* target : targets) target->setEnabled(on);
  };
  QObject::connect(button, &QAbstractButton::toggled, owner_, apply);
  apply(button->isChecked());
}

QGroupBox* SetupControls::Group(const char* title, std::initializer_list<SetupRow> rows) const {
  auto* group = new QGroupBox(QString::fromUtf8(title), owner_);
  auto* form = new QFormLayout(group);
  for (const SetupRow& row : rows) {
    QWidget* control = controls_.at(row.key);
    const std::string partnerKey = analysis::RadioPartnerKey(row.key);
    if (partnerKey.empty()) {
      if (row.firstCaption) static_cast<QCheckBox*>(control)->setText(QString::fromUtf8(row.firstCaption));
      form->addRow(QString::fromUtf8(row.label), control);
      continue;
    }
    auto* first = static_cast<QRadioButton*>(control);
    auto* second = static_cast<QRadioButton*>(controls_.at(partnerKey));
    first->setText(QString::fromUtf8(row.firstCaption));
    second->setText(QString::fromUtf8(row.secondCaption));
    auto* pair = new QHBoxLayout;
    pair->addWidget(first);
    pair->addWidget(second);
    pair->addStretch(1);
    form->addRow(QString::fromUtf8(row.label), pair);
  }
  return group;
}

bool ReportSetupOutcome(data::UserMessages& messages, const session::SetupOutcome& outcome) {
  if (outcome.status == session::SetupStatus::Applied) return true;
  messages.Show(outcome.message, outcome.caption);
  return !outcome.Refused();
}

}  // namespace lumaret::desktop

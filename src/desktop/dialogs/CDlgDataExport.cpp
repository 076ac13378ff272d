#include "desktop/dialogs/CDlgDataExport.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "data/ProgramFolder.h"
#include "desktop/dialogs/CDlgPatternFilesInfo.h"
#include "desktop/dialogs/DialogButtons.h"
#include "desktop/dialogs/FolderPathRow.h"
#include "desktop/shell/Prompts.h"

namespace lumaret::desktop {

namespace {

constexpr int kFileListWidth = 600;
constexpr int kFileListHeight = 240;
constexpr int kPathColumnWidth = 300;

// The choices in the dialog's groups, by settings key, with their captions.
struct ChoiceControl {
  const char* key;
  const char* caption;
};
constexpr ChoiceControl kReportControls[] = {
    {"IDC_RADIO_WORD_REPORT1", "Export Report（Word Format 1）"},
    {"IDC_RADIO_WORD_REPORT2", "Export Report（Word Format 2）"},
    {"IDC_RADIO_EXCEL_REPORT", "Export Report（Excel Format）"},
    {"IDC_RADIO_EXCEL_DATA", "Export data（Excel Format）"},
    {"IDC_CHECK_ONESHEET", "OneSheet"},
};
constexpr ChoiceControl kPatternControls[] = {
    {"IDC_RADIO_PIN", "Pln"}, {"IDC_RADIO_MSI", "Msi"},       {"IDC_RADIO_XML", "Xml"},
    {"IDC_RADIO_TXT", "Txt"}, {"IDC_CHECK_TMVMSI", "TMVmsi"},
};
constexpr ChoiceControl kLanguageControls[] = {
    {"IDC_RADIO_CHINA", "中文"},
    {"IDC_RADIO_ENG", "英文"},
};

}  // namespace

CDlgDataExport::CDlgDataExport(const data::PatternSet& patterns, data::CSettingsStore& settings,
                               const exports::ExportRequest& previous, FilePrompts& prompts,
                               data::UserMessages& messages, QWidget* parent)
    : QDialog(parent), settings_(settings), prompts_(prompts), messages_(messages), request_(previous) {
  setObjectName(exports::kExportSection);
  setWindowTitle("Export Data");

  path_ = new QLineEdit(ToQt(previous.exportFolder), this);
  path_->setObjectName("IDC_EDIT_PATH");
  QHBoxLayout* pathRow = FolderPathRow(this, path_, "Path of Report...", "IDC_BUTTON_PATH", prompts_, true);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(BuildFileList(patterns), 1);
  layout->addWidget(BuildChoices());
  layout->addLayout(pathRow);
  layout->addWidget(OkCancelButtons(this));

  ShowChoices(exports::LoadExportChoices(settings_));
}

QWidget* CDlgDataExport::BuildChoices() {
  auto* box = new QWidget(this);
  auto* row = new QHBoxLayout(box);
  row->setContentsMargins(0, 0, 0, 0);
  auto addGroup = [&](const char* title, std::span<const ChoiceControl> controls, bool radios) {
    auto* group = new QGroupBox(title, box);
    auto* column = new QVBoxLayout(group);
    auto* exclusive = radios ? new QButtonGroup(group) : nullptr;
    for (const ChoiceControl& control : controls) {
      QAbstractButton* button = radios ? static_cast<QAbstractButton*>(new QRadioButton(ToQt(control.caption), group))
                                       : new QCheckBox(ToQt(control.caption), group);
      button->setObjectName(control.key);
      if (exclusive) exclusive->addButton(button);
      column->addWidget(button);
      boxes_[control.key] = button;
    }
    column->addStretch(1);
    row->addWidget(group);
  };
  addGroup("Reports", kReportControls, false);
  addGroup("Pattern files", kPatternControls, false);
  addGroup("Report language", kLanguageControls, true);
  return box;
}

// One row per loaded file in key order: its name and its path.
QTableWidget* CDlgDataExport::BuildFileList(const data::PatternSet& patterns) {
  auto* list = new QTableWidget(static_cast<int>(patterns.size()), 2, this);
  list->setObjectName("IDC_LIST_FILES");
  list->setHorizontalHeaderLabels({"File Name", "File Path"});
  list->verticalHeader()->hide();
  list->verticalHeader()->setDefaultSectionSize(list->fontMetrics().height() + 6);
  list->setSelectionBehavior(QAbstractItemView::SelectRows);
  list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list->setShowGrid(true);
  // One line per file; a long path is shortened in the middle and shown whole as a tip.
  list->setWordWrap(false);
  list->setTextElideMode(Qt::ElideMiddle);
  list->setMinimumSize(kFileListWidth, kFileListHeight);
  list->setColumnWidth(0, kFileListWidth / 3);
  list->setColumnWidth(1, kPathColumnWidth);
  int row = 0;
  for (const auto& [key, record] : patterns) {
    list->setItem(row, 0, new QTableWidgetItem(ToQt(record.fileName)));
    auto* path = new QTableWidgetItem(ToQt(record.path));
    path->setToolTip(path->text());
    list->setItem(row, 1, path);
    ++row;
  }
  return list;
}

// A box is checked when its stored value is exactly "TRUE". When both languages are
// stored, Chinese is shown, as the report takes the Chinese template then.
void CDlgDataExport::ShowChoices(const exports::ExportChoices& choices) {
  for (const exports::ExportChoiceKey& c : exports::ExportChoiceKeys())
    if (c.member != &exports::ExportChoices::chinese) boxes_.at(c.key)->setChecked(choices.*c.member);
  if (choices.chinese) boxes_.at("IDC_RADIO_CHINA")->setChecked(true);
}

exports::ExportChoices CDlgDataExport::CheckedChoices() const {
  exports::ExportChoices choices;
  for (const exports::ExportChoiceKey& c : exports::ExportChoiceKeys()) choices.*c.member = boxes_.at(c.key)->isChecked();
  return choices;
}

void CDlgDataExport::accept() {
  const std::string folder = exports::AcceptExportFolder(FromQt(path_->text()));
  if (folder.empty()) {
    messages_.Show(exports::kExportPathMessage);
    return;
  }
  path_->setText(ToQt(folder));
  const exports::ExportChoices choices = CheckedChoices();
  if (!exports::SaveExportChoices(settings_, choices))
    messages_.Show("Failed to save the export choices to " + settings_.Path());
  exports::ExportRequest request = request_;
  request.exportFolder = folder;
  request.choices = choices;
  if (choices.AnyPatternFile()) {
    CDlgPatternFilesInfo info(request.patternInformation, messages_, this);
    if (info.exec() != QDialog::Accepted) return;
    request.patternInformation = info.Information();
  }
  request_ = std::move(request);
  QDialog::accept();
}

}  // namespace lumaret::desktop

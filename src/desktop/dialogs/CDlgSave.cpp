#include "desktop/dialogs/CDlgSave.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "desktop/dialogs/DialogButtons.h"
#include "desktop/dialogs/FolderPathRow.h"
#include "desktop/shell/Prompts.h"
#include "exports/ExactDataWriter.h"

namespace lumaret::desktop {

CDlgSave::CDlgSave(const analysis::AnalysisDocument& doc, FilePrompts& prompts, QWidget* parent)
    : QDialog(parent), doc_(doc), prompts_(prompts) {
  setObjectName("CDlgSave");
  setWindowTitle("Save as");

  path_ = new QLineEdit(this);
  path_->setObjectName("1880");  // IDC_EDIT_SAVE_PATH
  path_->setMinimumWidth(360);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(FolderPathRow(this, path_, "Browse...", "1879", prompts_, true));
  layout->addWidget(OkCancelButtons(this));
}

void CDlgSave::accept() {
  outcome_ = {};
  if (!exports::SaveAllAsExactData(doc_, FromQt(path_->text()), outcome_)) return;  // empty path
  QDialog::accept();
}

}  // namespace lumaret::desktop

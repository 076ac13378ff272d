#include "desktop/dialogs/CDlgSave.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "desktop/dialogs/DialogButtons.h"
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
  auto* browse = new QPushButton("Browse...", this);
  browse->setObjectName("1879");
  browse->setAutoDefault(false);
  connect(browse, &QPushButton::clicked, this, &CDlgSave::Browse);

  auto* row = new QHBoxLayout;
  row->addWidget(path_, 1);
  row->addWidget(browse);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addWidget(OkCancelButtons(this));
}

void CDlgSave::Browse() {
  QString folder = prompts_.ExistingFolder(this, QString::fromUtf8("选择数据导入目录："));
  if (folder.isEmpty()) return;
  if (!folder.endsWith('/')) folder += '/';
  path_->setText(folder);
}

void CDlgSave::accept() {
  outcome_ = {};
  if (!exports::SaveAllAsExactData(doc_, FromQt(path_->text()), outcome_)) return;  // empty path
  QDialog::accept();
}

}  // namespace lumaret::desktop

#include "desktop/dialogs/CDlgOpenConfig.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "desktop/dialogs/DialogButtons.h"
#include "desktop/dialogs/SetupControls.h"
#include "desktop/shell/Prompts.h"
#include "session/AuxiliarySetup.h"

namespace lumaret::desktop {

CDlgOpenConfig::CDlgOpenConfig(analysis::AnalysisDocument& doc, FilePrompts& prompts, data::UserMessages& messages,
                               QWidget* parent)
    : QDialog(parent), doc_(doc), prompts_(prompts), messages_(messages) {
  setObjectName("IDD_DIALOG_OPEN_CONFIG");
  setWindowTitle("Envelope and Gain Configuration");

  folder_ = new QLineEdit(ToQt(doc_.envelopeFolder), this);
  folder_->setObjectName("IDC_EDIT_OPEN_CONFIG");
  folder_->setMinimumWidth(360);
  auto* browse = new QPushButton("Browse...", this);
  browse->setObjectName("IDC_BUTTON_BROWSE");
  connect(browse, &QPushButton::clicked, this, &CDlgOpenConfig::Browse);

  auto* row = new QHBoxLayout;
  row->addWidget(folder_, 1);
  row->addWidget(browse);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel("Envelope folder:", this));
  layout->addLayout(row);
  layout->addWidget(OkCancelButtons(this));
}

void CDlgOpenConfig::Browse() {
  const QString chosen = prompts_.ExistingFolder(this, QString::fromUtf8("选择数据导入目录："));
  if (!chosen.isEmpty()) folder_->setText(chosen);
}

void CDlgOpenConfig::accept() {
  if (ReportSetupOutcome(messages_, session::ApplyEnvelopeConfiguration(doc_, FromQt(folder_->text()))))
    QDialog::accept();
}

}  // namespace lumaret::desktop

#include "desktop/dialogs/CDlgOpenConfig.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "desktop/dialogs/DialogButtons.h"
#include "desktop/dialogs/FolderPathRow.h"
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
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel("Envelope folder:", this));
  layout->addLayout(FolderPathRow(this, folder_, "Browse...", "IDC_BUTTON_BROWSE", prompts_, false));
  layout->addWidget(OkCancelButtons(this));
}

void CDlgOpenConfig::accept() {
  if (ReportSetupOutcome(messages_, session::ApplyEnvelopeConfiguration(doc_, FromQt(folder_->text()))))
    QDialog::accept();
}

}  // namespace lumaret::desktop

#include "desktop/dialogs/CDlgSelectXML.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "data/FileDialogFilter.h"
#include "desktop/dialogs/DialogButtons.h"
#include "desktop/dialogs/SetupControls.h"
#include "desktop/shell/Prompts.h"
#include "session/AuxiliarySetup.h"

namespace lumaret::desktop {

namespace {

constexpr const char* kChamberFilter = "Chamber Files (*.XML)|*.XML|All Files (*.*)|*.*||";

}  // namespace

CDlgSelectXML::CDlgSelectXML(FilePrompts& prompts, data::UserMessages& messages, QWidget* parent)
    : QDialog(parent), prompts_(prompts), messages_(messages) {
  setObjectName("IDD_DIALOG_SELECT_XML");
  setWindowTitle("Chamber XML");

  edit_ = new QLineEdit(this);
  edit_->setObjectName("IDC_EDIT_XML_PATH");
  edit_->setMinimumWidth(360);
  auto* browse = new QPushButton("Browse...", this);
  browse->setObjectName("IDC_BUTTON_BROWSE");
  connect(browse, &QPushButton::clicked, this, &CDlgSelectXML::Browse);

  auto* row = new QHBoxLayout;
  row->addWidget(edit_, 1);
  row->addWidget(browse);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel("Chamber XML file:", this));
  layout->addLayout(row);
  layout->addWidget(OkCancelButtons(this));
}

void CDlgSelectXML::Browse() {
  const QString chosen = prompts_.OpenFile(this, "Chamber XML", ToQt(data::FileDialogFilter(kChamberFilter)));
  if (!chosen.isEmpty()) edit_->setText(chosen);
}

void CDlgSelectXML::accept() {
  const std::string path = FromQt(edit_->text());
  if (!ReportSetupOutcome(messages_, session::CheckChamberXmlPath(path))) return;
  path_ = path;
  QDialog::accept();
}

}  // namespace lumaret::desktop

#pragma once

#include <QDialog>

#include "analysis/AnalysisDocument.h"
#include "data/UserMessages.h"
#include "desktop/dialogs/SetupControls.h"

namespace lumaret::desktop {

// "Horizontal Parameter Setup": every control of the horizontal settings, filled from the
// store. OK hands the texts to the core, which checks, stores and applies them; a refused
// field is shown and the dialog stays open.
class CDlgHSetup : public QDialog {
  Q_OBJECT

 public:
  CDlgHSetup(analysis::AnalysisDocument& doc, data::UserMessages& messages, QWidget* parent = nullptr);

 public slots:
  void accept() override;

 private:
  analysis::AnalysisDocument& doc_;
  data::UserMessages& messages_;
  SetupControls controls_;
};

}  // namespace lumaret::desktop

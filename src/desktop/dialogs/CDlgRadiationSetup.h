#pragma once

#include <QDialog>

#include "analysis/AnalysisDocument.h"
#include "data/UserMessages.h"
#include "desktop/dialogs/SetupControls.h"

namespace lumaret::desktop {

// The radiation setup: which cut the gain is taken from, as the radio pair of the vertical
// section. OK hands the choice to the core, which stores it and analyses again.
class CDlgRadiationSetup : public QDialog {
  Q_OBJECT

 public:
  CDlgRadiationSetup(analysis::AnalysisDocument& doc, data::UserMessages& messages, QWidget* parent = nullptr);

 public slots:
  void accept() override;

 private:
  analysis::AnalysisDocument& doc_;
  data::UserMessages& messages_;
  SetupControls controls_;
};

}  // namespace lumaret::desktop

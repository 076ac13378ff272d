#pragma once

#include <QDialog>

#include "analysis/AnalysisDocument.h"
#include "data/UserMessages.h"

class QLineEdit;

namespace lumaret::desktop {

class FilePrompts;

// The envelope and gain configuration: the folder the envelope files are loaded from, typed
// or chosen with Browse. OK hands it to the core, which loads the folder, stores it and
// analyses again; an empty folder is refused and the dialog stays open.
class CDlgOpenConfig : public QDialog {
  Q_OBJECT

 public:
  CDlgOpenConfig(analysis::AnalysisDocument& doc, FilePrompts& prompts, data::UserMessages& messages,
                 QWidget* parent = nullptr);

 public slots:
  void accept() override;

 private:

  analysis::AnalysisDocument& doc_;
  FilePrompts& prompts_;
  data::UserMessages& messages_;
  QLineEdit* folder_ = nullptr;
};

}  // namespace lumaret::desktop

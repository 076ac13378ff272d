#pragma once

#include <QDialog>

#include "analysis/AnalysisDocument.h"
#include "exports/ExportContext.h"

class QLineEdit;

namespace lumaret::desktop {

class FilePrompts;

// "Save as": a path and a "Browse..." button for the folder. OK writes every loaded file
// as exact data under the path and closes; an empty path is refused with its message and
// the dialog stays open.
class CDlgSave : public QDialog {
  Q_OBJECT

 public:
  CDlgSave(const analysis::AnalysisDocument& doc, FilePrompts& prompts, QWidget* parent = nullptr);

  // What the last OK wrote and what failed.
  const exports::WriteOutcome& Outcome() const { return outcome_; }

 public slots:
  void accept() override;

 private:

  const analysis::AnalysisDocument& doc_;
  FilePrompts& prompts_;
  exports::WriteOutcome outcome_;
  QLineEdit* path_ = nullptr;
};

}  // namespace lumaret::desktop

#pragma once

#include <QDialog>

#include "processing/LevelAdjustment.h"

class QLineEdit;
class QRadioButton;
class QTreeWidget;

namespace lumaret::desktop {

// "Level Adjustment": the range (whole cut or a sector), the change (a value to add, or a
// level the maximum is to reach) and the files to choose from. The range buttons store
// their state at once; OK accepts only when both dB entries are numbers, otherwise the
// message is shown and the dialog stays open. The caller confirms Input() in the core.
class CDlgUpDowm : public QDialog {
  Q_OBJECT

 public:
  CDlgUpDowm(processing::ProcessingDocument& doc, QWidget* parent = nullptr);

  // The accepted values (valid after OK).
  const processing::LevelDialogInput& Input() const { return input_; }

 public slots:
  void accept() override;

 private:
  processing::ProcessingDocument& doc_;
  processing::LevelDialogInput input_;
  QRadioButton* overall_ = nullptr;
  QRadioButton* from_ = nullptr;
  QLineEdit* left_ = nullptr;
  QLineEdit* right_ = nullptr;
  QRadioButton* delta_ = nullptr;
  QRadioButton* adjustTo_ = nullptr;
  QLineEdit* adjusted_ = nullptr;
  QLineEdit* level_ = nullptr;
  QTreeWidget* list_ = nullptr;
};

}  // namespace lumaret::desktop

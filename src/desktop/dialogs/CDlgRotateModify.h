#pragma once

#include <QDialog>
#include <string>

#include "processing/ProcessingState.h"

class QButtonGroup;
class QLineEdit;

namespace lumaret::desktop {

// "Pattern Rotation - Data Processing": the five rotation modes and the two angles. The
// angles are shown with "%f"; on OK the caller hands Mode() and the two texts to the core,
// which converts them (text that is not a number gives 0).
class CDlgRotateModify : public QDialog {
  Q_OBJECT

 public:
  explicit CDlgRotateModify(const processing::RotationSettings& current, QWidget* parent = nullptr);

  processing::RotationMode Mode() const;
  std::string TargetText() const;
  std::string AngleText() const;

 private:
  QButtonGroup* modes_ = nullptr;
  QLineEdit* target_ = nullptr;
  QLineEdit* angle_ = nullptr;
};

}  // namespace lumaret::desktop

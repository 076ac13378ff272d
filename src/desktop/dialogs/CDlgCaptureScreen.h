#pragma once

#include <QDialog>

#include "session/Screenshot.h"

class QButtonGroup;

namespace lumaret::desktop {

// The capture settings: which picture "Save ScreenShot" takes. The caller stores Mode()
// after OK.
class CDlgCaptureScreen : public QDialog {
  Q_OBJECT

 public:
  explicit CDlgCaptureScreen(session::CaptureMode current, QWidget* parent = nullptr);
  session::CaptureMode Mode() const;

 private:
  QButtonGroup* modes_ = nullptr;
};

}  // namespace lumaret::desktop

#include "desktop/dialogs/CDlgCaptureScreen.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "desktop/dialogs/DialogButtons.h"

namespace lumaret::desktop {

namespace {

// Captions in mode order, beside session::kCaptureRadios.
constexpr const char* kCaptions[] = {
    "Include the window border (view + 2 pixels)",
    "View only (without the border)",
    "Standard window (600 x 400)",
    "Data sheet window (450 x 450)",
};

}  // namespace

CDlgCaptureScreen::CDlgCaptureScreen(session::CaptureMode current, QWidget* parent) : QDialog(parent) {
  setObjectName("IDD_DIALOG_CAPTURE_SCREEN");
  setWindowTitle("Capture Settings");
  modes_ = new QButtonGroup(this);
  auto* layout = new QVBoxLayout(this);
  for (int i = 0; i < static_cast<int>(session::kCaptureRadios.size()); ++i) {
    auto* radio = new QRadioButton(kCaptions[i], this);
    radio->setObjectName(session::kCaptureRadios[static_cast<std::size_t>(i)]);
    modes_->addButton(radio, i);
    layout->addWidget(radio);
  }
  if (QAbstractButton* checked = modes_->button(static_cast<int>(current))) checked->setChecked(true);
  layout->addWidget(OkCancelButtons(this));
}

session::CaptureMode CDlgCaptureScreen::Mode() const {
  const int id = modes_->checkedId();
  return id < 0 ? session::CaptureMode::IncludeIndication : static_cast<session::CaptureMode>(id);
}

}  // namespace lumaret::desktop

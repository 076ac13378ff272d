#pragma once

#include <QStatusBar>

#include "data/UserMessages.h"
#include "desktop/shell/Prompts.h"

namespace lumaret::desktop {

// Progress texts in the message pane of a status bar, painted at once: a long step that
// follows on the same thread would otherwise run before the text is seen.
class StatusBarStatus : public data::StatusSink {
 public:
  explicit StatusBarStatus(QStatusBar& bar) : bar_(bar) {}
  void Status(const std::string& text) override {
    bar_.showMessage(ToQt(text));
    bar_.repaint();
  }

 private:
  QStatusBar& bar_;
};

}  // namespace lumaret::desktop

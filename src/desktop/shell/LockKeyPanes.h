#pragma once

#include <QLabel>
#include <QTimer>

class QStatusBar;

namespace lumaret::desktop {

// The "CAP", "NUM" and "SCRL" panes of the status bar. Linux reports the lock states as
// the keyboard LEDs under /sys/class/leds; a pane shows its text while its lock is on and
// stays empty when it is off or the system does not report it.
class LockKeyPanes : public QObject {
  Q_OBJECT
 public:
  explicit LockKeyPanes(QStatusBar* bar);
  void Update();

 private:
  QLabel* caps_;
  QLabel* num_;
  QLabel* scroll_;
  QTimer timer_;
};

}  // namespace lumaret::desktop

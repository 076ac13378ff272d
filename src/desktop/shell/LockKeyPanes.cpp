#include "desktop/shell/LockKeyPanes.h"

#include <QDir>
#include <QFile>
#include <QStatusBar>

namespace lumaret::desktop {
namespace {

// True when any keyboard LED whose name ends in `suffix` is lit.
bool LedOn(const QString& suffix) {
  const QDir leds("/sys/class/leds");
  for (const QString& name : leds.entryList({"*::" + suffix}, QDir::Dirs | QDir::NoDotAndDotDot)) {
    QFile brightness(leds.filePath(name + "/brightness"));
    if (brightness.open(QIODevice::ReadOnly) && brightness.readAll().trimmed().toInt() > 0) return true;
  }
  return false;
}

QLabel* Pane(QStatusBar* bar, const char* text) {
  auto* label = new QLabel(bar);
  label->setObjectName(text);
  label->setAlignment(Qt::AlignCenter);
  label->setMinimumWidth(label->fontMetrics().horizontalAdvance("SCRL") + 12);
  bar->addPermanentWidget(label);
  return label;
}

}  // namespace

LockKeyPanes::LockKeyPanes(QStatusBar* bar)
    : QObject(bar), caps_(Pane(bar, "CAP")), num_(Pane(bar, "NUM")), scroll_(Pane(bar, "SCRL")) {
  connect(&timer_, &QTimer::timeout, this, &LockKeyPanes::Update);
  timer_.start(500);
  Update();
}

void LockKeyPanes::Update() {
  caps_->setText(LedOn("capslock") ? "CAP" : "");
  num_->setText(LedOn("numlock") ? "NUM" : "");
  scroll_->setText(LedOn("scrolllock") ? "SCRL" : "");
}

}  // namespace lumaret::desktop

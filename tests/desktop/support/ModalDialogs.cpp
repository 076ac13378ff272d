#include "desktop/support/ModalDialogs.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>

namespace lumaret::test {

void WhenDialogOpens(std::function<void(QDialog&)> act) {
  auto* timer = new QTimer;
  QObject::connect(timer, &QTimer::timeout, [timer, act = std::move(act)] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    timer->stop();
    timer->deleteLater();
    act(*dialog);
  });
  timer->start(10);
}

}  // namespace lumaret::test

#include "cli/OffscreenGui.h"

#include <iostream>

namespace lumaret::cli {

std::unique_ptr<QGuiApplication> StartOffscreenGui() {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << text.toStdString() << '\n';
  });
  static int argc = 1;
  static char name[] = "lumaret-cli";
  static char* argv[] = {name, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace lumaret::cli

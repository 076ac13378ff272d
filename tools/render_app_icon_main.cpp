// Writes the application icon as a PNG file of the given size, for the installed icon
// theme: lumaret-render-icon OUT.png [SIZE] (default 64). Runs on the offscreen platform.
#include <QGuiApplication>
#include <QPixmap>

#include <cstdio>
#include <cstdlib>

#include "render/CommandIcons.h"

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: lumaret-render-icon OUT.png [SIZE]\n");
    return 1;
  }
  const int size = argc == 3 ? std::atoi(argv[2]) : 64;
  if (size < 1 || size > 1024) {
    std::fprintf(stderr, "lumaret-render-icon: size must be 1 to 1024\n");
    return 1;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QPixmap pixmap = lumaret::render::ApplicationIcon().pixmap(size, size);
  if (pixmap.width() != size || !pixmap.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
    std::fprintf(stderr, "lumaret-render-icon: cannot write %s\n", argv[1]);
    return 2;
  }
  return 0;
}

#pragma once

#include <QIcon>
#include <QString>
#include <QStringList>

namespace lumaret::render {

// The tool-bar icon of a command, drawn with QPainter at 24 x 24 and 48 x 48 pixels (the
// latter for high-DPI screens): dark grey line drawings with one blue accent. Names:
// "open", "export", "screenshot", "cartesian", "polar", "normalise", "zoom", "reset",
// "crosshair", "markers", "envelope", "no-association", "polar-partners", "cut-partners",
// "slant-partners", "rotate", "level", "drag". An unknown name gives a null QIcon.
// Needs a QGuiApplication.
QIcon CommandIcon(const QString& name);

// Every name that CommandIcon draws, in tool-bar order.
QStringList CommandIconNames();

// The application icon: a polar grid with a main lobe and a back lobe, the same drawing as
// dist/lumaret.svg, at 16 to 256 pixels.
QIcon ApplicationIcon();

}  // namespace lumaret::render

#include "desktop/dialogs/ColourSwatch.h"

#include <QPainter>
#include <QPixmap>

namespace lumaret::desktop {

QColor ToQColor(display::Colour colour) {
  return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                static_cast<int>((colour >> 16) & 0xFF));
}

display::Colour FromQColor(const QColor& colour) {
  return display::Rgb(colour.red(), colour.green(), colour.blue());
}

QIcon ColourSwatch(display::Colour colour) {
  QPixmap pixmap(16, 16);
  pixmap.fill(ToQColor(colour));
  QPainter painter(&pixmap);
  painter.setPen(Qt::darkGray);
  painter.drawRect(0, 0, 15, 15);
  return QIcon(pixmap);
}

}  // namespace lumaret::desktop

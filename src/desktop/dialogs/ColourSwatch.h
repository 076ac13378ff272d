#pragma once

#include <QColor>
#include <QIcon>

#include "display/PlotGrid.h"

namespace lumaret::desktop {

// The core's packed colours (red + 256 x green + 65536 x blue) as Qt colours and back.
QColor ToQColor(display::Colour colour);
display::Colour FromQColor(const QColor& colour);

// A small filled square of the colour with a dark frame, for list rows and buttons.
QIcon ColourSwatch(display::Colour colour);

}  // namespace lumaret::desktop

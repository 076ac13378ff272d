#pragma once

#include <QImage>
#include <QSize>

#include "render/PlotRenderer.h"
#include "session/CTessalyUnitDoc.h"

namespace lumaret::render {

// The picture of the document's view state (plot state, colours, reference line and the
// curves of the displayed files) for a surface of the given size, unzoomed. The view, the
// screenshots and the report pictures all start from it.
PlotPicture DocumentPlotPicture(const session::CTessalyUnitDoc& doc, QSize size);

// That picture rendered into an image of the size.
QImage RenderDocumentImage(const session::CTessalyUnitDoc& doc, QSize size);

}  // namespace lumaret::render

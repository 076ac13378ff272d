#include "render/DocumentPicture.h"

#include "display/PlotData.h"
#include "session/DisplayedFiles.h"
#include "session/ViewState.h"

namespace lumaret::render {

PlotPicture DocumentPlotPicture(const session::CTessalyUnitDoc& doc, QSize size) {
  const display::PlotState state = session::ViewPlotState(doc);
  PlotPicture picture =
      MakePlotPicture(state, size, doc.view.colours.axes, doc.view.referenceLine,
                      display::BuildPlotCurves(doc, session::DisplayedFiles(doc), state, doc.view.colours));
  picture.overlay = session::ViewPlotOverlay(doc, state, picture.curves);
  return picture;
}

QImage RenderDocumentImage(const session::CTessalyUnitDoc& doc, QSize size) {
  return RenderPlotImage(size, DocumentPlotPicture(doc, size));
}

}  // namespace lumaret::render

#include "desktop/view/PlotView.h"

#include <QPainter>

#include "display/PlotData.h"
#include "session/DisplayedFiles.h"

namespace lumaret::desktop {

PlotView::PlotView(session::CTessalyUnitDoc& doc, QWidget* parent) : QWidget(parent), doc_(doc) {
  setObjectName("CTessalyUnitView");
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(320, 240);
  Refresh();
}

void PlotView::Refresh() {
  const display::PlotState state = session::ViewPlotState(doc_);
  picture_ = render::MakePlotPicture(state, size(), doc_.view.colours.axes, doc_.view.referenceLine,
                                     display::BuildPlotCurves(doc_, session::DisplayedFiles(doc_), state, doc_.view.colours));
  picture_.overlay = session::ViewPlotOverlay(doc_, state, picture_.curves);
  update();
}

void PlotView::resizeEvent(QResizeEvent*) {
  // The mapping follows the size; the curves keep their logical points.
  picture_.mapping = display::ScreenMapping(picture_.state, width(), height());
}

void PlotView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  renderer_.Render(painter, size(), picture_);
}

}  // namespace lumaret::desktop

#include "desktop/view/PlotView.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "display/PlotZoom.h"
#include "processing/DragHistory.h"
#include "processing/DragReshape.h"
#include "render/DocumentPicture.h"
#include "session/DisplayedFiles.h"

namespace lumaret::desktop {

PlotView::PlotView(session::CTessalyUnitDoc& doc, QWidget* parent) : QWidget(parent), doc_(doc) {
  setObjectName("CTessalyUnitView");
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setMinimumSize(320, 240);
  Refresh();
}

void PlotView::Refresh() {
  picture_ = render::DocumentPlotPicture(doc_, size());
  if (zoomed_) picture_.mapping = *zoomed_;
  update();
}

void PlotView::resizeEvent(QResizeEvent*) {
  // The mapping follows the size; the curves keep their logical points. While zoomed the
  // zoomed mapping stays in force.
  if (!zoomed_) picture_.mapping = display::ScreenMapping(picture_.state, width(), height());
}

void PlotView::SetZoomMode(bool on) {
  zoomMode_ = on;
  if (on) dragMode_ = false;
  UpdateCursorShape();
}

void PlotView::SetDragMode(bool on) {
  dragMode_ = on;
  if (on) zoomMode_ = false;
  UpdateCursorShape();
}

void PlotView::SetCrosshair(bool on) {
  crosshair_ = on;
  update();
}

void PlotView::ResetView() {
  zoomMode_ = false;
  zoomed_.reset();
  picture_.mapping = display::ScreenMapping(picture_.state, width(), height());
  UpdateCursorShape();
  update();
}

void PlotView::UpdateCursorShape() {
  if (zoomMode_) {
    setCursor(Qt::CrossCursor);
  } else if (dragMode_ && pressed_) {
    setCursor(Qt::SizeAllCursor);
  } else {
    unsetCursor();
  }
}

void PlotView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  pressed_ = true;
  press_ = event->position().toPoint();
  if (dragMode_) {
    processing::BeginDrag(doc_, session::DisplayedFiles(doc_));
    dragStartAngle_.reset();
  }
  UpdateCursorShape();
}

void PlotView::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  cursor_ = at;
  const display::CursorReadout readout = display::ReadCursor(picture_.state, picture_.mapping, {at.x(), at.y()});
  if (dragMode_ && pressed_ && (event->buttons() & Qt::LeftButton)) {
    // The grabbed angle is where the drag began; every move hands the level change since
    // the last published mark to the reshaping.
    if (!dragStartAngle_) dragStartAngle_ = readout.angle;
    const float change = readout.level - mark_.level;
    if (change != 0.0f && !mark_.markInformation.empty() &&
        processing::DragReshape(doc_, session::DisplayedFiles(doc_), *dragStartAngle_, change)) {
      Refresh();
      emit PatternDragged();
    }
  }
  if (!readout.outside) {
    mark_ = readout;
    emit MarkChanged();
  }
  if (crosshair_ || (zoomMode_ && pressed_)) update();
}

void PlotView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !pressed_) return;
  pressed_ = false;
  const QPoint release = event->position().toPoint();
  bool modeEnded = false;
  if (zoomMode_) {
    zoomMode_ = false;
    modeEnded = true;
    if (const auto zoomed =
            display::ZoomedMapping(picture_.mapping, {press_.x(), press_.y()}, {release.x(), release.y()}, width(), height())) {
      zoomed_ = *zoomed;
      picture_.mapping = *zoomed;
    }
  }
  if (dragMode_) {
    dragMode_ = false;
    dragStartAngle_.reset();
    modeEnded = true;
  }
  UpdateCursorShape();
  update();
  if (modeEnded) emit ModesChanged();
}

void PlotView::leaveEvent(QEvent*) {
  cursor_.reset();
  if (crosshair_) update();
}

void PlotView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  renderer_.Render(painter, size(), picture_);
  PaintOverlay(painter);
}

// The crosshair (outside zoom mode and not zoomed) and the rubber band of a zoom, drawn
// over the picture; the next repaint draws the picture again, which erases them.
void PlotView::PaintOverlay(QPainter& painter) const {
  if (!cursor_) return;
  painter.setRenderHint(QPainter::Antialiasing, false);
  QPen pen(Qt::black, 0, Qt::DotLine);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  if (zoomMode_ && pressed_) {
    painter.drawRect(QRect(press_, *cursor_).normalized());
    return;
  }
  if (!crosshair_ || zoomMode_ || zoomed_) return;
  if (picture_.state.mode == display::CoordinateMode::Cartesian) {
    painter.drawLine(0, cursor_->y(), width(), cursor_->y());
    painter.drawLine(cursor_->x(), 0, cursor_->x(), height());
    return;
  }
  const display::PlotMapping& m = picture_.mapping;
  const QPointF centre(m.viewportOrgX + m.viewportExtX / 2.0, m.viewportOrgY + m.viewportExtY / 2.0);
  const QPointF offset = QPointF(*cursor_) - centre;
  const double radius = std::hypot(offset.x(), offset.y());
  painter.drawEllipse(centre, radius, radius);
  painter.drawLine(centre, QPointF(*cursor_));
}

}  // namespace lumaret::desktop

#pragma once

#include <QWidget>
#include <optional>
#include <string>

#include "display/PlotMapping.h"
#include "render/PlotRenderer.h"
#include "session/CTessalyUnitDoc.h"

namespace lumaret::desktop {

// The drawing area: paints the document's displayed files through the shared renderer and
// handles the mouse: the cursor readout (the mark information), the crosshair, zooming into
// a dragged rectangle, and pattern drag. The curves are built again only when Refresh() is
// called (the displayed files, the view state or the results changed), so a mouse move
// repaints the cached grid, the curves and the overlay only.
class PlotView : public QWidget {
  Q_OBJECT
 public:
  explicit PlotView(session::CTessalyUnitDoc& doc, QWidget* parent = nullptr);
  void Refresh();

  // The picture as painted now (the zoomed mapping while zoomed).
  const render::PlotPicture& Picture() const { return picture_; }
  // "%0.1f°　%0.2fdB　" of the last cursor position inside the plot ("" before the first).
  const std::string& MarkInformation() const { return mark_.markInformation; }

  // One-shot modes: each ends at the next button release.
  void SetZoomMode(bool on);
  bool ZoomMode() const { return zoomMode_; }
  void SetDragMode(bool on);
  bool DragMode() const { return dragMode_; }
  void SetCrosshair(bool on);
  bool Crosshair() const { return crosshair_; }
  bool Zoomed() const { return zoomed_.has_value(); }
  // Leaves zoom mode and the zoomed state and repaints with the screen mapping.
  void ResetView();

 signals:
  // The cursor readout inside the plot changed.
  void MarkChanged();
  // A drag reshaped the first displayed file (its results changed).
  void PatternDragged();
  // A one-shot mode ended at a button release.
  void ModesChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void PaintOverlay(QPainter& painter) const;
  void UpdateCursorShape();

  session::CTessalyUnitDoc& doc_;
  render::PlotRenderer renderer_;
  render::PlotPicture picture_;
  std::optional<display::PlotMapping> zoomed_;
  display::CursorReadout mark_;
  bool zoomMode_ = false;
  bool dragMode_ = false;
  bool crosshair_ = false;
  bool pressed_ = false;
  std::optional<float> dragStartAngle_;
  QPoint press_;
  std::optional<QPoint> cursor_;  // the last mouse point over the view
};

}  // namespace lumaret::desktop

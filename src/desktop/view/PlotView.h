#pragma once

#include <QWidget>

#include "render/PlotRenderer.h"
#include "session/CTessalyUnitDoc.h"

namespace lumaret::desktop {

// The drawing area: paints the document's displayed files through the shared renderer.
// The curves are built again only when Refresh() is called (the displayed files, the view
// state or the results changed), so a repaint strokes what is already mapped.
class PlotView : public QWidget {
  Q_OBJECT
 public:
  explicit PlotView(session::CTessalyUnitDoc& doc, QWidget* parent = nullptr);
  void Refresh();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  session::CTessalyUnitDoc& doc_;
  render::PlotRenderer renderer_;
  render::PlotPicture picture_;
};

}  // namespace lumaret::desktop

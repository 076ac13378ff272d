#include "desktop/shell/ViewCommands.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>

#include "desktop/shell/CMainFrame.h"
#include "desktop/shell/ScreenshotCommands.h"
#include "desktop/view/PlotView.h"
#include "display/DirectivityTrend.h"
#include "processing/DragHistory.h"
#include "session/Screenshot.h"
#include "session/DisplayedFiles.h"

namespace lumaret::desktop {

void InstallViewCommands(CMainFrame& frame) {
  PlotView* view = frame.View();
  frame.EnableCommand("ID_ZOOM_IN", [view] { view->SetZoomMode(!view->ZoomMode()); });
  frame.EnableCommand("ID_RESET_VIEW", [&frame, view] {
    frame.ShowPlot();
    view->ResetView();
  });
  QAction* crosshair = frame.Action("ID_CROSSHAIR");
  frame.EnableCommand("ID_CROSSHAIR", [view, crosshair] { view->SetCrosshair(crosshair->isChecked()); });
  QAction* drag = frame.Action("ID_PATTERN_DRAG");
  frame.EnableCommand("ID_PATTERN_DRAG", [view, drag] { view->SetDragMode(drag->isChecked()); });
  // Zoom and drag end at the next button release; the check mark follows.
  QObject::connect(view, &PlotView::ModesChanged, drag, [view, drag] { drag->setChecked(view->DragMode()); });

  session::CTessalyUnitDoc& doc = frame.Doc();
  frame.EnableCommand("ID_UNDO_DRAG", [&frame, &doc] {
    if (processing::UndoDrag(doc, session::DisplayedFiles(doc))) frame.RefreshAll();
  });
  frame.EnableCommand("ID_REDO_DRAG", [&frame, &doc] {
    if (processing::RedoDrag(doc, session::DisplayedFiles(doc))) frame.RefreshAll();
  });
  frame.EnableCommand("ID_COPY_TO_CLIPBOARD", [&frame] {
    QWidget* shown = frame.CentralPicture();
    if (shown->width() > 0 && shown->height() > 0) QGuiApplication::clipboard()->setImage(shown->grab().toImage());
  });
  // The chart replaces the plot and goes to the clipboard; the command again brings the
  // plot back.
  frame.EnableCommand("ID_DIRECTIVITY_TREND", [&frame] {
    if (frame.TrendChartShown()) {
      frame.ShowPlot();
      return;
    }
    frame.ShowTrendChart();
    const QImage chart = frame.CentralPicture()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QGuiApplication::clipboard()->setImage(chart);
    const std::string folder = session::PictureFolder(frame.Doc());
    if (const std::string reason = session::EnsureFolder(folder); !reason.empty()) {
      frame.Messages().Show("Failed to save the file: " + folder + " (" + reason + ")");
      return;
    }
    SaveBitmap(chart, folder + display::kTrendChartFileName, frame.Messages());
  });
}

}  // namespace lumaret::desktop

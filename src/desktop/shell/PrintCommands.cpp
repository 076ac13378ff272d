#include "desktop/shell/PrintCommands.h"

#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "desktop/shell/CMainFrame.h"
#include "desktop/view/PlotView.h"
#include "render/PlotRenderer.h"

namespace lumaret::desktop {
namespace {

// The printer of the session, a child of the main window.
class PrintSession : public QObject {
 public:
  explicit PrintSession(CMainFrame& frame) : QObject(&frame), frame_(frame), printer_(QPrinter::HighResolution) {
    printer_.setDocName("Lumaret");
  }

  void Paint(QPrinter* printer) {
    QPainter painter(printer);
    const QRectF page = printer->pageLayout().paintRectPixels(printer->resolution());
    render::PaintPlotOnPage(painter, QRectF(QPointF(0, 0), page.size()), frame_.View()->Picture());
  }

  void Print() {
    QPrintDialog dialog(&printer_, &frame_);
    if (dialog.exec() == QDialog::Accepted) Paint(&printer_);
  }
  void Setup() { QPageSetupDialog(&printer_, &frame_).exec(); }
  void Preview() {
    QPrintPreviewDialog dialog(&printer_, &frame_);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* printer) { Paint(printer); });
    dialog.exec();
  }

 private:
  CMainFrame& frame_;
  QPrinter printer_;
};

}  // namespace

void InstallPrintCommands(CMainFrame& frame) {
  auto* session = new PrintSession(frame);
  frame.EnableCommand("ID_FILE_PRINT", [session] { session->Print(); });
  frame.EnableCommand("ID_FILE_PRINT_SETUP", [session] { session->Setup(); });
  frame.EnableCommand("ID_FILE_PRINT_PREVIEW", [session] { session->Preview(); });
}

}  // namespace lumaret::desktop

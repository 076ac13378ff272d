#include "desktop/shell/ExportCommands.h"

#include <QAction>
#include <QCloseEvent>
#include <QMetaObject>
#include <QStatusBar>
#include <exception>

#include "desktop/dialogs/CDlgDataExport.h"
#include "desktop/shell/CMainFrame.h"
#include "desktop/shell/StatusBarStatus.h"
#include "desktop/shell/UiThreadRelay.h"
#include "desktop/view/PlotView.h"
#include "exports/SpreadsheetExport.h"

namespace lumaret::desktop {

namespace {

constexpr const char* kCommand = "ID_DATA_EXPORT";
constexpr const char* kExportRunning =
    "The Word reports of the last export are still being written; wait until the export has finished.";
constexpr const char* kStillReading = "Pattern files are still being read; export when reading has finished.";

}  // namespace

ExportController::ExportController(CMainFrame& frame, ReportRunner runner)
    : QObject(&frame), frame_(frame), runner_(std::move(runner)),
      status_(std::make_unique<StatusBarStatus>(*frame.statusBar())) {
  setObjectName("ExportController");
  last_.exportFolder = frame.Doc().programFolder;
  frame.installEventFilter(this);
}

ExportController::~ExportController() {
  if (relay_) relay_->Stop();
  if (worker_.joinable()) worker_.join();
}

void ExportController::Export() {
  if (ReportsRunning()) {
    frame_.Messages().Show(kExportRunning);
    return;
  }
  // A batch being read would change the files under the export.
  if (frame_.Opening()) {
    frame_.Messages().Show(kStillReading);
    return;
  }
  // The command is off while it runs: its dialogs and messages must not start another.
  QAction* command = frame_.Action(kCommand);
  command->setEnabled(false);
  RunExport();
  command->setEnabled(!ReportsRunning());
}

void ExportController::RunExport() {
  session::CTessalyUnitDoc& doc = frame_.Doc();
  CDlgDataExport dialog(doc.patterns, doc.settings, last_, frame_.Prompts(), frame_.Messages(), &frame_);
  if (dialog.exec() != QDialog::Accepted) return;
  const exports::ExportRequest& request = dialog.Request();
  last_.exportFolder = request.exportFolder;
  last_.patternInformation = request.patternInformation;

  exports::LaterExportSteps later;
  later.spreadsheets = exports::SpreadsheetExportStep(*status_);
  later.reports = [this](const analysis::AnalysisDocument&, const exports::ExportRequest& chosen,
                         const exports::ExportFolders& folders,
                         exports::ExportContext& context) { StartReports(chosen, folders, context); };
  exports::RunExportSequence(doc, request, *status_, later);
  // The analysis gave every file its results: the panes show them.
  frame_.RefreshAll();
  if (ReportsRunning()) status_->Status("Exporting word report...");
}

void ExportController::StartReports(const exports::ExportRequest& request, const exports::ExportFolders& folders,
                                    exports::ExportContext& context) {
  if (!runner_) {
    // No report writer: each chosen report is a file not written, and the export ends
    // with the count of every such file.
    if (request.choices.word1) context.outcome.failed.push_back(folders.reportFolder + "Word report 1");
    if (request.choices.word2) context.outcome.failed.push_back(folders.reportFolder + "Word report 2");
    exports::ShowExportEnd(frame_.Doc(), request.choices, context.outcome);
    return;
  }
  // The worker reads its own copy, so the window can go on changing the document.
  snapshot_ = std::make_unique<session::CTessalyUnitDoc>(frame_.Doc());
  relay_ = std::make_unique<UiThreadRelay>(*this, frame_.Messages(), *status_);
  snapshot_->SetMessages(*relay_);
  const QSize viewSize = frame_.View() ? frame_.View()->size() : QSize();
  reportOutcome_ = {};
  worker_ = std::thread([this, request, folders, earlier = context.outcome, viewSize] {
    try {
      reportOutcome_ = runner_(*snapshot_, request, folders, earlier, viewSize, *relay_);
    } catch (const std::exception& error) {
      relay_->Show(std::string("The Word reports could not be written: ") + error.what());
    }
    QMetaObject::invokeMethod(this, [this] { OnWorkerDone(); }, Qt::QueuedConnection);
  });
}

void ExportController::OnWorkerDone() {
  worker_.join();
  relay_.reset();
  snapshot_.reset();
  frame_.Action(kCommand)->setEnabled(true);
  emit ReportsFinished();
}

// The window stays open while the worker runs: it writes into the export folder and
// reports to the window.
bool ExportController::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &frame_ && event->type() == QEvent::Close && ReportsRunning()) {
    frame_.Messages().Show(kExportRunning);
    event->ignore();
    return true;
  }
  return QObject::eventFilter(watched, event);
}

void InstallExportCommands(CMainFrame& frame, ReportRunner runner) {
  auto* controller = new ExportController(frame, std::move(runner));
  frame.EnableCommand(kCommand, [controller] { controller->Export(); });
}

}  // namespace lumaret::desktop

#pragma once

#include <QObject>
#include <QSize>
#include <functional>
#include <memory>
#include <thread>

#include "data/UserMessages.h"
#include "exports/ExportSequence.h"
#include "session/CTessalyUnitDoc.h"

namespace lumaret::desktop {

class CMainFrame;
class StatusBarStatus;
class UiThreadRelay;

// Writes the Word reports of one export on the report worker thread. It works on a
// snapshot of the document (its messages already go to the window), gets the outcome of
// the pattern-file and spreadsheet steps in `earlier` so that its final message can count
// every file that was not written, and returns what became of the report files.
using ReportRunner = std::function<exports::WriteOutcome(
    session::CTessalyUnitDoc& snapshot, const exports::ExportRequest& request, const exports::ExportFolders& folders,
    const exports::WriteOutcome& earlier, QSize viewSize, data::StatusSink& status)>;

// The "Export Data..." command: the export dialog, then the export on the user-interface
// thread, then the Word reports on the worker thread. Only one export runs at a time; the
// window is not closed while the reports are written.
class ExportController : public QObject {
  Q_OBJECT
 public:
  ExportController(CMainFrame& frame, ReportRunner runner);
  // Waits for a running worker (its questions are answered no).
  ~ExportController() override;

  void Export();
  bool ReportsRunning() const { return worker_.joinable(); }
  // What the last finished worker returned.
  const exports::WriteOutcome& LastReportOutcome() const { return reportOutcome_; }

 signals:
  void ReportsFinished();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void RunExport();
  void StartReports(const exports::ExportRequest& request, const exports::ExportFolders& folders,
                    exports::ExportContext& context);
  void OnWorkerDone();

  CMainFrame& frame_;
  ReportRunner runner_;
  std::unique_ptr<StatusBarStatus> status_;
  // The export folder and pattern information the dialog offers next time.
  exports::ExportRequest last_;
  std::unique_ptr<session::CTessalyUnitDoc> snapshot_;
  std::unique_ptr<UiThreadRelay> relay_;
  std::thread worker_;
  exports::WriteOutcome reportOutcome_;  // written by the worker, read after it is joined
};

// Enables "Export Data..."; an empty runner writes no Word reports and counts each chosen
// one as a file not written.
void InstallExportCommands(CMainFrame& frame, ReportRunner runner);

}  // namespace lumaret::desktop

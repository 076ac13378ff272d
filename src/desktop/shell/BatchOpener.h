#pragma once

#include <QObject>
#include <QPointer>
#include <QProgressDialog>
#include <atomic>
#include <memory>
#include <semaphore>
#include <string>
#include <thread>
#include <vector>

#include "data/PatternFileReader.h"
#include "session/CTessalyUnitDoc.h"

namespace lumaret::desktop {

// Opens a batch of pattern files without freezing the window: a worker thread loads and
// parses windows of files (with the core's parallel reader; it never touches the
// document), and each parsed window is stored into the document on the user-interface
// thread, in path order, between repaints. A batch that takes longer than a second shows
// a progress dialog whose Cancel stops it after the window in hand; what was read stays.
class BatchOpener : public QObject {
  Q_OBJECT
 public:
  BatchOpener(session::CTessalyUnitDoc& doc, QWidget* dialogParent);
  ~BatchOpener() override;

  // Starts reading; false (and nothing happens) while another batch runs.
  bool Open(std::vector<std::string> paths, bool keepGoing);
  bool Busy() const { return worker_.joinable(); }
  void Cancel() { cancelled_ = true; }
  // The outcome of the last finished batch.
  const data::BatchResult& Result() const { return batch_; }

 signals:
  // The batch ended (ran to its end, stopped by a failure, or cancelled).
  void Finished();

 private:
  void Store(std::size_t first, std::shared_ptr<std::vector<data::LoadedPattern>> loaded);
  void Finish();
  void StopWorker();

  session::CTessalyUnitDoc& doc_;
  QPointer<QWidget> dialogParent_;
  QProgressDialog* progress_ = nullptr;
  std::vector<std::string> paths_;
  bool keepGoing_ = true;
  bool stopped_ = false;  // a failure stopped the batch: later windows are dropped
  data::BatchResult batch_;
  std::atomic<bool> cancelled_{false};
  std::counting_semaphore<> inFlight_{2};  // parsed windows waiting to be stored
  std::thread worker_;
};

}  // namespace lumaret::desktop

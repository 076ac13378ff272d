#include "desktop/shell/BatchOpener.h"

#include <QMetaObject>
#include <span>

#include "data/Parallel.h"

namespace lumaret::desktop {

BatchOpener::BatchOpener(session::CTessalyUnitDoc& doc, QWidget* dialogParent)
    : QObject(dialogParent), doc_(doc), dialogParent_(dialogParent) {}

BatchOpener::~BatchOpener() { StopWorker(); }

void BatchOpener::StopWorker() {
  if (!worker_.joinable()) return;
  cancelled_ = true;
  inFlight_.release(2);  // a worker waiting for room goes on, sees the cancel and ends
  worker_.join();
}

bool BatchOpener::Open(std::vector<std::string> paths, bool keepGoing) {
  if (Busy()) return false;
  paths_ = std::move(paths);
  keepGoing_ = keepGoing;
  stopped_ = false;
  batch_ = {};
  cancelled_ = false;
  // Room for two parsed windows: one being stored, one parsed ahead.
  while (inFlight_.try_acquire()) {
  }
  inFlight_.release(2);

  delete progress_;
  progress_ = new QProgressDialog("Reading pattern files...", "Cancel", 0, static_cast<int>(paths_.size()),
                                  dialogParent_);
  progress_->setObjectName("ReadProgress");
  progress_->setWindowTitle("Lumaret");
  progress_->setWindowModality(Qt::WindowModal);
  progress_->setMinimumDuration(1000);
  progress_->setAutoReset(false);
  progress_->setAutoClose(false);
  progress_->setValue(0);
  connect(progress_, &QProgressDialog::canceled, this, [this] { Cancel(); });

  const unsigned threads = data::ChosenThreadCount(doc_.threads);
  const std::size_t window = data::BatchWindowSize(threads);
  worker_ = std::thread([this, threads, window] {
    const std::span<const std::string> all(paths_);
    for (std::size_t first = 0; first < all.size(); first += window) {
      inFlight_.acquire();
      if (cancelled_) break;
      auto loaded = std::make_shared<std::vector<data::LoadedPattern>>(
          data::LoadPatterns(all.subspan(first, std::min(window, all.size() - first)), threads));
      QMetaObject::invokeMethod(this, [this, first, loaded] { Store(first, loaded); }, Qt::QueuedConnection);
    }
    QMetaObject::invokeMethod(this, [this] { Finish(); }, Qt::QueuedConnection);
  });
  return true;
}

void BatchOpener::Store(std::size_t first, std::shared_ptr<std::vector<data::LoadedPattern>> loaded) {
  if (!stopped_ && !cancelled_) {
    const std::span<const std::string> part = std::span<const std::string>(paths_).subspan(first, loaded->size());
    if (!data::StoreLoadedPatterns(doc_, part, std::move(*loaded), keepGoing_, batch_)) {
      stopped_ = true;
      cancelled_ = true;  // the worker need not parse what will not be stored
    }
    if (progress_) progress_->setValue(static_cast<int>(first + loaded->size()));
  }
  inFlight_.release();
}

void BatchOpener::Finish() {
  worker_.join();
  if (!stopped_) {
    if (cancelled_) {
      batch_.ranToEnd = false;
      batch_.cancelled = true;
    }
    data::FinishBatch(doc_, batch_);
  }
  if (progress_) {
    progress_->deleteLater();
    progress_ = nullptr;
  }
  emit Finished();
}

}  // namespace lumaret::desktop

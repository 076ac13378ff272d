#include "desktop/shell/UiThreadRelay.h"

#include <QMetaObject>
#include <QObject>

namespace lumaret::desktop {

UiThreadRelay::UiThreadRelay(QObject& context, data::UserMessages& messages, data::StatusSink& status)
    : context_(context), messages_(messages), status_(status) {}

void UiThreadRelay::Status(const std::string& text) {
  QMetaObject::invokeMethod(&context_, [&status = status_, text] { status.Status(text); }, Qt::QueuedConnection);
}

void UiThreadRelay::Show(const std::string& text, const std::string& caption) {
  QMetaObject::invokeMethod(
      &context_, [&messages = messages_, text, caption] { messages.Show(text, caption); }, Qt::QueuedConnection);
}

bool UiThreadRelay::Ask(const std::string& text, const std::string& caption) {
  std::shared_ptr<Pending> pending = pending_;
  {
    std::lock_guard lock(pending->mutex);
    if (pending->stopped) return false;
    pending->answer.reset();
  }
  // The shared state outlives this call, so an answer given after a Stop() is harmless.
  QMetaObject::invokeMethod(
      &context_,
      [&messages = messages_, pending, text, caption] {
        const bool yes = messages.Ask(text, caption);
        std::lock_guard lock(pending->mutex);
        pending->answer = yes;
        pending->answered.notify_all();
      },
      Qt::QueuedConnection);
  std::unique_lock lock(pending->mutex);
  pending->answered.wait(lock, [&] { return pending->answer.has_value() || pending->stopped; });
  return pending->answer.value_or(false);
}

void UiThreadRelay::Stop() {
  std::lock_guard lock(pending_->mutex);
  pending_->stopped = true;
  pending_->answered.notify_all();
}

}  // namespace lumaret::desktop

#pragma once

#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>

#include "data/UserMessages.h"

class QObject;

namespace lumaret::desktop {

// The messages and status texts of a worker thread, handed to sinks of the user-interface
// thread as queued calls, so the worker never touches a widget. The calls run in the
// thread of `context` and are dropped once it is destroyed.
class UiThreadRelay : public data::UserMessages, public data::StatusSink {
 public:
  UiThreadRelay(QObject& context, data::UserMessages& messages, data::StatusSink& status);

  void Status(const std::string& text) override;
  void Show(const std::string& text, const std::string& caption = data::kAppCaption) override;
  // Waits for the user's answer; once Stop() is called the answer is no.
  bool Ask(const std::string& text, const std::string& caption = data::kAppCaption) override;

  // Called on the user-interface thread before it waits for the worker: a question the
  // worker waits on, or asks later, is answered no, so the wait cannot hang.
  void Stop();

 private:
  struct Pending {
    std::mutex mutex;
    std::condition_variable answered;
    std::optional<bool> answer;
    bool stopped = false;
  };

  QObject& context_;
  data::UserMessages& messages_;
  data::StatusSink& status_;
  std::shared_ptr<Pending> pending_ = std::make_shared<Pending>();
};

}  // namespace lumaret::desktop

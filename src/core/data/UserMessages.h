#pragma once

#include <string>
#include <vector>

namespace lumaret::data {

inline constexpr const char* kAppCaption = "Lumaret";

// How the core talks to the user: message boxes in the desktop program, standard error
// in the command-line tool, a recorder in tests. The core never shows a window itself.
class UserMessages {
 public:
  virtual ~UserMessages() = default;
  // An information or error message with its caption.
  virtual void Show(const std::string& text, const std::string& caption = kAppCaption) = 0;
  // A yes/no question; true means yes.
  virtual bool Ask(const std::string& text, const std::string& caption = kAppCaption) = 0;
};

// Receives progress texts (the status bar in the desktop program).
class StatusSink {
 public:
  virtual ~StatusSink() = default;
  virtual void Status(const std::string& text) = 0;
};

// Keeps every message; answers questions with a fixed reply. For tests and batch runs.
class RecordingMessages : public UserMessages {
 public:
  struct Message {
    std::string text;
    std::string caption;
  };
  void Show(const std::string& text, const std::string& caption = kAppCaption) override {
    shown.push_back({text, caption});
  }
  bool Ask(const std::string& text, const std::string& caption = kAppCaption) override {
    asked.push_back({text, caption});
    return answer;
  }
  std::vector<Message> shown;
  std::vector<Message> asked;
  bool answer = true;
};

}  // namespace lumaret::data

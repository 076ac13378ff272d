#pragma once

#include <filesystem>
#include <string>

#include "data/DiagnosticLog.h"
#include "support/FileText.h"
#include "support/TempDir.h"

namespace lumaret::test {

// Points the diagnostic log at a scratch folder while it lives; Text() closes the log and
// returns what was written. The log goes back to its previous folder afterwards.
class LogCapture {
 public:
  LogCapture() {
    const std::string previous = std::filesystem::path(Log().FilePath()).parent_path().string();
    previous_ = previous.empty() ? "." : previous;
    Log().SetFolder(dir_.path().string());
  }
  ~LogCapture() {
    Log().Close();
    Log().SetFolder(previous_);
  }
  LogCapture(const LogCapture&) = delete;
  LogCapture& operator=(const LogCapture&) = delete;

  std::string Text() {
    Log().Close();
    return FileText((dir_.path() / "Log.txt").string());
  }

 private:
  static data::CDiagnosticLog& Log() { return data::CDiagnosticLog::Instance(); }
  TempDir dir_;
  std::string previous_;
};

}  // namespace lumaret::test

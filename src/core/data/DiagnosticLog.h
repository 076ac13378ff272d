#pragma once

#include <chrono>
#include <cstdio>
#include <mutex>
#include <string>

namespace lumaret::data {

// The process-wide diagnostic log "Log.txt". Each line is prefixed with the local time as
// "[YYYY-MM-DD hh:mm:ss ] "; messages carry their own line ends. Nothing is written when
// the drive holding the log has less than 100 MiB free. The file is closed again once a
// second has passed since it was opened. Safe to call from several threads.
class CDiagnosticLog {
 public:
  static CDiagnosticLog& Instance();

  // printf-style; the formatted message is cut to fit a 4096-byte buffer.
  void Write(const char* format, ...) __attribute__((format(printf, 2, 3)));

  // The folder is $LUMARET_LOG_DIR when set, else the current folder; tests may set it.
  void SetFolder(const std::string& folder);
  std::string FilePath() const;
  void Close();

  static constexpr std::uintmax_t kMinFreeBytes = 104857600;

 private:
  CDiagnosticLog();
  ~CDiagnosticLog();

  mutable std::mutex mutex_;
  std::string folder_;
  std::FILE* file_ = nullptr;
  std::chrono::steady_clock::time_point openedAt_;
};

}  // namespace lumaret::data

// Shorthand used by the analysis code.
#define LUMARET_LOG(...) ::lumaret::data::CDiagnosticLog::Instance().Write(__VA_ARGS__)

#include "data/DiagnosticLog.h"

#include <cstdarg>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace lumaret::data {

CDiagnosticLog& CDiagnosticLog::Instance() {
  static CDiagnosticLog log;
  return log;
}

CDiagnosticLog::CDiagnosticLog() {
  const char* dir = std::getenv("LUMARET_LOG_DIR");
  folder_ = (dir && *dir) ? dir : ".";
}

CDiagnosticLog::~CDiagnosticLog() { Close(); }

void CDiagnosticLog::SetFolder(const std::string& folder) {
  std::lock_guard lock(mutex_);
  if (file_) {
    std::fclose(file_);
    file_ = nullptr;
  }
  folder_ = folder;
}

std::string CDiagnosticLog::FilePath() const {
  std::lock_guard lock(mutex_);
  return folder_ + "/Log.txt";
}

void CDiagnosticLog::Close() {
  std::lock_guard lock(mutex_);
  if (file_) {
    std::fclose(file_);
    file_ = nullptr;
  }
}

void CDiagnosticLog::Write(const char* format, ...) {
  std::lock_guard lock(mutex_);
  const std::string path = folder_ + "/Log.txt";
  if (!file_) {
    std::error_code ec;
    const fs::space_info space = fs::space(folder_, ec);
    if (ec || space.available < kMinFreeBytes) return;
    file_ = std::fopen(path.c_str(), "ab");
    if (!file_) return;
    openedAt_ = std::chrono::steady_clock::now();
  }

  char message[4096];
  va_list args;
  va_start(args, format);
  std::vsnprintf(message, sizeof message, format, args);
  va_end(args);

  const std::time_t now = std::time(nullptr);
  std::tm tm{};
  localtime_r(&now, &tm);
  std::fprintf(file_, "[%04d-%02d-%02d %02d:%02d:%02d ] %s", tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday,
               tm.tm_hour, tm.tm_min, tm.tm_sec, message);
  std::fflush(file_);

  if (std::chrono::steady_clock::now() - openedAt_ >= std::chrono::milliseconds(1000)) {
    std::fclose(file_);
    file_ = nullptr;
  }
}

}  // namespace lumaret::data

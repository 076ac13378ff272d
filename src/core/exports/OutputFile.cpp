#include "exports/OutputFile.h"

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace lumaret::exports {

std::string Format(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list copy;
  va_copy(copy, args);
  const int size = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  std::string text(size > 0 ? static_cast<std::size_t>(size) : 0, '\0');
  if (size > 0) std::vsnprintf(text.data(), text.size() + 1, format, args);
  va_end(args);
  return text;
}

bool EnsureFolder(const std::string& folder, data::UserMessages& messages) {
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (!ec && std::filesystem::is_directory(folder, ec)) return true;
  const std::string reason = ec ? ec.message() : "not a folder";
  messages.Show("Failed to create the folder: " + folder + " (" + reason + ")");
  return false;
}

data::Result WriteWholeFile(const std::string& path, const std::string& text, const std::string& failureText,
                            data::UserMessages& messages, WriteOutcome& outcome, const std::string& source) {
  auto fail = [&](const std::string& reason) {
    data::Result result =
        data::Result::Fail(data::FailureCode::kCannotWrite, failureText + ": " + path + " (" + reason + ")", path);
    messages.Show(result.message);
    outcome.failed.push_back(path);
    return result;
  };
  if (const auto earlier = outcome.sourceOf.find(path); earlier != outcome.sourceOf.end())
    return fail("already written for " + earlier->second + "; " +
                (source.empty() ? std::string("another input") : source) + " not written");
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return fail(std::strerror(errno));
  const std::size_t written = std::fwrite(text.data(), 1, text.size(), file);
  const int writeError = written == text.size() ? 0 : (errno ? errno : EIO);
  const int closeError = std::fclose(file) == 0 ? 0 : (errno ? errno : EIO);
  if (writeError || closeError) {
    std::remove(path.c_str());
    return fail(std::strerror(writeError ? writeError : closeError));
  }
  outcome.written.push_back(path);
  outcome.sourceOf.emplace(path, source.empty() ? path : source);
  return data::Result::Ok();
}

}  // namespace lumaret::exports

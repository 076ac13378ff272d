#include "session/Screenshot.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "session/CTessalyUnitDoc.h"

namespace lumaret::session {

namespace {

std::string WithSlash(std::string folder) {
  if (!folder.empty() && folder.back() != '/') folder += '/';
  return folder;
}

}  // namespace

CaptureMode LoadCaptureMode(const data::CSettingsStore& store) {
  for (std::size_t i = 0; i < kCaptureRadios.size(); ++i)
    if (store.Read(kCaptureRadios[i], kCaptureSection) == "TRUE") return static_cast<CaptureMode>(i);
  return CaptureMode::IncludeIndication;
}

bool StoreCaptureMode(data::CSettingsStore& store, CaptureMode mode) {
  bool ok = true;
  for (std::size_t i = 0; i < kCaptureRadios.size(); ++i)
    ok = store.Write(static_cast<std::size_t>(mode) == i ? "TRUE" : "FALSE", kCaptureRadios[i], kCaptureSection) && ok;
  return ok;
}

PixelSize CaptureSize(CaptureMode mode, int viewWidth, int viewHeight) {
  PixelSize size;
  switch (mode) {
    case CaptureMode::IncludeIndication: size = {viewWidth + 2, viewHeight + 2}; break;
    case CaptureMode::NotIncludeIndication: size = {viewWidth - 4, viewHeight - 4}; break;
    case CaptureMode::StandardWindow: size = {600, 400}; break;
    case CaptureMode::DataSheetWindow: size = {450, 450}; break;
  }
  return {std::max(size.width, 1), std::max(size.height, 1)};
}

std::string PictureFolder(const CTessalyUnitDoc& doc) {
  const std::string stored = doc.settings.Read(kPictureKey, kPictureSection);
  return stored.empty() ? doc.workingFolder + kPictureFolderName : WithSlash(stored);
}

bool SetPictureFolder(CTessalyUnitDoc& doc, const std::string& folder) {
  if (folder.empty()) return false;
  return doc.settings.Write(WithSlash(folder), kPictureKey, kPictureSection);
}

std::string EnsureFolder(const std::string& folder) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (!error && std::filesystem::is_directory(folder, error)) return "";
  return error ? error.message() : "not a folder";
}

std::string ScreenshotFileName(const std::string& folder, const std::tm& localTime,
                               const std::function<bool(const std::string&)>& taken) {
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y-%m-%d-%H-%M-%S", &localTime);
  const std::string base = folder + "截图" + stamp;
  std::string name = base + ".bmp";
  for (int n = 2; taken(name); ++n) name = base + "-" + std::to_string(n) + ".bmp";
  return name;
}

std::string NextScreenshotPath(const std::string& folder, std::time_t now) {
  std::tm local{};
  localtime_r(&now, &local);
  return ScreenshotFileName(folder, local, [](const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
  });
}

}  // namespace lumaret::session

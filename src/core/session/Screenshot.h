#pragma once

#include <array>
#include <cstdint>
#include <ctime>
#include <functional>
#include <string>

#include "data/SettingsStore.h"

namespace lumaret::session {

class CTessalyUnitDoc;

inline constexpr const char* kCaptureSection = "IDD_DIALOG_CAPTURE_SCREEN";
inline constexpr const char* kPictureSection = "IDD_DIALOG_PICTURE";
inline constexpr const char* kPictureKey = "IDC_EDIT_PICTURE_PATH";
inline constexpr const char* kPictureFolderName = "Pictures/";

// Which picture a screenshot takes: the view with its 2-pixel border, the view less its
// border, or a fixed standard or data-sheet size.
enum class CaptureMode : std::int32_t {
  IncludeIndication = 0,
  NotIncludeIndication = 1,
  StandardWindow = 2,
  DataSheetWindow = 3,
};

// The capture dialog's radio buttons, in mode order; the chosen one is stored "TRUE".
inline constexpr std::array<const char*, 4> kCaptureRadios{
    "IDC_RADIO_INCLUDE_INDICATION", "IDC_RADIO_NOT_INCLUDE_INDICATION", "IDC_RADIO_STANDARD_WINDOWS",
    "IDC_DataSheetWindow"};

// The mode whose radio key holds "TRUE" (the first such); mode 0 when none does.
CaptureMode LoadCaptureMode(const data::CSettingsStore& store);
// Writes "TRUE" under the mode's radio key and "FALSE" under the others.
bool StoreCaptureMode(data::CSettingsStore& store, CaptureMode mode);

struct PixelSize {
  int width = 0;
  int height = 0;
  bool operator==(const PixelSize&) const = default;
};
// The picture size of a mode for a view of the given size: width + 2 by height + 2, width
// - 4 by height - 4, 600 by 400 or 450 by 450. Never below 1 by 1.
PixelSize CaptureSize(CaptureMode mode, int viewWidth, int viewHeight);

// The folder screenshots go to, ending with "/": the stored text, or the working folder
// + "Pictures/" when nothing is stored.
std::string PictureFolder(const CTessalyUnitDoc& doc);
// Stores a chosen folder (a final "/" added when missing). False when nothing could be
// written or the folder text is empty.
bool SetPictureFolder(CTessalyUnitDoc& doc, const std::string& folder);
// Creates the folder and its parents when missing. "" on success, else the reason.
std::string EnsureFolder(const std::string& folder);

// The screenshot file name: folder + "截图" + the local time as "%Y-%m-%d-%H-%M-%S" +
// ".bmp". A name already taken (a second capture within the same second) gets "-2",
// "-3", ... before the extension, so no earlier screenshot is overwritten.
std::string ScreenshotFileName(const std::string& folder, const std::tm& localTime,
                               const std::function<bool(const std::string&)>& taken);
// The same, for the given time, with the files that exist on disk taken.
std::string NextScreenshotPath(const std::string& folder, std::time_t now);

}  // namespace lumaret::session

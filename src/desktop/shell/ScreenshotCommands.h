#pragma once

#include <QImage>
#include <QSize>
#include <string>

#include "data/UserMessages.h"
#include "session/CTessalyUnitDoc.h"
#include "session/Screenshot.h"

namespace lumaret::desktop {

class CMainFrame;

// The picture a capture takes of a view of the given size: the document's plot rendered
// offscreen at the size of the capture mode.
QImage CaptureImage(const session::CTessalyUnitDoc& doc, QSize viewSize, session::CaptureMode mode);

// Writes the capture of the document's stored mode as a bitmap file at path (created or
// truncated). A file that cannot be created or written is reported and false returned.
bool CaptureToFile(const session::CTessalyUnitDoc& doc, QSize viewSize, const std::string& path,
                   data::UserMessages& messages);

// Writes a picture as a bitmap file at path (created or truncated), reporting a failure.
bool SaveBitmap(const QImage& image, const std::string& path, data::UserMessages& messages);

// "Save ScreenShot", "Capture Settings..." and "Picture Folder...". While the trend chart
// stands in for the plot, the screenshot is of the chart.
void InstallScreenshotCommands(CMainFrame& frame);

}  // namespace lumaret::desktop

#pragma once

#include <QSize>
#include <string>

#include "data/UserMessages.h"
#include "exports/ExportContext.h"
#include "session/CTessalyUnitDoc.h"

namespace lumaret::render {

// The view size the report pictures are taken for where no view window exists.
inline constexpr QSize kWindowlessViewSize{800, 600};

// Renders the report pictures of the snapshot offscreen and writes them as BMP files: the
// pattern-set pictures into reportFolder + "RelBmps/" and, for the standard report, the
// standard-report pictures into reportFolder + "SetBmps/" (each folder created when
// missing), each at the size the stored capture mode gives for a view of viewSize. Every
// picture written or not written is noted in the outcome; failures, and a second picture
// for a path already written, are reported through the snapshot's messages. Draws on a
// copy, so the snapshot is left as it is; no window is needed, so it may run on any
// thread that the snapshot's message sink and the status sink may be called from.
void RenderReportPictures(const session::CTessalyUnitDoc& snapshot, const std::string& reportFolder,
                          bool standardReport, QSize viewSize, data::StatusSink& status,
                          exports::WriteOutcome& outcome);

// The picture file's image encoded as PNG; "" when the file cannot be read as an image.
std::string PngOfPicture(const std::string& path);

}  // namespace lumaret::render

#include "render/ReportPictures.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <climits>
#include <fstream>
#include <iterator>
#include <vector>

#include "exports/OutputFile.h"
#include "render/DocumentPicture.h"
#include "session/DisplayedFiles.h"
#include "session/ReportPictures.h"
#include "session/Screenshot.h"

namespace lumaret::render {

namespace {

std::string Encoded(const QImage& image, const char* format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, format)) return {};
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// Draws each planned picture on the working copy and writes it into the folder. When the
// folder cannot be created it is reported once and none of its pictures is written.
void WritePictures(session::CTessalyUnitDoc& work, const std::vector<session::ReportPicture>& pictures,
                   const std::string& folder, QSize size, exports::WriteOutcome& outcome) {
  data::UserMessages& messages = work.Messages();
  if (!exports::EnsureFolder(folder, messages)) {
    for (const session::ReportPicture& picture : pictures) outcome.failed.push_back(picture.path);
    return;
  }
  for (const session::ReportPicture& picture : pictures) {
    session::ChooseDisplayedFiles(work, picture.files);
    const std::string bmp = Encoded(RenderDocumentImage(work, size), "BMP");
    if (bmp.empty()) {
      messages.Show(exports::Format("%s: %s (the picture could not be encoded)", exports::kFileNotWritten,
                                    picture.path.c_str()));
      outcome.failed.push_back(picture.path);
      continue;
    }
    exports::WriteWholeFile(picture.path, bmp, exports::kFileNotWritten, messages, outcome, picture.source);
  }
}

}  // namespace

void RenderReportPictures(const session::CTessalyUnitDoc& snapshot, const std::string& reportFolder,
                          bool standardReport, QSize viewSize, data::StatusSink& status,
                          exports::WriteOutcome& outcome) {
  const session::PixelSize pixels =
      session::CaptureSize(session::LoadCaptureMode(snapshot.settings), viewSize.width(), viewSize.height());
  const QSize size(pixels.width, pixels.height);

  // The plans already hold each picture's partners, so the copy displays exactly the
  // planned files: its own association is switched off.
  session::CTessalyUnitDoc work = snapshot;
  work.association = {true, false, false, false};

  status.Status("Exporting word report (pattern set) screenshots...");
  WritePictures(work, session::PlanPatternSetPictures(snapshot, reportFolder),
                reportFolder + session::kPatternSetPictureFolder, size, outcome);
  if (!standardReport) return;
  status.Status("Exporting word report 1 (standard test report) screenshots...");
  WritePictures(work, session::PlanStandardReportPictures(snapshot, reportFolder),
                reportFolder + session::kStandardReportPictureFolder, size, outcome);
}

std::string PngOfPicture(const std::string& path) {
  // Read through the standard library so that any file-name bytes are kept as they are.
  std::ifstream in(path, std::ios::binary);
  if (!in) return {};
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (bytes.size() > static_cast<std::size_t>(INT_MAX)) return {};
  const QImage image = QImage::fromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<int>(bytes.size()));
  return image.isNull() ? std::string() : Encoded(image, "PNG");
}

}  // namespace lumaret::render

#include "desktop/shell/ScreenshotCommands.h"

#include <QFile>
#include <ctime>

#include "desktop/dialogs/CDlgCaptureScreen.h"
#include "desktop/shell/CMainFrame.h"
#include "desktop/shell/Prompts.h"
#include "desktop/view/PlotView.h"
#include "render/DocumentPicture.h"

namespace lumaret::desktop {

namespace {

void ReportFileError(data::UserMessages& messages, const std::string& path, const std::string& reason) {
  messages.Show("Failed to save the file: " + path + " (" + reason + ")");
}

void SaveScreenshot(CMainFrame& frame) {
  const PlotView* view = frame.View();
  if (!view) return;
  session::CTessalyUnitDoc& doc = frame.Doc();
  const std::string folder = session::PictureFolder(doc);
  if (const std::string reason = session::EnsureFolder(folder); !reason.empty()) {
    ReportFileError(frame.Messages(), folder, reason);
    return;
  }
  const std::string path = session::NextScreenshotPath(folder, std::time(nullptr));
  bool saved = false;
  if (frame.TrendChartShown()) {
    const session::PixelSize size =
        session::CaptureSize(session::LoadCaptureMode(doc.settings), view->width(), view->height());
    QWidget* chart = frame.CentralPicture();
    saved = SaveBitmap(chart->grab().toImage().scaled(size.width, size.height, Qt::IgnoreAspectRatio,
                                                      Qt::SmoothTransformation).convertToFormat(QImage::Format_RGB32),
                       path, frame.Messages());
  } else {
    saved = CaptureToFile(doc, view->size(), path, frame.Messages());
  }
  if (saved) frame.Messages().Show(path + "图片保存成功。");
}

void ChooseCaptureMode(CMainFrame& frame) {
  session::CTessalyUnitDoc& doc = frame.Doc();
  CDlgCaptureScreen dialog(session::LoadCaptureMode(doc.settings), &frame);
  if (dialog.exec() != QDialog::Accepted) return;
  if (!session::StoreCaptureMode(doc.settings, dialog.Mode()))
    frame.Messages().Show("The capture setting could not be stored in " + doc.settings.Path() + ".");
}

void ChoosePictureFolder(CMainFrame& frame) {
  const QString folder = frame.Prompts().ExistingFolder(&frame, QString::fromUtf8("选择数据导入目录："));
  if (folder.isEmpty()) return;
  session::CTessalyUnitDoc& doc = frame.Doc();
  if (!session::SetPictureFolder(doc, FromQt(folder)))
    frame.Messages().Show("The picture folder could not be stored in " + doc.settings.Path() + ".");
}

}  // namespace

QImage CaptureImage(const session::CTessalyUnitDoc& doc, QSize viewSize, session::CaptureMode mode) {
  const session::PixelSize size = session::CaptureSize(mode, viewSize.width(), viewSize.height());
  return render::RenderDocumentImage(doc, QSize(size.width, size.height)).convertToFormat(QImage::Format_RGB32);
}

bool CaptureToFile(const session::CTessalyUnitDoc& doc, QSize viewSize, const std::string& path,
                   data::UserMessages& messages) {
  return SaveBitmap(CaptureImage(doc, viewSize, session::LoadCaptureMode(doc.settings)), path, messages);
}

bool SaveBitmap(const QImage& image, const std::string& path, data::UserMessages& messages) {
  QFile file(ToQt(path));
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    ReportFileError(messages, path, FromQt(file.errorString()));
    return false;
  }
  if (!image.save(&file, "BMP")) {
    ReportFileError(messages, path, file.error() != QFileDevice::NoError ? FromQt(file.errorString())
                                                                         : "the picture could not be written");
    return false;
  }
  return true;
}

void InstallScreenshotCommands(CMainFrame& frame) {
  frame.EnableCommand("ID_SAVE_SCREENSHOT", [&frame] { SaveScreenshot(frame); });
  frame.EnableCommand("ID_CAPTURE_SETTING", [&frame] { ChooseCaptureMode(frame); });
  frame.EnableCommand("ID_PICTURE_FOLDER", [&frame] { ChoosePictureFolder(frame); });
}

}  // namespace lumaret::desktop

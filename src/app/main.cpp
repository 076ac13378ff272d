// The desktop program: lumaret [--settings-dir DIR] [PATH...]. The working folder (Config.xml,
// ColorSetting.ini) is the current folder unless --settings-dir names another; each PATH is
// a pattern file or a folder walked for pattern files, read as one batch once the window is
// up.
#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <filesystem>
#include <iostream>

#include "data/PatternPaths.h"
#include "desktop/shell/CMainFrame.h"
#include "desktop/shell/Prompts.h"
#include "render/CommandIcons.h"
#include "render/ReportExport.h"
#include "session/DocumentSetup.h"

int main(int argc, char** argv) {
  using namespace lumaret;
  QApplication app(argc, argv);
  QApplication::setOrganizationName("Lumaret");
  QApplication::setApplicationName("Lumaret");
  QApplication::setApplicationVersion(LUMARET_VERSION);
  app.setWindowIcon(render::ApplicationIcon());
  std::string settingsDir;
  QStringList paths;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--settings-dir" && i + 1 < argc) {
      settingsDir = argv[++i];
    } else if (arg == "--help" || arg == "-h") {
      std::cout << "usage: lumaret [--settings-dir DIR] [PATH...]\n";
      return 0;
    } else if (arg == "--version") {
      std::cout << "lumaret " << LUMARET_VERSION << "\n";
      return 0;
    } else {
      paths << QString::fromLocal8Bit(argv[i]);
    }
  }

  desktop::MessageBoxMessages messages;
  session::CTessalyUnitDoc doc(messages);
  session::DocumentFolders folders;
  folders.programFolder = data::FindProgramFolder();
  folders.workingFolder = settingsDir.empty() ? std::filesystem::current_path().string() : data::AbsolutePath(settingsDir);
  std::error_code ec;
  std::filesystem::create_directories(folders.workingFolder, ec);
  session::InitialiseDocument(doc, folders);
  session::LoadViewState(doc);

  desktop::QtFilePrompts prompts;
  desktop::CMainFrame frame(doc, prompts, messages, &render::RunReportExport);
  messages.SetParent(&frame);
  // Maximised; without a window manager to do it, the window takes the screen's free area.
  if (QScreen* screen = QGuiApplication::primaryScreen()) frame.resize(screen->availableGeometry().size());
  frame.showMaximized();
  // The files named on the command line are read once the window shows, with progress; a
  // path that cannot be read is named in a message box and the rest is kept.
  if (!paths.isEmpty()) QTimer::singleShot(0, &frame, [&frame, paths] { frame.OpenPaths(paths, true); });
  return app.exec();
}

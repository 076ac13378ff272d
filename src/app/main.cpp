// The desktop program: lumaret [--settings-dir DIR] [PATH...]. The working folder (Config.xml,
// ColorSetting.ini) is the current folder unless --settings-dir names another; each PATH is
// a pattern file or a folder walked for pattern files, read as one batch.
#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QMainWindow>
#include <QMessageBox>
#include <QScreen>
#include <QStatusBar>
#include <filesystem>
#include <iostream>

#include "data/PatternFileReader.h"
#include "data/PatternPaths.h"
#include "desktop/shell/FileListPane.h"
#include "desktop/shell/Prompts.h"
#include "desktop/view/PlotView.h"
#include "render/CommandIcons.h"
#include "session/DocumentSetup.h"

namespace {

using namespace lumaret;

class MainFrame : public QMainWindow {
 public:
  explicit MainFrame(session::CTessalyUnitDoc& doc) : doc_(doc) {
    setObjectName("CMainFrame");
    setWindowTitle("Lumaret ");
    auto* view = new desktop::PlotView(doc, this);
    setCentralWidget(view);
    auto* files = new desktop::FileListPane(doc, this);
    auto* dock = new QDockWidget("File Lists", this);
    dock->setObjectName("File Lists");
    dock->setWidget(files);
    addDockWidget(Qt::LeftDockWidgetArea, dock);
    resizeDocks({dock}, {360}, Qt::Horizontal);
    connect(files, &desktop::FileListPane::DisplayedFilesChanged, view, &desktop::PlotView::Refresh);
    statusBar()->showMessage("Ready");
  }

 protected:
  void closeEvent(QCloseEvent* event) override {
    if (QMessageBox::warning(this, "Lumaret", "Do you want to quit?", QMessageBox::Yes | QMessageBox::No) ==
        QMessageBox::No) {
      event->ignore();
      return;
    }
    display::WriteMenuStatesOnViewClose(doc_, doc_.view.switches);
    event->accept();
  }

 private:
  session::CTessalyUnitDoc& doc_;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  app.setWindowIcon(render::ApplicationIcon());
  std::string settingsDir;
  std::vector<std::string> paths;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--settings-dir" && i + 1 < argc) {
      settingsDir = argv[++i];
    } else if (arg == "--help" || arg == "-h") {
      std::cout << "usage: lumaret [--settings-dir DIR] [PATH...]\n";
      return 0;
    } else {
      paths.push_back(arg);
    }
  }

  desktop::MessageBoxMessages messages;
  session::CTessalyUnitDoc doc(messages);
  session::DocumentFolders folders;
  folders.programFolder = data::FindProgramFolder();
  folders.workingFolder = settingsDir.empty() ? std::filesystem::current_path().string() : data::AbsolutePath(settingsDir);
  std::filesystem::create_directories(folders.workingFolder);
  session::InitialiseDocument(doc, folders);
  session::LoadViewState(doc);

  // A path that cannot be read is named in a message box; the window opens with the rest.
  const data::ExpandedPaths expanded = data::ExpandPatternPaths(paths);
  const data::BatchResult batch = data::OpenBatch(doc, expanded.files, true);
  std::string failures;
  for (const std::string& folder : expanded.unreadable) failures += folder + "\n";
  for (const data::Result& failure : batch.failures) failures += failure.Located() + "\n";
  if (!failures.empty()) messages.Show(failures, data::kAppCaption);

  MainFrame frame(doc);
  messages.SetParent(&frame);
  // Maximised; without a window manager to do it, the window takes the screen's free area.
  if (QScreen* screen = QGuiApplication::primaryScreen()) frame.resize(screen->availableGeometry().size());
  frame.showMaximized();
  return app.exec();
}

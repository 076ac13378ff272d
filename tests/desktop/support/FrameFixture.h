#pragma once

#include <QTemporaryDir>
#include <memory>

#include "data/UserMessages.h"
#include "desktop/shell/CMainFrame.h"
#include "desktop/shell/Prompts.h"

namespace lumaret::test {

// Answers every folder picker with the prepared folder (and remembers the title); the
// file pickers answer nothing.
class FolderPrompts : public desktop::FilePrompts {
 public:
  QString folder;
  QString lastTitle;
  QStringList OpenFiles(QWidget*, const QString&, const QString&) override { return {}; }
  QString OpenFile(QWidget*, const QString&, const QString&) override { return {}; }
  QString SaveFile(QWidget*, const QString&, const QString&) override { return {}; }
  QString ExistingFolder(QWidget*, const QString& title) override {
    lastTitle = title;
    return folder;
  }
};

// Initialises a document over the program folder (the source tree) with `work` as its
// working folder, and loads its view state, as the program's start-up does.
void InitialiseTestDocument(session::CTessalyUnitDoc& doc, const std::string& programFolder, const QTemporaryDir& work);

// A main window over a fresh document whose working folder is a temporary folder; the
// program folder is the source tree (its "Config File" folder).
struct FrameFixture {
  explicit FrameFixture(const std::string& programFolder, desktop::ReportRunner reportRunner = {});
  ~FrameFixture();

  QTemporaryDir work;
  FolderPrompts prompts;
  data::RecordingMessages messages;
  std::unique_ptr<session::CTessalyUnitDoc> doc;
  std::unique_ptr<desktop::CMainFrame> frame;
};

}  // namespace lumaret::test

#pragma once

#include <QTemporaryDir>
#include <memory>

#include "data/UserMessages.h"
#include "desktop/shell/CMainFrame.h"
#include "desktop/shell/Prompts.h"

namespace lumaret::test {

// Answers every picker with the prepared paths and remembers the last title and filter.
class ScriptedPrompts : public desktop::FilePrompts {
 public:
  QStringList files;  // for OpenFiles
  QString file;       // for OpenFile and SaveFile
  QString folder;     // for ExistingFolder
  QString lastTitle, lastFilter;
  QStringList OpenFiles(QWidget*, const QString& t, const QString& f) override { Asked(t, f); return files; }
  QString OpenFile(QWidget*, const QString& t, const QString& f) override { Asked(t, f); return file; }
  QString SaveFile(QWidget*, const QString& t, const QString& f) override { Asked(t, f); return file; }
  QString ExistingFolder(QWidget*, const QString& t) override { Asked(t, {}); return folder; }

 private:
  void Asked(const QString& title, const QString& filter) {
    lastTitle = title;
    lastFilter = filter;
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
  ScriptedPrompts prompts;
  data::RecordingMessages messages;
  std::unique_ptr<session::CTessalyUnitDoc> doc;
  std::unique_ptr<desktop::CMainFrame> frame;
};

}  // namespace lumaret::test

#include "desktop/support/FrameFixture.h"

#include "session/DocumentSetup.h"

namespace lumaret::test {

void InitialiseTestDocument(session::CTessalyUnitDoc& doc, const std::string& programFolder, const QTemporaryDir& work) {
  session::DocumentFolders folders;
  folders.programFolder = programFolder;
  folders.workingFolder = desktop::FromQt(work.path()) + "/";
  session::InitialiseDocument(doc, folders);
  session::LoadViewState(doc);
}

FrameFixture::FrameFixture(const std::string& programFolder, desktop::ReportRunner reportRunner)
    : doc(std::make_unique<session::CTessalyUnitDoc>(messages)) {
  InitialiseTestDocument(*doc, programFolder, work);
  frame = std::make_unique<desktop::CMainFrame>(*doc, prompts, messages, std::move(reportRunner));
}

FrameFixture::~FrameFixture() {
  frame.reset();
  doc.reset();
}

}  // namespace lumaret::test

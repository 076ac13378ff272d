#include "desktop/support/FrameFixture.h"

#include "session/DocumentSetup.h"

namespace lumaret::test {

FrameFixture::FrameFixture(const std::string& programFolder) : doc(std::make_unique<session::CTessalyUnitDoc>(messages)) {
  session::DocumentFolders folders;
  folders.programFolder = programFolder;
  folders.workingFolder = desktop::FromQt(work.path()) + "/";
  session::InitialiseDocument(*doc, folders);
  session::LoadViewState(*doc);
  frame = std::make_unique<desktop::CMainFrame>(*doc, prompts, messages);
}

FrameFixture::~FrameFixture() {
  frame.reset();
  doc.reset();
}

}  // namespace lumaret::test

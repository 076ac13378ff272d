#include "desktop/shell/SetupCommands.h"

#include <QCoreApplication>
#include <QPointer>
#include <QVariant>

#include "desktop/dialogs/CDlgHSetup.h"
#include "desktop/dialogs/CDlgOpenConfig.h"
#include "desktop/dialogs/CDlgRadiationSetup.h"
#include "desktop/dialogs/CDlgSelectXML.h"
#include "desktop/dialogs/CDlgVSetup.h"
#include "desktop/shell/CMainFrame.h"
#include "desktop/shell/Prompts.h"
#include "session/AuxiliarySetup.h"

namespace lumaret::desktop {

namespace {

constexpr const char* kChamberXmlProperty = "lumaretChamberXmlPath";

// Runs a setup dialog over the frame; a taken setup changed the results, so the window
// follows the document.
template <typename Dialog, typename... Args>
void RunSetup(CMainFrame& frame, Args&... args) {
  Dialog dialog(args..., &frame);
  if (dialog.exec() == QDialog::Accepted) frame.RefreshAll();
}

}  // namespace

QString ChamberXmlPath() {
  const QVariant path = QCoreApplication::instance()->property(kChamberXmlProperty);
  return path.isValid() ? path.toString() : QString(session::kInitialChamberXmlPath);
}

void InstallSetupCommands(CMainFrame& frame) {
  CMainFrame* f = &frame;
  frame.EnableCommand("ID_HORIZONTAL_SETUP", [f] { RunSetup<CDlgHSetup>(*f, f->Doc(), f->Messages()); });
  frame.EnableCommand("ID_VERTICAL_SETUP", [f] { RunSetup<CDlgVSetup>(*f, f->Doc(), f->Messages()); });
  frame.EnableCommand("ID_RADIATION_SETUP", [f] { RunSetup<CDlgRadiationSetup>(*f, f->Doc(), f->Messages()); });
  frame.EnableCommand("ID_ENVELOPE_GAIN_CONFIG",
                      [f] { RunSetup<CDlgOpenConfig>(*f, f->Doc(), f->Prompts(), f->Messages()); });

  // The selection dialog lives as long as the window, so it shows the last path again.
  QPointer<CDlgSelectXML> selectXml = new CDlgSelectXML(frame.Prompts(), frame.Messages(), &frame);
  frame.EnableCommand("ID_CHAMBER_XML", [selectXml] {
    if (selectXml && selectXml->exec() == QDialog::Accepted)
      QCoreApplication::instance()->setProperty(kChamberXmlProperty, ToQt(selectXml->Path()));
  });
}

}  // namespace lumaret::desktop

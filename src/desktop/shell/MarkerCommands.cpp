#include "desktop/shell/MarkerCommands.h"

#include <QAction>

#include "desktop/shell/CMainFrame.h"
#include "display/EnvelopeChoice.h"
#include "display/Markers.h"
#include "session/DisplayedFiles.h"

namespace lumaret::desktop {

namespace {

struct MarkerCommand {
  const char* name;
  display::MarkerKind kind;
};
constexpr MarkerCommand kMarkerCommands[] = {{"ID_MASKMAXMAG", display::MarkerKind::Max},
                                             {"ID_MASKMINMAG", display::MarkerKind::Min},
                                             {"ID_MASKFSU", display::MarkerKind::Fsu},
                                             {"ID_MASKMAXU", display::MarkerKind::SsMax}};

void SetChecked(CMainFrame& frame, const char* name, bool on) {
  if (QAction* action = frame.Action(name)) action->setChecked(on);
}

}  // namespace

void InstallMarkerCommands(CMainFrame& frame) {
  for (const MarkerCommand& command : kMarkerCommands) {
    frame.EnableCommand(command.name, [&frame, command] {
      session::CTessalyUnitDoc& doc = frame.Doc();
      display::ToggleMarker(doc, session::DisplayedFiles(doc), doc.view.switches, doc.view.markers, command.kind);
      frame.RefreshAll();
    });
  }
  frame.EnableCommand("ID_ENVELOPE", [&frame] {
    session::CTessalyUnitDoc& doc = frame.Doc();
    display::ViewSwitches& switches = doc.view.switches;
    switches.envelope = !switches.envelope;
    SetChecked(frame, "ID_ENVELOPE", switches.envelope);
    frame.RefreshAll();
    if (switches.envelope && !display::AnyEnvelopeFor(doc, session::DisplayedFiles(doc)))
      frame.Messages().Show(display::kEnvelopeMissing);
  });
  frame.EnableCommand("ID_SPRDISPLAY", [&frame] {
    display::ViewSwitches& switches = frame.Doc().view.switches;
    switches.sprDisplay = !switches.sprDisplay;
    frame.RefreshAll();
  });
  frame.EnableCommand("ID_CLEAR_MARK", [&frame] {
    session::CTessalyUnitDoc& doc = frame.Doc();
    display::ClearMarks(doc.settings, doc.view.switches, doc.view.markers);
    frame.RefreshAll();
  });
}

}  // namespace lumaret::desktop

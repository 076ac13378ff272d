#pragma once

namespace lumaret::desktop {

class CMainFrame;

// The overlay commands of the View menu: the four markers, the envelope overlay, SPR
// Display and Clear Marks. They change the view switches and the marker table of the
// document and repaint.
void InstallMarkerCommands(CMainFrame& frame);

}  // namespace lumaret::desktop

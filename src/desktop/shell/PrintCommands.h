#pragma once

namespace lumaret::desktop {

class CMainFrame;

// "Print", "Print Setup" and "Print Preview" of the plot, through the shared renderer; one
// printer set-up is kept for the session.
void InstallPrintCommands(CMainFrame& frame);

}  // namespace lumaret::desktop

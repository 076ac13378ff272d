#pragma once

namespace lumaret::desktop {

class CMainFrame;

// The view's commands: "Zoom In", "Reset View", the crosshair, "Pattern Drag" with undo
// and redo, and "Copy To Clipboard".
void InstallViewCommands(CMainFrame& frame);

}  // namespace lumaret::desktop

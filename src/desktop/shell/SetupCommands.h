#pragma once

#include <QString>

namespace lumaret::desktop {

class CMainFrame;

// The analysis setup commands: the horizontal, vertical and radiation setups, the envelope
// and gain configuration and the chamber XML selection. Each runs its dialog over the main
// window; a setup that was taken refreshes the window.
void InstallSetupCommands(CMainFrame& frame);

// The chamber XML path kept by the application object: "./Config.xml" until a path is chosen.
QString ChamberXmlPath();

}  // namespace lumaret::desktop

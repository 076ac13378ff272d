#pragma once

#include <QObject>
#include <optional>

#include "processing/LevelAdjustment.h"

namespace lumaret::desktop {

class CMainFrame;

// The processing commands of the main window: "Pattern Rotation...", "Rotate
// Selection...", "Level Adjustment..." and "Save as...". The object lives as a child of
// the frame (objectName "ProcessingCommands"), so the marker drawing can find it.
class ProcessingCommands : public QObject {
  Q_OBJECT

 public:
  explicit ProcessingCommands(CMainFrame& frame);

  // The command handlers: each runs its dialog over the frame and refreshes after a change.
  void OnRotate(bool withHistory);
  void OnLevelAdjustment();
  void OnSaveAs();

  // The marker points the last level adjustment refreshed; nothing when it changed no file.
  std::optional<processing::MarkerPoints> lastLevelMarkers;

 signals:
  // A level adjustment changed a file; lastLevelMarkers holds its new markers.
  void LevelMarkersChanged();

 private:
  CMainFrame& frame_;
};

// Creates the command group and enables its commands on the frame.
void InstallProcessingCommands(CMainFrame& frame);

}  // namespace lumaret::desktop

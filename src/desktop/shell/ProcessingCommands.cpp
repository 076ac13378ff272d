#include "desktop/shell/ProcessingCommands.h"

#include "desktop/dialogs/CDlgRotateModify.h"
#include "desktop/dialogs/CDlgSave.h"
#include "desktop/dialogs/CDlgUpDowm.h"
#include "desktop/shell/CMainFrame.h"
#include "processing/Rotation.h"

namespace lumaret::desktop {

ProcessingCommands::ProcessingCommands(CMainFrame& frame) : QObject(&frame), frame_(frame) {
  setObjectName("ProcessingCommands");
}

void ProcessingCommands::OnRotate(bool withHistory) {
  session::CTessalyUnitDoc& doc = frame_.Doc();
  CDlgRotateModify dialog(doc.processing.rotation, &frame_);
  if (dialog.exec() != QDialog::Accepted) return;
  processing::ConfirmRotationDialog(doc, dialog.Mode(), dialog.TargetText(), dialog.AngleText());
  if (withHistory)
    processing::RotateWithHistory(doc);
  else
    processing::RotateSelection(doc);
  frame_.RefreshAll();
}

void ProcessingCommands::OnLevelAdjustment() {
  session::CTessalyUnitDoc& doc = frame_.Doc();
  CDlgUpDowm dialog(doc, &frame_);
  if (dialog.exec() != QDialog::Accepted) return;
  processing::ConfirmLevelDialog(doc, dialog.Input());
  lastLevelMarkers = processing::ApplyLevelAdjustment(doc);
  frame_.RefreshAll();
  if (lastLevelMarkers) emit LevelMarkersChanged();
}

void ProcessingCommands::OnSaveAs() {
  CDlgSave dialog(frame_.Doc(), frame_.Prompts(), &frame_);
  dialog.exec();  // the dialog writes the files on OK
}

void InstallProcessingCommands(CMainFrame& frame) {
  auto* commands = new ProcessingCommands(frame);
  frame.EnableCommand("ID_PATTERN_ROTATION", [commands] { commands->OnRotate(true); });
  frame.EnableCommand("ID_ROTATE_SELECTION", [commands] { commands->OnRotate(false); });
  frame.EnableCommand("ID_LEVEL_ADJUSTMENT", [commands] { commands->OnLevelAdjustment(); });
  frame.EnableCommand("ID_FILE_SAVE_AS", [commands] { commands->OnSaveAs(); });
}

}  // namespace lumaret::desktop

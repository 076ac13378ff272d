#pragma once

#include <QTableWidget>

#include "session/CTessalyUnitDoc.h"

namespace lumaret::desktop {

// "File Lists": one row per loaded file (key order) with its name and full path, whole-row
// multi-selection. A click makes the selected files, with their partners, the displayed
// files and selects the partners' rows too. The context menu removes the selected files
// from the set ("Delete") or selects every row ("SelectAll").
class FileListPane : public QTableWidget {
  Q_OBJECT
 public:
  explicit FileListPane(session::CTessalyUnitDoc& doc, QWidget* parent = nullptr);
  void Rebuild();
  // The context menu's commands.
  void DeleteSelected();
  void SelectAllRows();

 signals:
  void DisplayedFilesChanged();
  void FilesRemoved();

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void OnClicked();
  std::vector<std::string> SelectedKeys() const;
  session::CTessalyUnitDoc& doc_;
};

}  // namespace lumaret::desktop

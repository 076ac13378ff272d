#pragma once

#include <QTableWidget>

#include "session/CTessalyUnitDoc.h"

namespace lumaret::desktop {

// "File Lists": one row per loaded file (key order) with its name and full path, whole-row
// multi-selection. A click makes the selected files, with their partners, the displayed
// files and selects the partners' rows too.
class FileListPane : public QTableWidget {
  Q_OBJECT
 public:
  explicit FileListPane(session::CTessalyUnitDoc& doc, QWidget* parent = nullptr);
  void Rebuild();

 signals:
  void DisplayedFilesChanged();

 private:
  void OnClicked();
  session::CTessalyUnitDoc& doc_;
};

}  // namespace lumaret::desktop

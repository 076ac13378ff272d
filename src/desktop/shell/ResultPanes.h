#pragma once

#include <QListWidget>
#include <QTableWidget>

#include "session/CTessalyUnitDoc.h"

namespace lumaret::desktop {

// "Current Results": the result lines of the displayed files, one per row.
class CurrentResultsPane : public QListWidget {
  Q_OBJECT
 public:
  explicit CurrentResultsPane(session::CTessalyUnitDoc& doc, QWidget* parent = nullptr);
  // Shows the lines for the document's displayed files and the view's mark text.
  void Refresh(const std::string& markInformation);

 private:
  session::CTessalyUnitDoc& doc_;
};

// "All Results": one column per displayed file with its catalogue of values.
class AllResultsPane : public QTableWidget {
  Q_OBJECT
 public:
  explicit AllResultsPane(session::CTessalyUnitDoc& doc, QWidget* parent = nullptr);
  void Refresh();

 private:
  session::CTessalyUnitDoc& doc_;
};

}  // namespace lumaret::desktop

#pragma once

#include <QDialog>

#include "data/PatternInformation.h"
#include "data/UserMessages.h"

class QComboBox;
class QTableWidget;

namespace lumaret::desktop {

class CPortTable;

// "pattern information configuration": the antenna type, gain unit and tilt adjustment
// method, and the port table (port name, extension) that the writers of multi-port
// antennas need. OK confirms the entries through data::AcceptPatternInformation; a refusal
// shows its message and keeps the dialog open.
class CDlgPatternFilesInfo : public QDialog {
  Q_OBJECT
 public:
  CDlgPatternFilesInfo(const data::PatternInformation& current, data::UserMessages& messages,
                       QWidget* parent = nullptr);

  // The record accepted by OK; before that, the record the dialog was opened with.
  data::PatternInformation Information() const { return info_; }

  void accept() override;

 private:
  void FillPortTable(const std::vector<data::PortExtension>& ports);
  std::vector<data::PortExtension> TypedPorts() const;
  void UpdatePortTableEnabled();

  data::UserMessages& messages_;
  data::PatternInformation info_;
  QComboBox* antennaType_;
  QComboBox* gainUnit_;
  QComboBox* tiltMethod_;
  CPortTable* ports_;
};

}  // namespace lumaret::desktop

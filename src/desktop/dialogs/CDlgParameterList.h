#pragma once

#include <QDialog>

#include <utility>
#include <vector>

#include "analysis/IndicatorFlags.h"
#include "display/ParameterListGroups.h"

class QCheckBox;
class QGroupBox;

namespace lumaret::desktop {

// The check-box list of one parameter list: a box per indicator row, in the groups "The
// Main Polarization" and "Cross Polarization". The boxes start from the flags given; the
// caller reads Flags() when the dialog is accepted, so Cancel changes nothing.
class CDlgParameterList : public QDialog {
  Q_OBJECT
 public:
  // The flags given with every listed box applied; the flags no box lists are unchanged.
  analysis::IndicatorFlags Flags() const;

 protected:
  CDlgParameterList(display::ParameterList which, const analysis::IndicatorFlags& current, QWidget* parent);

 private:
  QGroupBox* MakeGroup(const char* objectName, const char* title,
                       const std::vector<const analysis::IndicatorRow*>& rows);

  analysis::IndicatorFlags current_;
  std::vector<std::pair<analysis::Indicator, QCheckBox*>> boxes_;
};

// "Vertical Parameter List": the VParameter rows.
class CDlgSetV : public CDlgParameterList {
  Q_OBJECT
 public:
  explicit CDlgSetV(const analysis::IndicatorFlags& current, QWidget* parent = nullptr);
};

// "Horizontal Parameter List": the HParameter rows without the normalisation switch.
class CDlgSetH : public CDlgParameterList {
  Q_OBJECT
 public:
  explicit CDlgSetH(const analysis::IndicatorFlags& current, QWidget* parent = nullptr);
};

}  // namespace lumaret::desktop

#pragma once

#include <QDialog>
#include <optional>

#include "data/UserMessages.h"
#include "display/Colours.h"

class QListWidget;
class QPushButton;

namespace lumaret::desktop {

// The "Color setting" dialog: the curve colours as "Line %d" rows, and the coordinates and
// grid colours. The caller keeps and writes the edited colours when the dialog closes with OK.
class CDlgColorSetup : public QDialog {
  Q_OBJECT

 public:
  CDlgColorSetup(const display::ColourSettings& colours, data::UserMessages& messages,
                 QWidget* parent = nullptr);

  // The colours as edited so far.
  display::ColourSettings Colours() const { return colours_; }

 protected:
  // Asks for a colour starting from initial; no value when the user cancels. A colour
  // dialog by default; tests put a fixed answer in its place.
  virtual std::optional<display::Colour> ChooseColour(display::Colour initial);

 private:
  void ChooseLineColour();
  void ChooseAxisColour(display::Colour& colour, QPushButton* button);
  void ShowRows();

  display::ColourSettings colours_;
  data::UserMessages& messages_;
  QListWidget* rows_ = nullptr;
  QPushButton* coordinatesButton_ = nullptr;
  QPushButton* gridButton_ = nullptr;
};

}  // namespace lumaret::desktop

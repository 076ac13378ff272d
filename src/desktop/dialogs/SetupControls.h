#pragma once

#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include "data/UserMessages.h"
#include "session/ApplySetup.h"

class QGroupBox;
class QWidget;

namespace lumaret::desktop {

// One row of a setup dialog's group: a label and the control of a key. A radio key brings
// its partner into the same row; the captions name the two buttons.
struct SetupRow {
  const char* label;
  const char* key;
  const char* firstCaption = nullptr;
  const char* secondCaption = nullptr;
};

// The controls of a setup dialog by settings key (also their objectName): radio buttons
// and check boxes for the switch keys (texts "TRUE"/"FALSE"), the SPR ratio drop-down, a
// line edit for every other key.
class SetupControls {
 public:
  explicit SetupControls(QWidget* owner) : owner_(owner) {}

  // Creates the key's control showing the text. Adding the second key of a radio pair makes
  // the two buttons exclusive.
  void Add(const std::string& key, const std::string& text);
  // The control's text in the form the store keeps.
  std::string Text(const std::string& key) const;
  QWidget* Control(const std::string& key) const { return controls_.at(key); }

  // The keys' controls are enabled while the switch key's button is on, so the entries
  // that the current mode ignores are greyed (they keep their texts).
  void EnableWhile(const std::string& switchKey, std::initializer_list<std::string> keys);
  void EnableWhile(const std::string& switchKey, const std::vector<std::string>& keys);

  // A group box holding the rows' controls, label beside control.
  QGroupBox* Group(const char* title, std::initializer_list<SetupRow> rows) const;

 private:
  QWidget* owner_;
  std::map<std::string, QWidget*> controls_;
};

// Shows what a setup's OK came to; true when the dialog may close (the settings were taken,
// even if the store could not be written).
bool ReportSetupOutcome(data::UserMessages& messages, const session::SetupOutcome& outcome);

}  // namespace lumaret::desktop

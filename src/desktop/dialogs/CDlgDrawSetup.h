#pragma once

#include <QDialog>
#include <map>
#include <string>

#include "data/UserMessages.h"
#include "display/DrawSetting.h"

class QLineEdit;
class QListWidget;
class QStackedWidget;

namespace lumaret::desktop {

// The "Draw setting" dialog: one page of six entries per coordinate system, chosen from a
// list. OK accepts the entries only when the core finds them valid; otherwise the message is
// shown and the dialog stays open.
class CDlgDrawSetup : public QDialog {
  Q_OBJECT

 public:
  CDlgDrawSetup(const display::DrawSetting& current, display::CoordinateMode shownFirst,
                data::UserMessages& messages, QWidget* parent = nullptr);

  // The accepted values (the values the dialog was opened with until OK succeeds).
  display::DrawSetting Setting() const { return setting_; }
  // The coordinate system whose page is shown.
  display::CoordinateMode ShownMode() const;

 signals:
  // The defaults button put the default values into the entries; the caller stores them.
  void DefaultsApplied(const lumaret::display::DrawSetting& defaults);

 public slots:
  void accept() override;

 private:
  QWidget* BuildPage(display::CoordinateMode mode, const char* title);
  void ShowValues(const display::DrawSetting& setting);
  void ApplyDefaults();

  display::DrawSetting setting_;
  data::UserMessages& messages_;
  QListWidget* list_ = nullptr;
  QStackedWidget* pages_ = nullptr;
  std::map<std::string, QLineEdit*> edits_;
};

}  // namespace lumaret::desktop

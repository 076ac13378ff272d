#pragma once

#include <QDialog>
#include <map>
#include <string>

#include "data/PatternFile.h"
#include "data/SettingsStore.h"
#include "data/UserMessages.h"
#include "exports/ExportSequence.h"

class QAbstractButton;
class QLineEdit;
class QTableWidget;

namespace lumaret::desktop {

class FilePrompts;

// "Export Data": what one export writes (every choice stored in the settings store under
// its control name), the loaded files, and the export folder. OK checks the folder, stores
// the choices and, when a pattern file output is chosen, asks for the pattern information;
// Request() then holds the export to run.
class CDlgDataExport : public QDialog {
  Q_OBJECT
 public:
  // `previous` gives the export folder shown and the pattern information offered.
  CDlgDataExport(const data::PatternSet& patterns, data::CSettingsStore& settings,
                 const exports::ExportRequest& previous, FilePrompts& prompts, data::UserMessages& messages,
                 QWidget* parent = nullptr);

  // The request accepted by OK; before that, the one the dialog was opened with.
  const exports::ExportRequest& Request() const { return request_; }

  void accept() override;

 private:
  QWidget* BuildChoices();
  QTableWidget* BuildFileList(const data::PatternSet& patterns);
  void ShowChoices(const exports::ExportChoices& choices);
  exports::ExportChoices CheckedChoices() const;

  data::CSettingsStore& settings_;
  FilePrompts& prompts_;
  data::UserMessages& messages_;
  exports::ExportRequest request_;
  std::map<std::string, QAbstractButton*> boxes_;  // by settings key
  QLineEdit* path_ = nullptr;
};

}  // namespace lumaret::desktop

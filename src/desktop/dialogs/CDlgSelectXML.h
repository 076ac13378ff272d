#pragma once

#include <QDialog>
#include <string>

#include "data/UserMessages.h"

class QLineEdit;

namespace lumaret::desktop {

class FilePrompts;

// The chamber XML selection: a path, typed or chosen with Browse. OK keeps it when it is
// empty or names an existing file; otherwise the path is reported and the dialog stays open.
class CDlgSelectXML : public QDialog {
  Q_OBJECT

 public:
  CDlgSelectXML(FilePrompts& prompts, data::UserMessages& messages, QWidget* parent = nullptr);

  // The path of the last accepted OK ("" until then).
  const std::string& Path() const { return path_; }

 public slots:
  void accept() override;

 private:
  void Browse();

  FilePrompts& prompts_;
  data::UserMessages& messages_;
  QLineEdit* edit_ = nullptr;
  std::string path_;
};

}  // namespace lumaret::desktop

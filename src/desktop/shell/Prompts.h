#pragma once

#include <QString>
#include <QStringList>

#include "data/UserMessages.h"

class QWidget;

namespace lumaret::desktop {

// The file and folder pickers the commands ask through. The desktop program uses Qt's
// dialogs; widget tests put a scripted answer in their place, so no test waits for a click.
class FilePrompts {
 public:
  virtual ~FilePrompts() = default;
  virtual QStringList OpenFiles(QWidget* parent, const QString& title, const QString& filter) = 0;
  virtual QString OpenFile(QWidget* parent, const QString& title, const QString& filter) = 0;
  virtual QString SaveFile(QWidget* parent, const QString& title, const QString& filter) = 0;
  virtual QString ExistingFolder(QWidget* parent, const QString& title) = 0;
};

class QtFilePrompts : public FilePrompts {
 public:
  QStringList OpenFiles(QWidget* parent, const QString& title, const QString& filter) override;
  QString OpenFile(QWidget* parent, const QString& title, const QString& filter) override;
  QString SaveFile(QWidget* parent, const QString& title, const QString& filter) override;
  QString ExistingFolder(QWidget* parent, const QString& title) override;
};

// Messages and yes/no questions as message boxes over the parent window. Questions carry
// a warning icon and the Yes and No buttons.
class MessageBoxMessages : public data::UserMessages {
 public:
  explicit MessageBoxMessages(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }
  void Show(const std::string& text, const std::string& caption = data::kAppCaption) override;
  bool Ask(const std::string& text, const std::string& caption = data::kAppCaption) override;

 private:
  QWidget* parent_;
};

// Qt texts from and to the core's UTF-8 strings.
inline QString ToQt(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }
inline std::string FromQt(const QString& text) { return text.toUtf8().toStdString(); }

}  // namespace lumaret::desktop

#include "desktop/shell/Prompts.h"

#include <QFileDialog>
#include <QMessageBox>

namespace lumaret::desktop {

QStringList QtFilePrompts::OpenFiles(QWidget* parent, const QString& title, const QString& filter) {
  return QFileDialog::getOpenFileNames(parent, title, QString(), filter);
}

QString QtFilePrompts::OpenFile(QWidget* parent, const QString& title, const QString& filter) {
  return QFileDialog::getOpenFileName(parent, title, QString(), filter);
}

QString QtFilePrompts::SaveFile(QWidget* parent, const QString& title, const QString& filter) {
  return QFileDialog::getSaveFileName(parent, title, QString(), filter);
}

QString QtFilePrompts::ExistingFolder(QWidget* parent, const QString& title) {
  return QFileDialog::getExistingDirectory(parent, title);
}

void MessageBoxMessages::Show(const std::string& text, const std::string& caption) {
  QMessageBox::information(parent_, ToQt(caption), ToQt(text));
}

bool MessageBoxMessages::Ask(const std::string& text, const std::string& caption) {
  return QMessageBox::warning(parent_, ToQt(caption), ToQt(text), QMessageBox::Yes | QMessageBox::No) ==
         QMessageBox::Yes;
}

}  // namespace lumaret::desktop

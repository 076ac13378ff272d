#pragma once

class QHBoxLayout;
class QLineEdit;
class QString;
class QWidget;

namespace lumaret::desktop {

class FilePrompts;

// The row of a folder path: the edit, and beside it a button that asks for a folder
// ("选择数据导入目录：") and puts the chosen one into the edit, with a final "/" when
// `withSlash`. Cancelling the question leaves the edit as it was.
QHBoxLayout* FolderPathRow(QWidget* owner, QLineEdit* edit, const QString& buttonText, const char* buttonName,
                           FilePrompts& prompts, bool withSlash);

}  // namespace lumaret::desktop

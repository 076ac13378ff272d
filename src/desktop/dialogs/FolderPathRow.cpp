#include "desktop/dialogs/FolderPathRow.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

#include "desktop/shell/Prompts.h"

namespace lumaret::desktop {

QHBoxLayout* FolderPathRow(QWidget* owner, QLineEdit* edit, const QString& buttonText, const char* buttonName,
                           FilePrompts& prompts, bool withSlash) {
  auto* browse = new QPushButton(buttonText, owner);
  browse->setObjectName(buttonName);
  browse->setAutoDefault(false);
  QObject::connect(browse, &QPushButton::clicked, owner, [owner, edit, &prompts, withSlash] {
    QString folder = prompts.ExistingFolder(owner, QString::fromUtf8("选择数据导入目录："));
    if (folder.isEmpty()) return;
    if (withSlash && !folder.endsWith('/')) folder += '/';
    edit->setText(folder);
  });
  auto* row = new QHBoxLayout;
  row->addWidget(edit, 1);
  row->addWidget(browse);
  return row;
}

}  // namespace lumaret::desktop

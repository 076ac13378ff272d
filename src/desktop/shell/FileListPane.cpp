#include "desktop/shell/FileListPane.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMenu>
#include <QSignalBlocker>
#include <algorithm>

#include "desktop/shell/Prompts.h"
#include "session/DisplayedFiles.h"

namespace lumaret::desktop {

FileListPane::FileListPane(session::CTessalyUnitDoc& doc, QWidget* parent) : QTableWidget(parent), doc_(doc) {
  setObjectName("CDlgFileList");
  setColumnCount(2);
  setHorizontalHeaderLabels({"File Name", "File Path"});
  horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
  horizontalHeader()->setStretchLastSection(true);
  verticalHeader()->hide();
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setShowGrid(true);
  setWordWrap(false);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  connect(this, &QTableWidget::itemClicked, this, [this] { OnClicked(); });
  Rebuild();
}

void FileListPane::Rebuild() {
  const QSignalBlocker block(this);
  setRowCount(0);
  setRowCount(static_cast<int>(doc_.patterns.size()));
  int row = 0;
  for (const auto& [key, file] : doc_.patterns) {
    auto* name = new QTableWidgetItem(ToQt(file.fileName));
    name->setData(Qt::UserRole, ToQt(key));
    setItem(row, 0, name);
    setItem(row, 1, new QTableWidgetItem(ToQt(file.path)));
    ++row;
  }
  // The name column fits the longest name; the path takes the rest.
  resizeColumnToContents(0);
  setColumnWidth(0, std::max(columnWidth(0) + 8, 120));
}

std::vector<std::string> FileListPane::SelectedKeys() const {
  std::vector<std::string> keys;
  for (int row = 0; row < rowCount(); ++row) {
    if (item(row, 0)->isSelected()) keys.push_back(FromQt(item(row, 0)->data(Qt::UserRole).toString()));
  }
  return keys;
}

void FileListPane::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  QAction* remove = menu.addAction("Delete");
  remove->setEnabled(!selectedItems().isEmpty());
  QAction* all = menu.addAction("SelectAll");
  all->setEnabled(rowCount() > 0);
  QAction* chosen = menu.exec(event->globalPos());
  if (chosen == remove) DeleteSelected();
  if (chosen == all) SelectAllRows();
}

void FileListPane::DeleteSelected() {
  const std::vector<std::string> keys = SelectedKeys();
  if (keys.empty()) return;
  for (const std::string& key : keys) doc_.Remove(key);
  Rebuild();
  emit FilesRemoved();
}

void FileListPane::SelectAllRows() {
  selectAll();
  OnClicked();
}

void FileListPane::OnClicked() {
  const std::vector<std::string> chosen = SelectedKeys();
  const std::vector<std::string>& shown = session::ChooseDisplayedFiles(doc_, chosen);
  {
    const QSignalBlocker block(this);  // selecting the partner rows is not a click
    for (int row = 0; row < rowCount(); ++row) {
      const std::string key = FromQt(item(row, 0)->data(Qt::UserRole).toString());
      if (std::find(shown.begin(), shown.end(), key) != shown.end())
        selectionModel()->select(model()->index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
  }
  emit DisplayedFilesChanged();
}

}  // namespace lumaret::desktop

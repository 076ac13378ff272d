#include "desktop/shell/FileListPane.h"

#include <QHeaderView>
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
  setColumnWidth(0, static_cast<int>(viewport()->width() / 1.2));
}

void FileListPane::OnClicked() {
  std::vector<std::string> chosen;
  for (int row = 0; row < rowCount(); ++row) {
    if (item(row, 0)->isSelected()) chosen.push_back(FromQt(item(row, 0)->data(Qt::UserRole).toString()));
  }
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

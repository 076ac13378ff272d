#include "desktop/shell/ResultPanes.h"

#include <QHeaderView>

#include "desktop/shell/Prompts.h"
#include "display/AllResultsGrid.h"
#include "display/CurrentResults.h"
#include "session/DisplayedFiles.h"

namespace lumaret::desktop {

CurrentResultsPane::CurrentResultsPane(session::CTessalyUnitDoc& doc, QWidget* parent)
    : QListWidget(parent), doc_(doc) {
  setObjectName("CDlgResult");
  setSelectionMode(QAbstractItemView::ExtendedSelection);
}

void CurrentResultsPane::Refresh(const std::string& markInformation) {
  // Rows are reused: a mouse move changes the mark line only, and the list keeps its
  // scroll position.
  const std::vector<std::string> lines = display::CurrentResults(doc_, session::DisplayedFiles(doc_), markInformation);
  while (count() > static_cast<int>(lines.size())) delete takeItem(count() - 1);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const QString text = ToQt(lines[i]);
    if (static_cast<int>(i) < count()) {
      if (item(static_cast<int>(i))->text() != text) item(static_cast<int>(i))->setText(text);
    } else {
      addItem(text);
    }
  }
}

AllResultsPane::AllResultsPane(session::CTessalyUnitDoc& doc, QWidget* parent) : QTableWidget(parent), doc_(doc) {
  setObjectName("CDlgReport");
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setWordWrap(false);
  horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  horizontalHeader()->setDefaultSectionSize(display::kAllResultsColumnWidth);
  verticalHeader()->hide();
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  Refresh();
}

void AllResultsPane::Refresh() {
  const display::AllResultsGrid grid = display::BuildAllResultsGrid(doc_, session::DisplayedFiles(doc_));
  clear();
  if (grid.ColumnCount() == 0) {
    // An empty grid still shows its heading, so the pane never looks broken.
    setColumnCount(1);
    setRowCount(0);
    setHorizontalHeaderLabels({display::kAllResultsHeader});
    return;
  }
  setColumnCount(grid.ColumnCount());
  setRowCount(grid.RowCount());
  QStringList headers;
  for (const std::string& header : grid.headers) headers << ToQt(header);
  setHorizontalHeaderLabels(headers);
  for (int row = 0; row < grid.RowCount(); ++row) {
    for (int column = 0; column < grid.ColumnCount(); ++column) {
      const std::string& text = grid.cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
      if (text.empty()) continue;
      auto* cell = new QTableWidgetItem(ToQt(text));
      cell->setToolTip(cell->text());  // the columns are narrow; the full text on hover
      setItem(row, column, cell);
    }
  }
}

}  // namespace lumaret::desktop

#include "desktop/dialogs/CDlgPatternFilesInfo.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "desktop/shell/Prompts.h"
#include "desktop/dialogs/DialogButtons.h"

namespace lumaret::desktop {

// The port table. Its cells are edited in place; CommitOpenEditor() writes the text of an
// editor still open into its cell, which OK needs: a button clicked without taking the
// focus (a shortcut, a programmatic click) would otherwise leave that text unread.
class CPortTable : public QTableWidget {
 public:
  using QTableWidget::QTableWidget;

  void CommitOpenEditor() {
    for (int row = 0; row < rowCount(); ++row) {
      for (int column = 0; column < columnCount(); ++column) {
        if (QWidget* editor = indexWidget(model()->index(row, column))) {
          commitData(editor);
          closeEditor(editor, QAbstractItemDelegate::NoHint);
        }
      }
    }
  }
};

namespace {

enum PortColumn { kNumberColumn, kPortNameColumn, kExtensionColumn, kPortColumns };

QComboBox* MakeCombo(QWidget* parent, const char* objectName, const QStringList& choices) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName(objectName);
  combo->addItems(choices);
  return combo;
}

// Selects the entry with the text; an unknown text leaves the default (the first) chosen.
void Choose(QComboBox* combo, const std::string& text) {
  const int index = combo->findText(ToQt(text));
  combo->setCurrentIndex(index < 0 ? 0 : index);
}

QString CellText(const QTableWidget* table, int row, int column) {
  const QTableWidgetItem* item = table->item(row, column);
  return item ? item->text() : QString();
}

}  // namespace

CDlgPatternFilesInfo::CDlgPatternFilesInfo(const data::PatternInformation& current, data::UserMessages& messages,
                                           QWidget* parent)
    : QDialog(parent), messages_(messages), info_(current) {
  setObjectName("IDD_DIALOG_PATTERN_FILES_INFO");
  setWindowTitle("pattern information configuration");

  antennaType_ = MakeCombo(this, "IDC_COMBO_ANTENNA_TYPE", {data::kDualPort, data::kMultiPort});
  gainUnit_ = MakeCombo(this, "IDC_COMBO_GAIN_UNIT", {"dBi", "dBd"});
  tiltMethod_ = MakeCombo(this, "IDC_COMBO_TILT_METHOD", {"None", "Electrical", "Mechanical"});
  Choose(antennaType_, current.antennaType);
  Choose(gainUnit_, current.gainUnit);
  Choose(tiltMethod_, current.tiltMethod);

  ports_ = new CPortTable(0, kPortColumns, this);
  ports_->setObjectName("IDC_LIST_PORTS");
  ports_->setHorizontalHeaderLabels({"No.", "Port name", "Extensions"});
  ports_->verticalHeader()->hide();
  ports_->setSelectionMode(QAbstractItemView::SingleSelection);
  ports_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                          QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
  // The columns are 40, 60 and 60 pixels; one whose header text would be clipped at that
  // width (the font decides) is widened to the header's own width.
  const int widths[kPortColumns] = {40, 60, 60};
  for (int column = 0; column < kPortColumns; ++column)
    ports_->setColumnWidth(column, std::max(widths[column], ports_->horizontalHeader()->sectionSizeHint(column)));
  FillPortTable(current.ports);

  auto* form = new QFormLayout;
  form->addRow("Antenna Type:", antennaType_);
  form->addRow("Gain Unit:", gainUnit_);
  form->addRow("Tilt adjustment method:", tiltMethod_);

  QDialogButtonBox* buttons = OkCancelButtons(this);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(ports_);
  layout->addWidget(buttons);

  connect(antennaType_, &QComboBox::currentIndexChanged, this, &CDlgPatternFilesInfo::UpdatePortTableEnabled);
  UpdatePortTableEnabled();
}

// Ten rows numbered 0 to 9 (more when the record holds more pairs, so none is dropped).
void CDlgPatternFilesInfo::FillPortTable(const std::vector<data::PortExtension>& ports) {
  const int rows = std::max(data::kPortTableRows, static_cast<int>(ports.size()));
  ports_->setRowCount(rows);
  for (int row = 0; row < rows; ++row) {
    auto* number = new QTableWidgetItem(QString::number(row));
    number->setFlags(Qt::ItemIsEnabled);
    ports_->setItem(row, kNumberColumn, number);
    const bool filled = row < static_cast<int>(ports.size());
    const data::PortExtension& pair = filled ? ports[static_cast<std::size_t>(row)] : data::PortExtension{};
    ports_->setItem(row, kPortNameColumn, new QTableWidgetItem(ToQt(pair.portName)));
    ports_->setItem(row, kExtensionColumn, new QTableWidgetItem(ToQt(pair.extension)));
  }
}

std::vector<data::PortExtension> CDlgPatternFilesInfo::TypedPorts() const {
  std::vector<data::PortExtension> rows;
  for (int row = 0; row < ports_->rowCount(); ++row)
    rows.push_back({FromQt(CellText(ports_, row, kPortNameColumn)), FromQt(CellText(ports_, row, kExtensionColumn))});
  return rows;
}

void CDlgPatternFilesInfo::UpdatePortTableEnabled() {
  ports_->setEnabled(antennaType_->currentText() == data::kMultiPort);
}

void CDlgPatternFilesInfo::accept() {
  ports_->CommitOpenEditor();
  const data::PatternInformationOutcome outcome = data::AcceptPatternInformation(
      FromQt(antennaType_->currentText()), FromQt(gainUnit_->currentText()), FromQt(tiltMethod_->currentText()),
      TypedPorts());
  if (!outcome.accepted) {
    messages_.Show(outcome.message);
    return;
  }
  info_ = outcome.info;
  QDialog::accept();
}

}  // namespace lumaret::desktop

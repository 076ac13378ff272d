#include "desktop/dialogs/CDlgVSetup.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <cctype>
#include <vector>

#include "desktop/dialogs/DialogButtons.h"
#include "session/ApplySetup.h"

namespace lumaret::desktop {

namespace {

// The controls of this dialog: every vertical key but the gain-cut pair.
bool IsShown(const std::string& key) { return !analysis::IsRadiationSetupKey(key); }

// The side-lobe range edits ("IDC_EDIT_" and a number), start and end alternating.
bool IsSsRangeKey(const std::string& key) {
  const std::string prefix = "IDC_EDIT_";
  return key.rfind(prefix, 0) == 0 && key.size() > prefix.size() &&
         std::isdigit(static_cast<unsigned char>(key[prefix.size()]));
}

}  // namespace

CDlgVSetup::CDlgVSetup(analysis::AnalysisDocument& doc, data::UserMessages& messages, QWidget* parent)
    : QDialog(parent), doc_(doc), messages_(messages), controls_(this) {
  setObjectName("IDD_DIALOG_V_SETUP");
  setWindowTitle("Vertical Parameters Setup");

  const analysis::VSetupTexts texts = analysis::ReadVSetupTexts(doc_.settings);
  std::vector<std::string> ssKeys;
  for (const auto& k : analysis::VSetupKeys()) {
    if (!IsShown(k.key)) continue;
    controls_.Add(k.key, texts.*k.text);
    if (IsSsRangeKey(k.key)) ssKeys.push_back(k.key);
  }

  auto* left = new QVBoxLayout;
  left->addWidget(controls_.Group("Beam", {{"VBW XdB (dB)", "IDC_EDIT_VBWXdB_xdB"}, {"V-XPD XdB (dB)", "IDC_EDIT_VXPDX_XDB"}}));
  left->addWidget(controls_.Group("Envelope", {{"", "IDC_CHECK_FSU_ENVCAL", "FSU from the envelope"},
                                               {"FSU envelope (°)", "IDC_EDIT_FSU_ENV"},
                                               {"FSD envelope (°)", "IDC_EDIT_FSD_ENV"},
                                               {"Envelope scope (°)", "IDC_EDIT_ENVSCOP"}}));
  left->addStretch(1);

  auto* ss = controls_.Group("Side lobes (SS)", {{"Ranges", "IDC_RADIO_MANUAL", "Manual", "Automatic"}});
  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel("Start (°)", ss), 0, 1);
  grid->addWidget(new QLabel("End (°)", ss), 0, 2);
  for (std::size_t i = 0; i + 1 < ssKeys.size(); i += 2) {
    const int row = static_cast<int>(i / 2) + 1;
    grid->addWidget(new QLabel(QString("Range %1").arg(row), ss), row, 0);
    grid->addWidget(controls_.Control(ssKeys[i]), row, 1);
    grid->addWidget(controls_.Control(ssKeys[i + 1]), row, 2);
  }
  static_cast<QFormLayout*>(ss->layout())->addRow(grid);

  controls_.EnableWhile("IDC_RADIO_MANUAL", ssKeys);
  controls_.EnableWhile("IDC_CHECK_FSU_ENVCAL", {"IDC_EDIT_FSU_ENV", "IDC_EDIT_FSD_ENV", "IDC_EDIT_ENVSCOP"});

  auto* columns = new QHBoxLayout;
  columns->addLayout(left);
  columns->addWidget(ss);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addWidget(OkCancelButtons(this));
}

void CDlgVSetup::accept() {
  // The gain-cut pair keeps its stored texts.
  analysis::VSetupTexts texts = analysis::ReadVSetupTexts(doc_.settings);
  for (const auto& k : analysis::VSetupKeys())
    if (IsShown(k.key)) texts.*k.text = controls_.Text(k.key);
  if (ReportSetupOutcome(messages_, session::ApplyVSetup(doc_, texts))) QDialog::accept();
}

}  // namespace lumaret::desktop

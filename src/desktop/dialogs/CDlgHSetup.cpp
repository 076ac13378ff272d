#include "desktop/dialogs/CDlgHSetup.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "desktop/dialogs/DialogButtons.h"
#include "session/ApplySetup.h"

namespace lumaret::desktop {

CDlgHSetup::CDlgHSetup(analysis::AnalysisDocument& doc, data::UserMessages& messages, QWidget* parent)
    : QDialog(parent), doc_(doc), messages_(messages), controls_(this) {
  setObjectName("IDD_DIALOG_H_SETUP");
  setWindowTitle("Horizontal Parameter Setup");

  const analysis::HSetupTexts texts = analysis::ReadHSetupTexts(doc_.settings);
  for (const auto& k : analysis::HSetupKeys()) controls_.Add(k.key, texts.*k.text);

  auto* left = new QVBoxLayout;
  left->addWidget(controls_.Group(
      "Reference", {{"Level", "IDC_RADIO_MAXLEVEL_BYPOWER", "Maximum of the cut", "At the nominal direction"},
                    {"Direction", "IDC_RADIO_MAXLEVEL_BYANGLE", "Of the maximum", "Nominal direction"}}));
  left->addWidget(controls_.Group("Beam", {{"HBW XdB (dB)", "IDC_EDIT_HBWXdB"},
                                           {"+X° Level (°)", "IDC_EDIT_PXLEVEL"},
                                           {"-X° Level (°)", "IDC_EDIT_NXLEVEL"},
                                           {"Lean XdB (dB)", "IDC_EDIT_SELLEAN"}}));
  left->addWidget(controls_.Group("Front-to-back ratio", {{"FBR Xdeg (°)", "IDC_EDIT_FBR_XDEG"},
                                                          {"FBR Tdeg (°)", "IDC_EDIT_FBR_TDEG"}}));
  left->addStretch(1);

  auto* right = new QVBoxLayout;
  right->addWidget(controls_.Group("THP", {{"Range", "IDC_RADIO_THP_ANGLE_RANG", "Angle", "X dB"},
                                           {"THP Xdeg (°)", "IDC_EDIT_THP_XDEG"},
                                           {"THP XdB (dB, comma-separated)", "IDC_EDIT_THP_XDB"}}));
  right->addWidget(controls_.Group("SPR", {{"Sector", "IDC_RADIO_SPR_ANGLE_RANG", "Angle", "X dB"},
                                           {"SPR Xdeg (°)", "IDC_EDIT_SPR_XDEG"},
                                           {"SPR XdB (dB)", "IDC_EDIT_SPR_XDB"},
                                           {"Ratio", "IDC_IDC_COMB_SPR_XDB"},
                                           {"Roundness", "IDC_RADIO_SelSPR_MAX", "MAX", "AVERAGE"}}));
  right->addWidget(controls_.Group("XPD", {{"XPD X° (°)", "IDC_EDIT_SelXPDX"}, {"XPD XdB (dB)", "IDC_EDIT_SelXPDXDB"}}));
  right->addStretch(1);

  controls_.EnableWhile("IDC_RADIO_THP_ANGLE_RANG", {"IDC_EDIT_THP_XDEG"});
  controls_.EnableWhile("IDC_RADIO_THP_DB_RANG", {"IDC_EDIT_THP_XDB"});

  auto* columns = new QHBoxLayout;
  columns->addLayout(left);
  columns->addLayout(right);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addWidget(OkCancelButtons(this));
}

void CDlgHSetup::accept() {
  analysis::HSetupTexts texts;
  for (const auto& k : analysis::HSetupKeys()) texts.*k.text = controls_.Text(k.key);
  if (ReportSetupOutcome(messages_, session::ApplyHSetup(doc_, texts))) QDialog::accept();
}

}  // namespace lumaret::desktop

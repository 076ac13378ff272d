#include "desktop/dialogs/CDlgRadiationSetup.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QVBoxLayout>

#include "desktop/dialogs/DialogButtons.h"
#include "session/ApplySetup.h"

namespace lumaret::desktop {

CDlgRadiationSetup::CDlgRadiationSetup(analysis::AnalysisDocument& doc, data::UserMessages& messages,
                                       QWidget* parent)
    : QDialog(parent), doc_(doc), messages_(messages), controls_(this) {
  setObjectName("IDD_DIALOG_RADIATION_SETUP");
  setWindowTitle("Radiation Setup");

  const analysis::VSetupTexts texts = analysis::ReadVSetupTexts(doc_.settings);
  for (const auto& k : analysis::VSetupKeys())
    if (analysis::IsRadiationSetupKey(k.key)) controls_.Add(k.key, texts.*k.text);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(controls_.Group(
      "Gain", {{"Gain taken from", "IDC_RADIO_GAIN_CALCPARA_V", "Vertical (elevation) cut", "Horizontal cut"}}));
  layout->addWidget(OkCancelButtons(this));
}

void CDlgRadiationSetup::accept() {
  // The same rule as the loader: the vertical cut only when its button is on.
  analysis::VSetupTexts texts;
  texts.IDC_RADIO_GAIN_CALCPARA_V = controls_.Text("IDC_RADIO_GAIN_CALCPARA_V");
  texts.IDC_RADIO_GAIN_CALCPARA_H = controls_.Text("IDC_RADIO_GAIN_CALCPARA_H");
  const analysis::RPara record = analysis::RParaFromTexts(texts);
  if (ReportSetupOutcome(messages_, session::ApplyRadiationSetup(doc_, record))) QDialog::accept();
}

}  // namespace lumaret::desktop

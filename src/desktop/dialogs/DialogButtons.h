#pragma once

class QDialog;
class QDialogButtonBox;

namespace lumaret::desktop {

// The OK and Cancel buttons of a dialog (objectNames "IDOK" and "IDCANCEL"), wired to its
// accept() and reject(), so a dialog that checks its entries overrides accept().
QDialogButtonBox* OkCancelButtons(QDialog* dialog);

}  // namespace lumaret::desktop

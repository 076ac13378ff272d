#pragma once

#include <functional>

class QDialog;

namespace lumaret::test {

// Runs act on the next modal dialog once it is open (polled from the event loop), so a
// test can trigger a command whose dialog blocks in exec().
void WhenDialogOpens(std::function<void(QDialog&)> act);

}  // namespace lumaret::test

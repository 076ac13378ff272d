#pragma once

#include <QSize>

#include "data/UserMessages.h"
#include "exports/ExportSequence.h"
#include "session/CTessalyUnitDoc.h"

namespace lumaret::render {

// The export's report step, run on the report worker thread over a snapshot of the
// document: the report pictures, then the standard report (when chosen) and the pattern
// collection (when chosen), each after its status text. It ends with "Data Export
// Success！" only when nothing failed, counting the files of the earlier steps in
// `earlier`; otherwise with "Export finished, but N file(s) could not be written.". That
// text is both the last status and a message. Returns what became of the report files and
// pictures. `viewSize` is the view's size (kWindowlessViewSize where there is no window).
exports::WriteOutcome RunReportExport(session::CTessalyUnitDoc& snapshot, const exports::ExportRequest& request,
                                      const exports::ExportFolders& folders, const exports::WriteOutcome& earlier,
                                      QSize viewSize, data::StatusSink& status);

}  // namespace lumaret::render

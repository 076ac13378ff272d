#pragma once

#include <string>
#include <vector>

#include "cli/CliCommon.h"
#include "session/CTessalyUnitDoc.h"
#include "data/PatternFileReader.h"

namespace lumaret::cli {

// Reads the paths as one batch of the open command (stopping at the first failure unless
// --keep-going), with a progress bar on standard error. A file that cannot be read is
// reported on standard error, named: "<path>: <message>" (the message alone when it
// already names the path).
data::BatchResult ReadPatternBatch(session::CTessalyUnitDoc& doc, const std::vector<std::string>& paths,
                                   const CommonOptions& options);

// The same for the PATH arguments of a command: folders are expanded and every path made
// absolute first.
data::BatchResult ReadPathArguments(session::CTessalyUnitDoc& doc, const ArgParser& parser);

}  // namespace lumaret::cli

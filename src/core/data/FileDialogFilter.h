#pragma once

#include <string>
#include <string_view>

namespace lumaret::data {

// Turns a file-dialog filter of the "Text (*.a)|*.a|Other|*.b||" form into the
// "Text (*.a);;Other (*.b)" form of the desktop's file dialogs. Each description keeps its
// text up to its own pattern list, which is rebuilt from the pattern column, so a
// description with an unclosed list still reads well; "*.*" becomes "*", which also
// matches names without a dot.
std::string FileDialogFilter(std::string_view pipeFilter);

}  // namespace lumaret::data

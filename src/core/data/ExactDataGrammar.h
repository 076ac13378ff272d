#pragma once

#include <string_view>

#include "data/PatternGrammar.h"

namespace lumaret::data {

// A file is in the exact-data format when its first 100 bytes contain "Exact Data".
bool IsExactData(std::string_view text);

// The exact-data grammar: line 1 the header, line 2 a label and the directivity (the text
// after the first space), line 3 either a gain line (contains "Gain"; then line 4 holds
// the point count, which is not used) or the point count, kept as the header count. The
// data lines follow up to a blank line or the end of the text, stored as read. Returns
// false with `error` filled when the text ends before line 3.
bool ParseExactDataText(std::string_view text, ParsedPattern& out, GrammarError& error);

}  // namespace lumaret::data

#pragma once

#include <string>

#include "data/Result.h"
#include "data/UserMessages.h"
#include "exports/ExportContext.h"

namespace lumaret::exports {

// printf-style formatting into a std::string (the writers' formats are fixed texts).
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Creates the folder and its parents; an existing folder is no failure. On failure the
// folder is reported (path and reason) and false is returned.
bool EnsureFolder(const std::string& folder, data::UserMessages& messages);

// Creates (or truncates) the file and writes the text in one piece. Success is noted in
// the outcome; a failure is reported as "<failureText>: <path> (<reason>)", noted in the
// outcome, and returned as a failure. A partly written file is removed. A path that this
// outcome already holds as written is never overwritten: the clash is reported naming
// both inputs (`source` is the input the text was made from) and nothing is written.
data::Result WriteWholeFile(const std::string& path, const std::string& text, const std::string& failureText,
                            data::UserMessages& messages, WriteOutcome& outcome, const std::string& source = "");

// The message text used when a pattern file cannot be written.
inline constexpr const char* kFileNotWritten = "Failed to create the file";

}  // namespace lumaret::exports

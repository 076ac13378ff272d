#pragma once

#include <string>

namespace lumaret::data {

// What went wrong in one of the core's fallible operations.
enum class FailureCode {
  kNone,              // it worked
  kUnknownFormat,     // an extension or a content kind that is not read ("File Error !")
  kNameClash,         // another loaded file has the same name apart from letter case
  kCannotOpen,        // the file could not be opened or read
  kBadContent,        // the text breaks the file's grammar
  kBadFolderName,     // a split-cut folder name without six parts (the record is kept)
  kNotLoaded,         // no loaded file under the key
  kCannotWrite,       // an output file could not be written
};

// The outcome of a fallible operation: ok, or a failure with the text the user is shown
// (exactly as the programs show it), the path it concerns and the line where known. The
// shells decide how to show it: a message box, a line on standard error, a test's check.
struct Result {
  FailureCode code = FailureCode::kNone;
  std::string message;
  std::string path;
  int line = 0;  // 1-based; 0 when not known or not a matter of lines

  static Result Ok() { return {}; }
  static Result Fail(FailureCode code, std::string message, std::string path, int line = 0) {
    return {code, std::move(message), std::move(path), line};
  }
  bool ok() const { return code == FailureCode::kNone; }
  explicit operator bool() const { return ok(); }

  // The message with its path in front unless the message already names it by its code's
  // wording ("<path>: File Error !", but "Pattern file "<path>", line 3: ..." as it is).
  std::string Located() const {
    const bool named = code == FailureCode::kNameClash || code == FailureCode::kCannotOpen ||
                       code == FailureCode::kBadContent || code == FailureCode::kCannotWrite;
    return named || path.empty() ? message : path + ": " + message;
  }
};

}  // namespace lumaret::data

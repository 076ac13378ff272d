#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "data/PatternStore.h"

namespace lumaret::data {

// Result codes of one read: kReadFailed stops a batch; any other code means the record
// was stored.
inline constexpr int kReadOk = 0;
inline constexpr int kReadFailed = 3;

enum class PatternExtension {
  kUnknown,   // refused with "File Error !"
  kCombined,  // ".msi" ".MSI" ".pln" ".PLN": both cuts in one file
  kSplitCut,  // ".cm" ".CM": one cut per file, classified by its folder and file names
};
// The kind of a file name's extension; the spellings are matched exactly.
PatternExtension ClassifyExtension(std::string_view fileName);

// Reads one pattern file into the document's record under its lower-cased path.
// Exact-data files (any extension) are stored as read; combined files are read with the
// MSI grammar; split-cut files also get their name fields from their folder and file
// names. Problems are shown through doc.Messages() and give kReadFailed: an unknown
// extension or a scrambled ".cm" file ("File Error !"), a file that cannot be opened (its
// path and the system's reason), a text the grammar refuses (the path and the line), and
// a split-cut folder name without six parts ("Folder or file name error"; the record is
// kept with what was read). A refused text stores nothing and leaves the document's
// no-gain flag as it was. `index` is the file's position in its batch; it does not
// change how a file is read.
int ReadPatternFile(PatternStore& doc, const std::string& path, int index);

// The same read for a file whose bytes are already in memory: `text` is taken as the
// content of `path` (the path still gives the key, the names and the extension).
int ReadPatternText(PatternStore& doc, const std::string& path, std::string_view text);

struct BatchResult {
  bool ranToEnd = true;             // false when a failure stopped the batch
  std::vector<std::string> failed;  // paths whose read gave kReadFailed, in order
};
// Told about each file of a batch once it has been read.
using FileReadObserver = std::function<void(const std::string& path, int code)>;

// The open command: reads the paths in order with indices 0, 1, 2 ... and stops at the
// first failure unless keepGoing. After a batch that ran to its end (always with
// keepGoing), loads the gain-level files for the files that were read without a gain line.
BatchResult OpenBatch(PatternStore& doc, const std::vector<std::string>& paths, bool keepGoing,
                      const FileReadObserver& observer = {});

}  // namespace lumaret::data

#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "data/PatternGrammar.h"
#include "data/PatternStore.h"
#include "data/Result.h"

namespace lumaret::data {

enum class PatternExtension {
  kUnknown,   // refused with "File Error !"
  kCombined,  // ".msi" ".MSI" ".pln" ".PLN": both cuts in one file
  kSplitCut,  // ".cm" ".CM": one cut per file, classified by its folder and file names
};
// The kind of a file name's extension; the spellings are matched exactly.
PatternExtension ClassifyExtension(std::string_view fileName);

// A pattern file opened and parsed without the document: safe on any thread.
struct LoadedPattern {
  std::string path;
  PatternExtension extension = PatternExtension::kUnknown;
  bool exactData = false;
  ParsedPattern parsed;
  Result result;  // a failure found while opening or parsing
};
// Opens and parses one file. An unknown extension fails without opening the file.
LoadedPattern LoadPattern(const std::string& path);
// The same for a file whose bytes are already in memory: `text` is taken as the content
// of `path` (the path still gives the extension).
LoadedPattern LoadPatternText(const std::string& path, std::string_view text);

// Stores a loaded file into the document's record under its lower-cased path, as the
// open command does. Exact-data files (any extension) are stored as read; combined files
// were read with the MSI grammar; split-cut files also get their name fields from their
// folder and file names, and every record its kind. Failures, in the order they are
// checked: an unknown extension or a scrambled ".cm" file ("File Error !"), a path equal
// to a loaded file's apart from letter case, a file that cannot be opened (its path and
// the system's reason), a text the grammar refuses (the path and the line), and a
// split-cut folder name without six parts ("Folder or file name error"; the record is
// kept with what was read). A refused file stores nothing and leaves the document's
// no-gain flag as it was. Nothing is shown: the caller shows the result.
Result StorePattern(PatternStore& doc, LoadedPattern&& loaded);

// LoadPattern and StorePattern in one.
Result ReadPatternFile(PatternStore& doc, const std::string& path);
Result ReadPatternText(PatternStore& doc, const std::string& path, std::string_view text);

struct BatchResult {
  bool ranToEnd = true;             // false when a failure or a cancel stopped the batch
  bool cancelled = false;           // the caller asked the batch to stop
  std::vector<Result> failures;     // in the order of the paths
  std::vector<std::string> visited;  // the paths stored or refused, in their order
};
// Told about each file of a batch once it has been stored (or refused), in path order.
using FileReadObserver = std::function<void(const std::string& path, const Result& result)>;

// The open command: reads the paths in order and stops at the first failure unless
// keepGoing, or before the next window of files once `cancelled` says so (what was read
// is kept). Files are loaded and parsed on ChosenThreadCount(doc.threads) threads and
// stored in path order, so the document is the same for every thread count. Each failure
// is written to the diagnostic log. Then loads the gain-level files for the files read
// without a gain line.
BatchResult OpenBatch(PatternStore& doc, const std::vector<std::string>& paths, bool keepGoing,
                      const FileReadObserver& observer = {}, const std::function<bool()>& cancelled = {});

// The same batch in its three steps, for a caller that parses on one thread and stores on
// another (the desktop program reads off its user-interface thread and merges there):
// windows of BatchWindowSize(threads) paths are parsed by LoadPatterns (touches no
// document, any thread), stored in order by StoreLoadedPatterns (false when a failure
// stops the batch), and the batch ends with FinishBatch.
std::size_t BatchWindowSize(unsigned threads);
std::vector<LoadedPattern> LoadPatterns(std::span<const std::string> paths, unsigned threads);
bool StoreLoadedPatterns(PatternStore& doc, std::span<const std::string> paths, std::vector<LoadedPattern>&& loaded,
                         bool keepGoing, BatchResult& batch, const FileReadObserver& observer = {});
void FinishBatch(PatternStore& doc, const BatchResult& batch);

}  // namespace lumaret::data

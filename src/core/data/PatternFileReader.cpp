#include "data/PatternFileReader.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <algorithm>
#include <memory>

#include "data/AuxiliaryInputs.h"
#include "data/DiagnosticLog.h"
#include "data/ExactDataGrammar.h"
#include "data/MsiGrammar.h"
#include "data/PatternGrammar.h"
#include "data/Parallel.h"
#include "data/SplitCutNames.h"

namespace lumaret::data {
namespace {

constexpr const char* kFileErrorText = "File Error !";
constexpr const char* kFolderNameErrorText = "Folder or file name error";
constexpr std::size_t kFilesPerThreadAndWindow = 64;

bool EndsWith(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

std::string_view FileNameOf(std::string_view path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

// Reads a regular file whole. On failure `reason` holds the system's message.
bool LoadFileText(const std::string& path, std::string& text, std::string& reason) {
  // Checked before opening: opening a FIFO for reading waits for a writer that may never come.
  struct stat before {};
  if (stat(path.c_str(), &before) == 0 && !S_ISREG(before.st_mode)) {
    reason = S_ISDIR(before.st_mode) ? std::strerror(EISDIR) : "not a regular file";
    return false;
  }
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
  if (!file) {
    reason = std::strerror(errno);
    return false;
  }
  struct stat info {};
  if (fstat(fileno(file.get()), &info) != 0) {
    reason = std::strerror(errno);
    return false;
  }
  if (!S_ISREG(info.st_mode)) {
    reason = S_ISDIR(info.st_mode) ? std::strerror(EISDIR) : "not a regular file";
    return false;
  }
  text.clear();
  text.reserve(static_cast<std::size_t>(info.st_size));
  char buffer[65536];
  std::size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) text.append(buffer, got);
  if (std::ferror(file.get())) {
    reason = std::strerror(errno);
    return false;
  }
  return true;
}

std::string DescribeGrammarError(const std::string& path, const GrammarError& error) {
  const std::string file = "Pattern file \"" + path + "\"";
  if (error.atEndOfFile && error.line == 0) return file + " is empty";
  if (error.atEndOfFile)
    return file + ", end of file after line " + std::to_string(error.line) + ": " + error.problem;
  return file + ", line " + std::to_string(error.line) + ": " + error.problem;
}

PatternFile& StoreParsed(PatternStore& doc, const std::string& path, ParsedPattern& parsed, bool combined) {
  PatternFile& record = doc.LookUpOrCreate(path);
  record.key = ToKey(path);
  record.path = path;
  record.fileName = std::string(FileNameOf(path));
  record.points = std::move(parsed.points);
  record.line2Value = parsed.line2Value;
  record.headerCount = parsed.headerCount;
  record.readWithoutGain = !parsed.hasGainLine;
  record.declaredHeader = std::move(parsed.declaredHeader);
  doc.noGainFlag = parsed.hasGainLine ? 0 : 1;
  if (combined) {
    record.nameFields = {};
    record.nameFields[kFieldCut] = "msi";
    record.kind = CutKind::Combined;
    record.result.gain = parsed.gain;
    record.result.hpeak = parsed.hpeak;
    record.result.vmax = parsed.vmax;
  } else if (parsed.hasGainLine) {
    record.result.gain = parsed.gain;
  }
  return record;
}

}  // namespace

PatternExtension ClassifyExtension(std::string_view fileName) {
  for (std::string_view ext : {".msi", ".MSI", ".pln", ".PLN"}) {
    if (EndsWith(fileName, ext)) return PatternExtension::kCombined;
  }
  if (EndsWith(fileName, ".cm") || EndsWith(fileName, ".CM")) return PatternExtension::kSplitCut;
  return PatternExtension::kUnknown;
}

LoadedPattern LoadPatternText(const std::string& path, std::string_view text) {
  LoadedPattern loaded;
  loaded.path = path;
  loaded.extension = ClassifyExtension(FileNameOf(path));
  loaded.exactData = IsExactData(text);
  if (loaded.extension == PatternExtension::kUnknown ||
      (!loaded.exactData && loaded.extension == PatternExtension::kSplitCut)) {
    // Unknown extensions, and the scrambled binary split-cut kind, which is not supported.
    loaded.result = Result::Fail(FailureCode::kUnknownFormat, kFileErrorText, path);
    return loaded;
  }
  GrammarError error;
  const bool parsedOk = loaded.exactData ? ParseExactDataText(text, loaded.parsed, error)
                                         : ParseMsiText(text, loaded.parsed, error);
  if (!parsedOk)
    loaded.result = Result::Fail(FailureCode::kBadContent, DescribeGrammarError(path, error), path,
                                 static_cast<int>(error.line));
  return loaded;
}

LoadedPattern LoadPattern(const std::string& path) {
  LoadedPattern loaded;
  loaded.path = path;
  loaded.extension = ClassifyExtension(FileNameOf(path));
  if (loaded.extension == PatternExtension::kUnknown) {
    loaded.result = Result::Fail(FailureCode::kUnknownFormat, kFileErrorText, path);
    return loaded;
  }
  std::string text;
  std::string reason;
  if (!LoadFileText(path, text, reason)) {
    loaded.result = Result::Fail(FailureCode::kCannotOpen, "Cannot open \"" + path + "\": " + reason, path);
    return loaded;
  }
  return LoadPatternText(path, text);
}

Result StorePattern(PatternStore& doc, LoadedPattern&& loaded) {
  const std::string& path = loaded.path;
  if (loaded.extension == PatternExtension::kUnknown) return std::move(loaded.result);
  // Keys are lower-cased paths: a second file whose path differs from a loaded one only in
  // letter case would overwrite that record, so it is refused. The same path is re-read.
  if (const PatternFile* stored = doc.Find(ToKey(path)); stored && !stored->path.empty() && stored->path != path)
    return Result::Fail(FailureCode::kNameClash,
                        path + ": has the same name as " + stored->path + " apart from letter case; not loaded", path);
  if (!loaded.result.ok()) return std::move(loaded.result);
  PatternFile& record = StoreParsed(doc, path, loaded.parsed, !loaded.exactData);
  if (loaded.extension == PatternExtension::kCombined) {
    if (loaded.exactData) record.nameFields = {};
    record.kind = ClassifyCut(record.nameFields);
    return Result::Ok();
  }
  const bool named = ParseSplitCutNames(path, record.nameFields);
  record.kind = ClassifyCut(record.nameFields);
  if (!named) return Result::Fail(FailureCode::kBadFolderName, kFolderNameErrorText, path);
  std::copy(record.nameFields.begin(), record.nameFields.begin() + kFolderFieldCount, doc.testDescription.begin());
  return Result::Ok();
}

Result ReadPatternFile(PatternStore& doc, const std::string& path) { return StorePattern(doc, LoadPattern(path)); }

Result ReadPatternText(PatternStore& doc, const std::string& path, std::string_view text) {
  return StorePattern(doc, LoadPatternText(path, text));
}

std::size_t BatchWindowSize(unsigned threads) {
  return threads <= 1 ? 1 : std::size_t{threads} * kFilesPerThreadAndWindow;
}

std::vector<LoadedPattern> LoadPatterns(std::span<const std::string> paths, unsigned threads) {
  std::vector<LoadedPattern> loaded(paths.size());
  ParallelFor(paths.size(), threads, [&](std::size_t i) { loaded[i] = LoadPattern(paths[i]); });
  return loaded;
}

bool StoreLoadedPatterns(PatternStore& doc, std::span<const std::string> paths, std::vector<LoadedPattern>&& loaded,
                         bool keepGoing, BatchResult& batch, const FileReadObserver& observer) {
  for (std::size_t i = 0; i < loaded.size() && i < paths.size(); ++i) {
    Result result = StorePattern(doc, std::move(loaded[i]));
    if (!result.ok()) LUMARET_LOG("Read failed: %s\n", result.Located().c_str());
    if (observer) observer(paths[i], result);
    batch.visited.push_back(paths[i]);
    if (result.ok()) continue;
    batch.failures.push_back(std::move(result));
    if (!keepGoing) {
      batch.ranToEnd = false;
      return false;
    }
  }
  return true;
}

void FinishBatch(PatternStore& doc, const BatchResult& batch) { LoadGainLevelsAfterBatch(doc, batch.visited); }

BatchResult OpenBatch(PatternStore& doc, const std::vector<std::string>& paths, bool keepGoing,
                      const FileReadObserver& observer, const std::function<bool()>& cancelled) {
  BatchResult batch;
  // The files of a window are loaded and parsed on the worker threads, then stored here in
  // their order, exactly as one read after the other would store them. The window keeps
  // the work wasted after a failure that stops the batch small.
  const unsigned threads = ChosenThreadCount(doc.threads);
  const std::size_t window = BatchWindowSize(threads);
  const std::span<const std::string> all(paths);
  for (std::size_t first = 0; first < paths.size(); first += window) {
    if (cancelled && cancelled()) {
      batch.ranToEnd = false;
      batch.cancelled = true;
      break;
    }
    const auto part = all.subspan(first, std::min(window, paths.size() - first));
    if (!StoreLoadedPatterns(doc, part, LoadPatterns(part, threads), keepGoing, batch, observer)) return batch;
  }
  FinishBatch(doc, batch);
  return batch;
}

}  // namespace lumaret::data

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
#include "data/SplitCutNames.h"

namespace lumaret::data {
namespace {

constexpr const char* kFileErrorText = "File Error !";
constexpr const char* kFolderNameErrorText = "Folder or file name error";

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

// Passes every message on and keeps the texts of the file being read, so that a failed
// read can be written to the diagnostic log with its reasons.
class LoggingMessages : public UserMessages {
 public:
  explicit LoggingMessages(UserMessages& next) : next_(next) {}
  void Show(const std::string& text, const std::string& caption) override {
    texts.push_back(text);
    next_.Show(text, caption);
  }
  bool Ask(const std::string& text, const std::string& caption) override { return next_.Ask(text, caption); }
  std::vector<std::string> texts;

 private:
  UserMessages& next_;
};

void LogReadFailure(const std::string& path, const std::vector<std::string>& texts) {
  if (texts.empty()) LUMARET_LOG("Read failed: %s: cannot be read\n", path.c_str());
  for (const std::string& text : texts) {
    if (text.find(path) != std::string::npos)
      LUMARET_LOG("Read failed: %s\n", text.c_str());
    else
      LUMARET_LOG("Read failed: %s: %s\n", path.c_str(), text.c_str());
  }
}

}  // namespace

PatternExtension ClassifyExtension(std::string_view fileName) {
  for (std::string_view ext : {".msi", ".MSI", ".pln", ".PLN"}) {
    if (EndsWith(fileName, ext)) return PatternExtension::kCombined;
  }
  if (EndsWith(fileName, ".cm") || EndsWith(fileName, ".CM")) return PatternExtension::kSplitCut;
  return PatternExtension::kUnknown;
}

int ReadPatternFile(PatternStore& doc, const std::string& path, [[maybe_unused]] int index) {
  if (ClassifyExtension(FileNameOf(path)) == PatternExtension::kUnknown) {
    doc.Messages().Show(kFileErrorText, kAppCaption);
    return kReadFailed;
  }
  // Keys are lower-cased paths: a second file whose path differs from a loaded one only in
  // letter case would overwrite that record, so it is refused. The same path is re-read.
  if (const PatternFile* loaded = doc.Find(ToKey(path)); loaded && !loaded->path.empty() && loaded->path != path) {
    doc.Messages().Show(path + ": has the same name as " + loaded->path + " apart from letter case; not loaded",
                        kAppCaption);
    return kReadFailed;
  }
  std::string text;
  std::string reason;
  if (!LoadFileText(path, text, reason)) {
    doc.Messages().Show("Cannot open \"" + path + "\": " + reason, kAppCaption);
    return kReadFailed;
  }
  return ReadPatternText(doc, path, text);
}

int ReadPatternText(PatternStore& doc, const std::string& path, std::string_view text) {
  const PatternExtension extension = ClassifyExtension(FileNameOf(path));
  const bool exactData = IsExactData(text);
  if (extension == PatternExtension::kUnknown || (!exactData && extension == PatternExtension::kSplitCut)) {
    // Unknown extensions, and the scrambled binary split-cut kind, which is not supported.
    doc.Messages().Show(kFileErrorText, kAppCaption);
    return kReadFailed;
  }
  ParsedPattern parsed;
  GrammarError error;
  const bool parsedOk = exactData ? ParseExactDataText(text, parsed, error) : ParseMsiText(text, parsed, error);
  if (!parsedOk) {
    doc.Messages().Show(DescribeGrammarError(path, error), kAppCaption);
    return kReadFailed;
  }
  PatternFile& record = StoreParsed(doc, path, parsed, !exactData);
  if (extension == PatternExtension::kCombined) {
    if (exactData) record.nameFields = {};
    record.kind = ClassifyCut(record.nameFields);
    return kReadOk;
  }
  const bool named = ParseSplitCutNames(path, record.nameFields);
  record.kind = ClassifyCut(record.nameFields);
  if (!named) {
    doc.Messages().Show(kFolderNameErrorText, kAppCaption);
    return kReadFailed;
  }
  std::copy(record.nameFields.begin(), record.nameFields.begin() + kFolderFieldCount, doc.testDescription.begin());
  return kReadOk;
}

BatchResult OpenBatch(PatternStore& doc, const std::vector<std::string>& paths, bool keepGoing,
                      const FileReadObserver& observer) {
  BatchResult batch;
  UserMessages& shown = doc.Messages();
  LoggingMessages perFile(shown);
  doc.SetMessages(perFile);
  for (std::size_t i = 0; i < paths.size(); ++i) {
    perFile.texts.clear();
    const int code = ReadPatternFile(doc, paths[i], static_cast<int>(i));
    if (code == kReadFailed) LogReadFailure(paths[i], perFile.texts);
    if (observer) observer(paths[i], code);
    if (code != kReadFailed) continue;
    batch.failed.push_back(paths[i]);
    if (!keepGoing) {
      batch.ranToEnd = false;
      doc.SetMessages(shown);
      return batch;
    }
  }
  doc.SetMessages(shown);
  LoadGainLevelsAfterBatch(doc, paths);
  return batch;
}

}  // namespace lumaret::data

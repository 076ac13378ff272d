#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "data/PatternPaths.h"
#include "session/CTessalyUnitDoc.h"
#include "data/UserMessages.h"

namespace lumaret::cli {

// Exit statuses of the command-line tool.
inline constexpr int kExitOk = 0;
inline constexpr int kExitUsage = 1;
inline constexpr int kExitFileError = 2;

// Thrown by argument parsing; main() prints the message and the usage text, exit 1.
struct UsageError {
  std::string message;
};

// The options every command accepts.
struct CommonOptions {
  std::string settingsDir;   // --settings-dir (default: the current folder)
  std::string configFolder;  // --config-folder (default: <program folder>/Config File/)
  bool keepGoing = false;    // --keep-going
  bool quiet = false;        // -q, --quiet
  unsigned threads = 0;      // --threads N (0: $LUMARET_THREADS, else every core)
};

// Splits argv into the common options and the rest. Options a command takes with a value
// are listed in valueOptions so that their values are not taken for paths.
class ArgParser {
 public:
  ArgParser(const std::vector<std::string>& args, std::vector<std::string> valueOptions,
            std::vector<std::string> flagOptions);

  const CommonOptions& Common() const { return common_; }
  bool Has(const std::string& option) const;
  // Every value given for the option, in order (repeatable options).
  std::vector<std::string> Values(const std::string& option) const;
  std::string Value(const std::string& option, const std::string& fallback = "") const;
  const std::vector<std::string>& Positionals() const { return positionals_; }

 private:
  CommonOptions common_;
  std::vector<std::pair<std::string, std::string>> options_;
  std::vector<std::string> positionals_;
};

// Messages on standard error: "<caption>: <text>".
class StderrMessages : public data::UserMessages {
 public:
  void Show(const std::string& text, const std::string& caption = data::kAppCaption) override;
  bool Ask(const std::string& text, const std::string& caption = data::kAppCaption) override;
  int shownCount = 0;
};

// Status texts on standard error (nothing with --quiet).
class StderrStatus : public data::StatusSink {
 public:
  explicit StderrStatus(bool quiet) : quiet_(quiet) {}
  void Status(const std::string& text) override;

 private:
  bool quiet_;
};

// Writes the text to standard output and flushes it. A write that fails (a full disk, a
// closed file) is reported as "standard output: <reason>" and gives kExitFileError; a
// closed pipe still ends the tool through SIGPIPE, quietly.
int WriteStandardOutput(const std::string& text);

// Paths of the batch rule shared with the desktop program.
inline std::string Absolute(const std::string& path) { return data::AbsolutePath(path); }
using data::ExpandedPaths;
using data::ExpandPatternPaths;

// Sets the document up as the desktop program does at start-up.
void InitialiseForCli(session::CTessalyUnitDoc& doc, const CommonOptions& options);

// Progress on standard error when it is a terminal and the run is not quiet.
class Progress {
 public:
  Progress(std::string label, std::size_t total, bool quiet);
  ~Progress();
  void Step(std::size_t done);

 private:
  std::string label_;
  std::size_t total_;
  bool enabled_;
  int lastPercent_ = -1;
};

// A command of the tool: its name, a one-line usage text and its entry point, which gets
// the arguments after the command name.
struct Command {
  std::string name;
  std::string usage;
  std::function<int(const std::vector<std::string>&)> run;
};

// Commands register themselves from their own source files.
std::vector<Command>& CommandTable();
struct CommandRegistrar {
  explicit CommandRegistrar(Command command) { CommandTable().push_back(std::move(command)); }
};

}  // namespace lumaret::cli

#include "cli/CliCommon.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <system_error>

#include "session/DocumentSetup.h"

namespace fs = std::filesystem;

namespace lumaret::cli {

namespace {

// A value such as "-180" or "-0.5" is an argument, not an option.
bool IsNegativeNumber(const std::string& arg) {
  return arg.size() > 1 && arg[0] == '-' && (std::isdigit(static_cast<unsigned char>(arg[1])) || arg[1] == '.');
}

}  // namespace

ArgParser::ArgParser(const std::vector<std::string>& args, std::vector<std::string> valueOptions,
                     std::vector<std::string> flagOptions) {
  auto isIn = [](const std::vector<std::string>& list, const std::string& s) {
    return std::find(list.begin(), list.end(), s) != list.end();
  };
  bool onlyPaths = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (onlyPaths || a.empty() || a[0] != '-' || a == "-" || IsNegativeNumber(a)) {
      positionals_.push_back(a);
      continue;
    }
    if (a == "--") {
      onlyPaths = true;
      continue;
    }
    std::string name = a, value;
    bool hasInlineValue = false;
    if (auto eq = a.find('='); a.rfind("--", 0) == 0 && eq != std::string::npos) {
      name = a.substr(0, eq);
      value = a.substr(eq + 1);
      hasInlineValue = true;
    }
    auto takeValue = [&]() -> std::string {
      if (hasInlineValue) return value;
      if (i + 1 >= args.size()) throw UsageError{"option " + name + " needs a value"};
      return args[++i];
    };
    if (name == "--settings-dir") {
      common_.settingsDir = takeValue();
    } else if (name == "--config-folder") {
      common_.configFolder = takeValue();
    } else if (name == "--keep-going" && !hasInlineValue) {
      common_.keepGoing = true;
    } else if ((name == "-q" || name == "--quiet") && !hasInlineValue) {
      common_.quiet = true;
    } else if (name == "--threads") {
      const std::string text = takeValue();
      unsigned n = 0;
      const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
      if (ec != std::errc() || end != text.data() + text.size() || n == 0)
        throw UsageError{"option --threads needs a whole number above 0, not '" + text + "'"};
      common_.threads = n;
    } else if (isIn(valueOptions, name)) {
      options_.emplace_back(name, takeValue());
    } else if (isIn(flagOptions, name) && !hasInlineValue) {
      options_.emplace_back(name, "");
    } else {
      throw UsageError{"unknown option " + a};
    }
  }
}

bool ArgParser::Has(const std::string& option) const {
  return std::any_of(options_.begin(), options_.end(), [&](const auto& o) { return o.first == option; });
}

std::vector<std::string> ArgParser::Values(const std::string& option) const {
  std::vector<std::string> out;
  for (const auto& o : options_)
    if (o.first == option) out.push_back(o.second);
  return out;
}

std::string ArgParser::Value(const std::string& option, const std::string& fallback) const {
  std::string v = fallback;
  for (const auto& o : options_)
    if (o.first == option) v = o.second;
  return v;
}

void StderrMessages::Show(const std::string& text, const std::string& caption) {
  ++shownCount;
  std::cerr << caption << ": " << text << '\n';
}

bool StderrMessages::Ask(const std::string& text, const std::string& caption) {
  std::cerr << caption << ": " << text << " (answered yes)\n";
  return true;
}

void StderrStatus::Status(const std::string& text) {
  if (!quiet_) std::cerr << text << '\n';
}

int WriteStandardOutput(const std::string& text) {
  std::cout.flush();
  std::size_t written = 0;
  while (written < text.size()) {
    const ssize_t n = ::write(STDOUT_FILENO, text.data() + written, text.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      std::cerr << "standard output: " << (n < 0 ? std::strerror(errno) : "nothing written") << '\n';
      return kExitFileError;
    }
    written += static_cast<std::size_t>(n);
  }
  return kExitOk;
}

void InitialiseForCli(session::CTessalyUnitDoc& doc, const CommonOptions& options) {
  session::DocumentFolders folders;
  folders.programFolder = data::FindProgramFolder();
  folders.workingFolder = options.settingsDir.empty() ? fs::current_path().string() : Absolute(options.settingsDir);
  folders.configFolder = options.configFolder.empty() ? "" : Absolute(options.configFolder);
  std::error_code ec;
  if (!folders.configFolder.empty() && !fs::is_directory(folders.configFolder, ec))
    throw UsageError{"--config-folder " + folders.configFolder + ": no such folder"};
  session::InitialiseDocument(doc, folders);
  doc.threads = options.threads;
}

Progress::Progress(std::string label, std::size_t total, bool quiet)
    : label_(std::move(label)), total_(total), enabled_(!quiet && total > 50 && isatty(STDERR_FILENO)) {}

Progress::~Progress() {
  if (enabled_ && lastPercent_ >= 0) std::cerr << '\n';
}

void Progress::Step(std::size_t done) {
  if (!enabled_ || total_ == 0) return;
  const int percent = static_cast<int>(done * 100 / total_);
  if (percent == lastPercent_) return;
  lastPercent_ = percent;
  const int width = 40;
  const int filled = percent * width / 100;
  std::cerr << '\r' << label_ << " [" << std::string(filled, '#') << std::string(width - filled, ' ') << "] "
            << percent << "% (" << done << '/' << total_ << ')' << std::flush;
}

std::vector<Command>& CommandTable() {
  static std::vector<Command> table;
  return table;
}

}  // namespace lumaret::cli

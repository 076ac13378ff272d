#include <tinyxml2.h>

#include <iostream>
#include <string>
#include <vector>

#include "cli/CliCommon.h"

using lumaret::cli::CommandTable;

namespace {

void PrintUsage(std::ostream& out) {
  out << "usage: lumaret-cli COMMAND [options] ...\n\n"
         "common options: --settings-dir DIR, --config-folder DIR, --keep-going, -q/--quiet, --threads N\n\ncommands:\n";
  for (const auto& c : CommandTable()) out << "  " << c.usage << '\n';
}

void PrintVersion(std::ostream& out) {
  out << "lumaret-cli " << LUMARET_VERSION << "\n"
      << "tinyxml2 " << TINYXML2_MAJOR_VERSION << '.' << TINYXML2_MINOR_VERSION << '.' << TINYXML2_PATCH_VERSION
      << "\nsimpleini " << LUMARET_SIMPLEINI_VERSION << "\n";
}

bool IsHelpOption(const std::string& arg) { return arg == "--help" || arg == "-h"; }

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) {
    PrintUsage(std::cerr);
    return lumaret::cli::kExitUsage;
  }
  if (IsHelpOption(args[0]) || args[0] == "help") {
    PrintUsage(std::cout);
    return lumaret::cli::kExitOk;
  }
  if (args[0] == "--version") {
    PrintVersion(std::cout);
    return lumaret::cli::kExitOk;
  }
  for (const auto& command : CommandTable()) {
    if (command.name != args[0]) continue;
    // "COMMAND --help" anywhere before a "--" prints the command's usage and does nothing else.
    for (std::size_t i = 1; i < args.size() && args[i] != "--"; ++i) {
      if (IsHelpOption(args[i])) {
        std::cout << "usage: lumaret-cli " << command.usage << '\n';
        return lumaret::cli::kExitOk;
      }
    }
    try {
      return command.run(std::vector<std::string>(args.begin() + 1, args.end()));
    } catch (const lumaret::cli::UsageError& e) {
      std::cerr << "lumaret-cli " << command.name << ": " << e.message << "\nusage: lumaret-cli " << command.usage
                << '\n';
      return lumaret::cli::kExitUsage;
    }
  }
  std::cerr << "lumaret-cli: unknown command '" << args[0] << "'\n";
  PrintUsage(std::cerr);
  return lumaret::cli::kExitUsage;
}

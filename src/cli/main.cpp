#include <iostream>
#include <string>
#include <vector>

#include "cli/CliCommon.h"

using lumaret::cli::CommandTable;

namespace {

void PrintUsage(std::ostream& out) {
  out << "usage: lumaret-cli COMMAND [options] ...\n\n"
         "common options: --settings-dir DIR, --config-folder DIR, --keep-going, -q/--quiet\n\ncommands:\n";
  for (const auto& c : CommandTable()) out << "  " << c.usage << '\n';
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) {
    PrintUsage(std::cerr);
    return lumaret::cli::kExitUsage;
  }
  if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    PrintUsage(std::cout);
    return lumaret::cli::kExitOk;
  }
  for (const auto& command : CommandTable()) {
    if (command.name != args[0]) continue;
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

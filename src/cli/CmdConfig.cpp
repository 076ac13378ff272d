#include <iostream>
#include <string>
#include <vector>

#include "cli/CliCommon.h"
#include "display/DisplayConfig.h"

namespace lumaret::cli {

namespace {

// config save FILE: the indicator selection of Config.xml into a configuration INI file;
// config load FILE: the file's selection into the document and every flag's ID_MENU key.
int RunConfig(const std::vector<std::string>& args) {
  const ArgParser parser(args, {}, {});
  const auto& positionals = parser.Positionals();
  if (positionals.size() != 2) throw UsageError{"expected save or load and one FILE"};
  const std::string& action = positionals[0];
  if (action != "save" && action != "load") throw UsageError{"unknown action '" + action + "' (save or load)"};

  StderrMessages messages;
  session::CTessalyUnitDoc doc(messages);
  InitialiseForCli(doc, parser.Common());
  const display::ViewSwitches view = display::ReadViewSwitches(doc.settings);
  const std::string path = Absolute(positionals[1]);
  const bool ok = action == "save" ? display::SaveConfiguration(doc, view, path)
                                   : display::LoadConfiguration(doc, view, path);
  return ok ? kExitOk : kExitFileError;
}

CommandRegistrar reg{{"config", "config [options] save|load FILE", &RunConfig}};

}  // namespace

}  // namespace lumaret::cli

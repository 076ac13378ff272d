#pragma once

#include <span>
#include <string_view>

namespace lumaret::desktop {

// One command of the main window: the action's objectName (the resource name of the
// command), its command id (0 where it has none), its menu text, shortcut and tool-bar
// icon (a render::CommandIcon name, "" for none), and whether it carries a check mark.
struct CommandSpec {
  std::string_view name;
  int id = 0;
  std::string_view text;
  std::string_view shortcut{};
  std::string_view icon{};
  bool checkable = false;
};

// Every command of the menus (the indicator toggles aside: the indicator table lists
// those), in menu order.
std::span<const CommandSpec> CommandTable();
const CommandSpec* FindCommand(std::string_view name);

// One entry of a menu: a command by name, a separator (""), or a submenu (kSubmenu, then
// its title; kIndicatorsSubmenu and kRecentSubmenu are filled at run time).
inline constexpr std::string_view kSeparator = "";
inline constexpr std::string_view kMarkersSubmenu = "@Markers";
inline constexpr std::string_view kIndicatorsSubmenu = "@Indicators";
inline constexpr std::string_view kRecentSubmenu = "@Recent Open Files";

struct MenuSpec {
  std::string_view title;
  std::span<const std::string_view> entries;
};
std::span<const MenuSpec> MenuTable();

// The entries of the 'Markers' submenu.
std::span<const std::string_view> MarkerCommands();

// The tool-bar buttons in order (command names; "" is a separator).
std::span<const std::string_view> ToolBarCommands();

}  // namespace lumaret::desktop

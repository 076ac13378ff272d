#include "desktop/shell/Commands.h"

#include <algorithm>
#include <array>

namespace lumaret::desktop {
namespace {

using namespace std::string_view_literals;

constexpr std::array kCommands{
    // File
    CommandSpec{"ID_FILE_OPEN", 57601, "Open(&O)...", "Ctrl+O", "open"},
    CommandSpec{"ID_FILE_SAVE_AS", 57604, "Save as..."},
    CommandSpec{"ID_DATA_EXPORT", 32884, "Export Data...", "", "export"},
    CommandSpec{"ID_SAVE_SCREENSHOT", 32886, "Save ScreenShot", "", "screenshot"},
    CommandSpec{"ID_FILE_PRINT", 57607, "Print", "Ctrl+P"},
    CommandSpec{"ID_FILE_PRINT_SETUP", 57606, "Print Setup"},
    CommandSpec{"ID_FILE_PRINT_PREVIEW", 57609, "Print Preview"},
    CommandSpec{"ID_APP_EXIT", 57665, "Exit(&X)"},
    // Coordinates
    CommandSpec{"ID_CARTESIAN", 32865, "Cartesian Coordinates", "", "cartesian", true},
    CommandSpec{"ID_POLAR", 32864, "Polar Coordinates", "", "polar", true},
    // View
    CommandSpec{"ID_VIEW_FILELISTS", 0, "File Lists", "", "", true},
    CommandSpec{"ID_VIEW_CURRENTRESULTS", 0, "Current Results", "", "", true},
    CommandSpec{"ID_VIEW_ALLREPORTS", 0, "All Reports", "", "", true},
    CommandSpec{"ID_VIEW_TOOLBAR", 59392, "Tool Bar(&T)", "", "", true},
    CommandSpec{"ID_VIEW_STATUS_BAR", 59393, "Status Bar(&S)", "", "", true},
    CommandSpec{"ID_3DB_REFERENCE_LINE", 32944, "3dB Reference Line", "F2", "", true},
    CommandSpec{"ID_UNITARY", 32874, "Normalise", "", "normalise", true},
    CommandSpec{"ID_CROSSHAIR", 32904, "Crosshair", "", "crosshair", true},
    CommandSpec{"ID_ZOOM_IN", 32869, "Zoom In", "", "zoom"},
    CommandSpec{"ID_RESET_VIEW", 32872, "Reset View", "", "reset"},
    CommandSpec{"ID_SPRDISPLAY", 0, "SPR Display", "", "", true},
    CommandSpec{"ID_ENVELOPE", 32918, "Envelope", "", "envelope", true},
    CommandSpec{"ID_MASKMAXMAG", 32907, "Max", "", "markers", true},
    CommandSpec{"ID_MASKMINMAG", 32908, "Min", "", "", true},
    CommandSpec{"ID_MASKFSU", 32909, "FSU", "", "", true},
    CommandSpec{"ID_MASKMAXU", 32910, "SS MAX", "", "", true},
    CommandSpec{"ID_CLEAR_MARK", 0, "Clear Marks"},
    // Analysis
    CommandSpec{"ID_HORIZONTAL_SETUP", 0, "Horizontal Parameter Setup"},
    CommandSpec{"ID_VERTICAL_SETUP", 0, "Vertical Parameters Setup"},
    CommandSpec{"ID_RADIATION_SETUP", 0, "Radiation Setup"},
    CommandSpec{"ID_ENVELOPE_GAIN_CONFIG", 0, "Envelope and Gain Configuration"},
    CommandSpec{"ID_CHAMBER_XML", 0, "Chamber XML..."},
    CommandSpec{"ID_HORIZONTAL_LIST", 0, "Horizontal Parameter List"},
    CommandSpec{"ID_VERTICAL_LIST", 0, "Vertical Parameter List"},
    CommandSpec{"ID_SAVE_CONFIG", 32980, "Save Configuration..."},
    CommandSpec{"ID_LOAD_CONFIG", 32981, "Load Configuration..."},
    // Association
    CommandSpec{"ID_NO_REL", 32879, "No Association", "", "no-association", true},
    CommandSpec{"ID_REL_M_C", 32880, "Polar Partners", "", "polar-partners", true},
    CommandSpec{"ID_REL_V_H", 32881, "Cut Partners", "", "cut-partners", true},
    CommandSpec{"ID_REL_P45_N45", 32882, "Slant Partners", "", "slant-partners", true},
    // Processing
    CommandSpec{"ID_PATTERN_ROTATION", 32924, "Pattern Rotation...", "", "rotate"},
    CommandSpec{"ID_ROTATE_SELECTION", 32926, "Rotate Selection..."},
    CommandSpec{"ID_LEVEL_ADJUSTMENT", 32876, "Level Adjustment...", "", "level"},
    CommandSpec{"ID_PATTERN_DRAG", 32885, "Pattern Drag", "", "drag", true},
    CommandSpec{"ID_UNDO_DRAG", 0, "Undo Drag", "Ctrl+Z"},
    CommandSpec{"ID_REDO_DRAG", 0, "Redo Drag", "Ctrl+Y"},
    // Settings
    CommandSpec{"ID_DRAW_SETTING", 0, "Draw Setting..."},
    CommandSpec{"ID_COLOR_SETTING", 0, "Colour Setting..."},
    CommandSpec{"ID_CAPTURE_SETTING", 0, "Capture Settings..."},
    CommandSpec{"ID_PICTURE_FOLDER", 0, "Picture Folder..."},
    // Extra
    CommandSpec{"ID_COPY_TO_CLIPBOARD", 33001, "Copy To Clipboard"},
    CommandSpec{"ID_DIRECTIVITY_TREND", 32979, "Directivity Trend Chart"},
    // Help
    CommandSpec{"ID_APP_ABOUT", 57664, "About(&A)..."},
};

constexpr std::array kFileMenu{"ID_FILE_OPEN"sv, "ID_FILE_SAVE_AS"sv, "ID_DATA_EXPORT"sv,
                               "ID_SAVE_SCREENSHOT"sv, kSeparator, "ID_FILE_PRINT"sv,
                               "ID_FILE_PRINT_SETUP"sv, "ID_FILE_PRINT_PREVIEW"sv, kSeparator,
                               kRecentSubmenu, kSeparator, "ID_APP_EXIT"sv};
constexpr std::array kCoordinatesMenu{"ID_CARTESIAN"sv, "ID_POLAR"sv};
constexpr std::array kViewMenu{"ID_VIEW_FILELISTS"sv, "ID_VIEW_CURRENTRESULTS"sv, "ID_VIEW_ALLREPORTS"sv,
                               kSeparator, "ID_VIEW_TOOLBAR"sv, "ID_VIEW_STATUS_BAR"sv, kSeparator,
                               "ID_3DB_REFERENCE_LINE"sv, "ID_UNITARY"sv, "ID_CROSSHAIR"sv, "ID_ZOOM_IN"sv,
                               "ID_RESET_VIEW"sv, "ID_SPRDISPLAY"sv, "ID_ENVELOPE"sv, kMarkersSubmenu,
                               "ID_CLEAR_MARK"sv};
constexpr std::array kAnalysisMenu{"ID_HORIZONTAL_SETUP"sv, "ID_VERTICAL_SETUP"sv, "ID_RADIATION_SETUP"sv,
                                   "ID_ENVELOPE_GAIN_CONFIG"sv, "ID_CHAMBER_XML"sv, kSeparator,
                                   "ID_HORIZONTAL_LIST"sv, "ID_VERTICAL_LIST"sv, kIndicatorsSubmenu,
                                   "ID_SAVE_CONFIG"sv, "ID_LOAD_CONFIG"sv};
constexpr std::array kAssociationMenu{"ID_NO_REL"sv, "ID_REL_M_C"sv, "ID_REL_V_H"sv, "ID_REL_P45_N45"sv};
constexpr std::array kProcessingMenu{"ID_PATTERN_ROTATION"sv, "ID_ROTATE_SELECTION"sv, "ID_LEVEL_ADJUSTMENT"sv,
                                     "ID_PATTERN_DRAG"sv, "ID_UNDO_DRAG"sv, "ID_REDO_DRAG"sv};
constexpr std::array kSettingsMenu{"ID_DRAW_SETTING"sv, "ID_COLOR_SETTING"sv, "ID_CAPTURE_SETTING"sv,
                                   "ID_PICTURE_FOLDER"sv};
constexpr std::array kExtraMenu{"ID_COPY_TO_CLIPBOARD"sv, "ID_DIRECTIVITY_TREND"sv};
constexpr std::array kHelpMenu{"ID_APP_ABOUT"sv};

constexpr std::array kMenus{
    MenuSpec{"File(&F)", kFileMenu},         MenuSpec{"Coordinates(&C)", kCoordinatesMenu},
    MenuSpec{"View(&V)", kViewMenu},         MenuSpec{"Analysis(&A)", kAnalysisMenu},
    MenuSpec{"Association(&S)", kAssociationMenu}, MenuSpec{"Processing(&P)", kProcessingMenu},
    MenuSpec{"Settings(&T)", kSettingsMenu}, MenuSpec{"Extra(&E)", kExtraMenu},
    MenuSpec{"Help(&H)", kHelpMenu},
};

constexpr std::array kMarkers{"ID_MASKMAXMAG"sv, "ID_MASKMINMAG"sv, "ID_MASKFSU"sv, "ID_MASKMAXU"sv};

constexpr std::array kToolBar{"ID_FILE_OPEN"sv,  "ID_DATA_EXPORT"sv,    "ID_SAVE_SCREENSHOT"sv, kSeparator,
                              "ID_CARTESIAN"sv,  "ID_POLAR"sv,          kSeparator,
                              "ID_UNITARY"sv,    "ID_ZOOM_IN"sv,        "ID_RESET_VIEW"sv,
                              "ID_CROSSHAIR"sv,  "ID_MASKMAXMAG"sv,     "ID_ENVELOPE"sv,        kSeparator,
                              "ID_NO_REL"sv,     "ID_REL_M_C"sv,        "ID_REL_V_H"sv,         "ID_REL_P45_N45"sv,
                              kSeparator,        "ID_PATTERN_ROTATION"sv, "ID_LEVEL_ADJUSTMENT"sv,
                              "ID_PATTERN_DRAG"sv};

}  // namespace

std::span<const CommandSpec> CommandTable() { return kCommands; }

const CommandSpec* FindCommand(std::string_view name) {
  const auto it = std::find_if(kCommands.begin(), kCommands.end(), [&](const CommandSpec& c) { return c.name == name; });
  return it == kCommands.end() ? nullptr : &*it;
}

std::span<const MenuSpec> MenuTable() { return kMenus; }
std::span<const std::string_view> MarkerCommands() { return kMarkers; }
std::span<const std::string_view> ToolBarCommands() { return kToolBar; }

}  // namespace lumaret::desktop

// The command table of the main window: every menu item with its number,
// place, mnemonic, the rule that enables it and what it does, kept as one
// array of rows. The menu bar, the tool bar, the menu hints and the context
// help are all built from this table. No Qt in here, so that the rules can be
// tested as plain functions of the radio image and the application state.
#pragma once

#include "operations/ApplicationState.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

class radioStorage;
class radiomodel;

// Command numbers that the shell and its neighbours name in code.
enum CommandId : int {
    CM_LOAD_ARCHIVE = 24332,
    CM_SAVE_ARCHIVE = 11861,
    CM_READ_RADIO = 11842,
    CM_PROGRAM_ALL = 18873,
    CM_PRINTER_SETUP = 24338,
    CM_PRINT_PREVIEW = 24340,
    CM_EXIT = 24310,
    CM_FRONT_END_FILTER = 11900,
    CM_RATED_VOLUME_MENU = 11880,
    CM_RATED_VOLUME_CSQ = 11881,
    CM_RATED_VOLUME_SONARO = 11882,
    CM_SQUELCH_MENU = 11853,
    CM_SQUELCH_125 = 11854,
    CM_SQUELCH_20 = 11855,
    CM_SQUELCH_25 = 11856,
    CM_RSSI = 11848,
    CM_BATTERY = 11865,
    CM_PA_BIAS_MENU = 11862,
    CM_PA_BIAS_HIGH = 11863,
    CM_PA_BIAS_LOW = 11864,
    CM_PA_BIAS_RX_MODE = 11878,
    CM_DAC = 11875,
    CM_KM_TUNING = 11850,
    CM_REF_OSC_WARP = 11910,
    CM_PA_VOLTAGE_LIMIT = 11868,
    CM_MOD_BALANCE = 11860,
    CM_TX_POWER_MENU = 11846,
    CM_TX_POWER_HIGH = 11847,
    CM_TX_POWER_LOW = 11849,
    CM_VCO_MENU = 11870,
    CM_VCO_125 = 11871,
    CM_VCO_20 = 11872,
    CM_VCO_25 = 11873,
    CM_DTMF = 11874,
    CM_VYS1200 = 11851,
    CM_HST = 11867,
    CM_SELECT5 = 11845,
    CM_MPT1327 = 11844,
    CM_COMM_SETTINGS = 11920,
    CM_SERIAL_TRACE = 11921, // our own: the serial trace switch of the Options menu
    CM_PROGRAM_SERIAL = 11930,
    CM_BBO_UPDATE = 11857,
    CM_TEMP_COMP_READ = 11852,
    CM_TEMP_COMP_WRITE = 11877,
    CM_WINDOW_MENU = 18876,
    CM_WINDOW_SUB_CASCADE = 18877,
    CM_WINDOW_SUB_TILE = 18878,
    CM_WINDOW_SUB_ARRANGE = 18879,
    CM_WINDOW_SUB_CLOSE_ALL = 18880,
    CM_CASCADE = 24361,
    CM_TILE = 24362,
    CM_ARRANGE_ICONS = 24364,
    CM_CLOSE_ALL = 24365,
    CM_HELP_INDEX = 2001,
    CM_PORTABLE_SETUP = 11876,
    CM_MOBILE_SETUP = 11869,
    CM_RADIO_INFO = 11859,
    CM_HELP_USING = 2002,
    CM_ABOUT = 2009,
};

// Top-level menus of the menu bar (not command numbers: a menu's hint comes
// from its first item).
enum MenuId : int {
    MENU_FILE = -1,
    MENU_RX_ALIGN = -2,
    MENU_TX_ALIGN = -3,
    MENU_OPTIONS = -4,
    MENU_UTILITIES = -5,
    MENU_WINDOW = -6,
    MENU_HELP = -7,
};

enum class entryKind : std::uint8_t { ITEM, SUBMENU, SEPARATOR };

// What choosing an item does. SCREEN runs the screen-opening steps with the
// row's screen number; the others have steps of their own in the shell.
enum class commandAction : std::uint8_t {
    NONE, // no handler: always disabled
    LOAD_ARCHIVE,
    SAVE_ARCHIVE,
    READ_RADIO,
    PROGRAM_ALL,
    PRINTER_SETUP,
    PRINT_PREVIEW,
    EXIT,
    SCREEN,
    PA_BIAS_HIGH,
    PA_BIAS_LOW,
    PROGRAM_SERIAL,
    BBO_UPDATE,
    TEMP_COMP_READ,
    TEMP_COMP_WRITE,
    COMM_SETTINGS,
    SERIAL_TRACE,
    SETUP_PICTURE,
    RADIO_INFO,
    HELP_INDEX,
    HELP_USING,
    ABOUT,
};

// The terms the enabling rules are written in, computed once from the radio
// image and the state flags.
struct ruleTerms {
    const radioStorage* image = nullptr;
    bool dataPresent = false;
    bool radioRead = false;
    bool tuningAllowed = false;
    bool noScreenOpen = false;
    bool mobile = false;
    bool lowBand = false;
    bool dacVisited = false;
    int spacingMask = 0;
    bool specialIC = false;
    char modelChar3 = '\0'; // the fourth character of the model number
    bool group[14] = {};    // groups A..N

    bool supported(int flag) const;
    bool inGroup(char letter) const { return group[letter - 'A']; }
    bool spacing(int bit) const { return (spacingMask >> bit) & 1; }
};

using enableRule = bool (*)(const ruleTerms&);

struct commandRow {
    int id;     // command number; 0 for a separator
    int parent; // a MenuId or the id of a sub-menu row
    entryKind kind;
    const char* text; // menu text with its '&' mnemonic
    commandAction action;
    int screen;              // screen number for SCREEN and the custom screen steps, else 0
    const char* screenClass; // the window class that the screens register under
    const char* title;       // title text handed to the screen
    const char* caption;     // caption of the MDI child around it
    enableRule rule;         // nullptr: always enabled when the row has an action
};

struct menuRow {
    int id;
    const char* text;
};

// The rows in menu order (a sub-menu's items follow it).
std::span<const commandRow> commandTable();
std::span<const menuRow> menuBarTable();
const commandRow* findCommand(int id);

// The string table of menu hints, by number.
std::optional<std::string_view> hintText(int number);
// The hint of an item: its own entry; of a sub-menu or top-level menu: the
// entry one less than its first item's number, applied again when that item
// is itself a sub-menu. Separators have none.
std::optional<std::string_view> hintFor(int menuOrCommandId);

ruleTerms makeRuleTerms(const radioStorage& image, const ApplicationState& state, const radiomodel& model);

// The row's own rule (items without an action are never enabled).
bool ruleAllows(const commandRow& row, const ruleTerms& terms);
// The rule of the row and of every sub-menu above it: a disabled sub-menu
// hides its items.
bool commandEnabled(int id, const ruleTerms& terms);

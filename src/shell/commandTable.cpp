#include "shell/commandTable.h"

#include "model/radioStorage.h"
#include "model/radiomodel.h"

#include <algorithm>

namespace {

using enum entryKind;
using A = commandAction;

// --- enabling rules ------------------------------------------------------
// One small function per distinct rule; the table names them.

bool noScreen(const ruleTerms& t) {
    return t.noScreenOpen;
}
bool dataPresent(const ruleTerms& t) {
    return t.dataPresent;
}
bool radioRead(const ruleTerms& t) {
    return t.radioRead;
}
bool never(const ruleTerms&) {
    return false;
}

bool tuningWith(const ruleTerms& t, int flag) {
    return t.supported(flag) && t.dataPresent && t.tuningAllowed;
}
bool anyOfGroups(const ruleTerms& t, std::string_view letters) {
    return std::any_of(letters.begin(), letters.end(), [&](char c) { return t.inGroup(c); });
}
bool anyHighBias(const ruleTerms& t) {
    return t.supported(FLAG_PA_BIAS_HIGH) || t.supported(FLAG_PA_BIAS_2) || t.supported(FLAG_PA_BIAS_3);
}

bool frontEndFilter(const ruleTerms& t) {
    return tuningWith(t, FLAG_FRONT_END_FILTER) && !anyOfGroups(t, "ABCD");
}
bool ratedVolumeMenu(const ruleTerms& t) {
    return tuningWith(t, FLAG_RATED_VOLUME);
}
bool ratedVolumeCsq(const ruleTerms& t) {
    return t.supported(FLAG_RATED_VOLUME);
}
bool ratedVolumeSonaro(const ruleTerms& t) {
    return t.modelChar3 == 'W';
}
bool squelchMenu(const ruleTerms& t) {
    return tuningWith(t, FLAG_AUTO_SQUELCH);
}
bool squelch125(const ruleTerms& t) {
    return t.spacing(0) && !t.inGroup('N');
}
bool squelch20(const ruleTerms& t) {
    return t.spacing(1) && !anyOfGroups(t, "ABCDM");
}
bool squelch25(const ruleTerms& t) {
    return t.spacing(2) && !anyOfGroups(t, "ABCDM");
}
bool rssi(const ruleTerms& t) {
    return tuningWith(t, FLAG_RSSI);
}
bool battery(const ruleTerms& t) {
    return tuningWith(t, FLAG_BATTERY);
}
bool paBiasMenu(const ruleTerms& t) {
    return (anyHighBias(t) || t.supported(FLAG_PA_BIAS_LOW)) && t.dataPresent && t.tuningAllowed;
}
bool paBiasHigh(const ruleTerms& t) {
    return anyHighBias(t) && !anyOfGroups(t, "HIK");
}
bool paBiasLow(const ruleTerms& t) {
    return t.supported(FLAG_PA_BIAS_LOW) && t.modelChar3 != 'U' && t.modelChar3 != 'W' && !t.inGroup('C');
}
bool paBiasRxMode(const ruleTerms& t) {
    return anyOfGroups(t, "IK") && anyHighBias(t);
}
bool dac(const ruleTerms& t) {
    return (t.supported(FLAG_MOBILE_KM) && t.tuningAllowed && t.lowBand && !t.inGroup('F') && t.mobile &&
            t.dataPresent) ||
           t.inGroup('B') || t.inGroup('D');
}
bool kmTuning(const ruleTerms& t) {
    return t.supported(FLAG_MOBILE_KM) && t.tuningAllowed && t.mobile && t.dataPresent &&
           !(!t.dacVisited && t.lowBand && t.inGroup('F'));
}
bool refOscWarp(const ruleTerms& t) {
    return tuningWith(t, FLAG_REF_OSC_WARP);
}
bool paVoltageLimit(const ruleTerms& t) {
    return (tuningWith(t, FLAG_PA_VOLTAGE_LIMIT) && t.mobile) || t.inGroup('B');
}
bool modBalance(const ruleTerms& t) {
    return tuningWith(t, FLAG_MOD_BALANCE);
}
bool txPowerMenu(const ruleTerms& t) {
    return (t.supported(FLAG_MOBILE_KM) || t.supported(FLAG_TX_POWER)) && t.tuningAllowed && !t.mobile &&
           t.dataPresent;
}
bool txPowerHigh(const ruleTerms& t) {
    return tuningWith(t, FLAG_TX_POWER) && !t.mobile && !anyOfGroups(t, "HLMN");
}
bool txPowerLow(const ruleTerms& t) {
    return tuningWith(t, FLAG_TX_POWER) && !t.mobile && !t.inGroup('G');
}
bool vcoMenu(const ruleTerms& t) {
    return tuningWith(t, FLAG_VCO_ATTN);
}
bool vco125(const ruleTerms& t) {
    return t.spacing(0);
}
bool vco20(const ruleTerms& t) {
    return t.spacing(1) && !anyOfGroups(t, "ABCD");
}
bool vco25(const ruleTerms& t) {
    return t.spacing(2);
}
bool dtmf(const ruleTerms& t) {
    return tuningWith(t, FLAG_DTMF);
}
bool vys1200(const ruleTerms& t) {
    return tuningWith(t, FLAG_VYS1200);
}
bool hst(const ruleTerms& t) {
    return tuningWith(t, FLAG_HST);
}
bool select5(const ruleTerms& t) {
    return tuningWith(t, FLAG_SELECT5);
}
bool mpt1327(const ruleTerms& t) {
    return tuningWith(t, FLAG_MPT1327);
}
bool bboUpdate(const ruleTerms& t) {
    return t.radioRead && !t.mobile && !anyOfGroups(t, "EGJ") && !t.specialIC;
}

constexpr commandRow SEP(int parent) {
    return {0, parent, SEPARATOR, "", A::NONE, 0, "", "", "", nullptr};
}

// clang-format off
const commandRow COMMANDS[] = {
    // id, parent, kind, text, action, screen, class, title, caption, rule
    {CM_LOAD_ARCHIVE, MENU_FILE, ITEM, "&Load Archive File", A::LOAD_ARCHIVE, 0, "", "", "", noScreen},
    {CM_SAVE_ARCHIVE, MENU_FILE, ITEM, "&Save Archive File", A::SAVE_ARCHIVE, 0, "", "", "", dataPresent},
    {CM_READ_RADIO, MENU_FILE, ITEM, "Read Radio &Information and Softpots", A::READ_RADIO, 0, "", "", "", noScreen},
    {CM_PROGRAM_ALL, MENU_FILE, ITEM, "Program &All", A::PROGRAM_ALL, 0, "", "", "", dataPresent},
    {CM_PRINTER_SETUP, MENU_FILE, ITEM, "&Printer Setup", A::PRINTER_SETUP, 0, "", "", "", dataPresent},
    {CM_PRINT_PREVIEW, MENU_FILE, ITEM, "P&rint/Printout Preview", A::PRINT_PREVIEW, 0, "", "", "", dataPresent},
    SEP(MENU_FILE),
    {CM_EXIT, MENU_FILE, ITEM, "E&xit\tAlt+F4", A::EXIT, 0, "", "", "", nullptr},

    {CM_FRONT_END_FILTER, MENU_RX_ALIGN, ITEM, "&Front End Filter", A::SCREEN, 15,
     "TFrontEndFilterWindow", "Front End Filter", "Front End Filter", frontEndFilter},
    {CM_RATED_VOLUME_MENU, MENU_RX_ALIGN, SUBMENU, "&Rated Volume", A::NONE, 0, "", "", "", ratedVolumeMenu},
    {CM_RATED_VOLUME_CSQ, CM_RATED_VOLUME_MENU, ITEM, "&Carrier Squelch", A::SCREEN, 19, "TRatedVolumeWindow",
     "Rated Volume Tuning", "Rated Volume Tuning (Carrier Squelch environment)", ratedVolumeCsq},
    {CM_RATED_VOLUME_SONARO, CM_RATED_VOLUME_MENU, ITEM, "&Sonaro", A::SCREEN, 38, "TRatedVolumeSonaroWindow",
     "Rated Volume Tuning", "Rated Volume Tuning (Sonaro environment)", ratedVolumeSonaro},
    {CM_SQUELCH_MENU, MENU_RX_ALIGN, SUBMENU, "&Squelch Attn. ", A::NONE, 0, "", "", "", squelchMenu},
    {CM_SQUELCH_125, CM_SQUELCH_MENU, ITEM, "&Squelch Attn.12.5KHz", A::SCREEN, 16, "TAutoSquelch125KHzWindow",
     "Auto Squelch Tuning (12.5KHz)", "Squelch Attn. 12.5KHz", squelch125},
    {CM_SQUELCH_20, CM_SQUELCH_MENU, ITEM, "S&quelch Attn. 20KHz", A::SCREEN, 17, "TAutoSquelch20KHzWindow",
     "Auto Squelch Tuning (20KHz)", "Squelch Attn. 20KHz", squelch20},
    {CM_SQUELCH_25, CM_SQUELCH_MENU, ITEM, "Sq&uelch Attn 25KHz", A::SCREEN, 18, "TAutoSquelch25KHzWindow",
     "Auto Squelch Tuning (25KHz)", "Squelch Attn. 25KHz", squelch25},
    {CM_RSSI, MENU_RX_ALIGN, ITEM, "RSS&I ", A::SCREEN, 20, "TRSSIWindow", "RSSI Tuning", "RSSI Tuning", rssi},

    {CM_BATTERY, MENU_TX_ALIGN, ITEM, "Batt&ery Threshold", A::SCREEN, 32, "TBatteryVoltageWindow",
     "Battery Threshold", "Battery Threshold Tuning", battery},
    {CM_PA_BIAS_MENU, MENU_TX_ALIGN, SUBMENU, "&PA Bias ", A::NONE, 0, "", "", "", paBiasMenu},
    {CM_PA_BIAS_HIGH, CM_PA_BIAS_MENU, ITEM, "&High Power", A::PA_BIAS_HIGH, 11, "TPABiasHighVoltageWindow",
     "PA Bias Voltage 1", "PA Bias Voltage High Power", paBiasHigh},
    {CM_PA_BIAS_LOW, CM_PA_BIAS_MENU, ITEM, "&Low Power", A::PA_BIAS_LOW, 12, "TPABiasLowVoltageWindow",
     "PA Bias Voltage 1", "PA Bias Voltage Low Power", paBiasLow},
    // The Rx mode screen stores 11 but its command compares with 9.
    {CM_PA_BIAS_RX_MODE, CM_PA_BIAS_MENU, ITEM, "&Rx Mode", A::SCREEN, 9, "TPABiasRxModeWindow",
     "PA Bias Rx Mode", "PA Bias Voltage Rx Mode", paBiasRxMode},
    {CM_DAC, MENU_TX_ALIGN, ITEM, "&DAC", A::SCREEN, 35, "TTransmitDACWindow",
     "Transmit DAC Tuning (LB Mobile)", "DAC Tuning", dac},
    {CM_KM_TUNING, MENU_TX_ALIGN, ITEM, "&K and M Tuning", A::SCREEN, 4, "TMobilePowerTuneHI",
     "Transmit Power Tuning (Mobile)", "Transmit Power Tuning (Mobile)", kmTuning},
    {CM_REF_OSC_WARP, MENU_TX_ALIGN, ITEM, "&Reference Oscillator Warp", A::SCREEN, 1, "TRefOscWarpWindow",
     "Reference Oscillator Warp", "Reference Oscillator Warp", refOscWarp},
    {CM_PA_VOLTAGE_LIMIT, MENU_TX_ALIGN, ITEM, "P&A Voltage Limit", A::SCREEN, 34, "TPAVoltageLimitWindow",
     "Transmit PA Volatge Limit", "Transmit PA Voltage Limit", paVoltageLimit},
    {CM_MOD_BALANCE, MENU_TX_ALIGN, ITEM, "Mod. &Balance Attn.", A::SCREEN, 5, "TModulationAttnWindow",
     "Modulation Attenuation", "Mod. Balance Attn.", modBalance},
    {CM_TX_POWER_MENU, MENU_TX_ALIGN, SUBMENU, "&Transmit Power", A::NONE, 0, "", "", "", txPowerMenu},
    {CM_TX_POWER_HIGH, CM_TX_POWER_MENU, ITEM, "&High ", A::SCREEN, 2, "TTransmitHighPowerWindow",
     "Transmit High Power", "Transmit High Power", txPowerHigh},
    {CM_TX_POWER_LOW, CM_TX_POWER_MENU, ITEM, "&Low", A::SCREEN, 3, "TTransmitLowPowerWindow",
     "Transmit Low Power", "Transmit Low Power", txPowerLow},
    {CM_VCO_MENU, MENU_TX_ALIGN, SUBMENU, "&VCO Attn.", A::NONE, 0, "", "", "", vcoMenu},
    {CM_VCO_125, CM_VCO_MENU, ITEM, "&VCO Attn. 12.5KHz", A::SCREEN, 6, "TVCOAttn125KHzWindow",
     "VCO Attenuation (12.5KHz)", "VCO Attn. 12.5kHz", vco125},
    {CM_VCO_20, CM_VCO_MENU, ITEM, "VCO &Attn. 20KHz", A::SCREEN, 7, "TVCOAttn20KHzWindow",
     "VCO Attenuation (20KHz)", "VCO Attn. 20kHz", vco20},
    {CM_VCO_25, CM_VCO_MENU, ITEM, "VCO Att&n. 25KHz", A::SCREEN, 8, "TVCOAttnWindow", "VCO Attenuation",
     "VCO Attn. 25kHz", vco25},
    {CM_DTMF, MENU_TX_ALIGN, ITEM, "&DTMF Deviation", A::SCREEN, 9, "TDTMFWindow", "DTMF Signalling Deviation",
     "DTMF Deviation", dtmf},
    {CM_VYS1200, MENU_TX_ALIGN, ITEM, "&VYS1200 Signalling", A::SCREEN, 10, "TVYS1200Window",
     "VYS1200 Signalling Deviation", "VYS Signalling", vys1200},
    {CM_HST, MENU_TX_ALIGN, ITEM, "&High Speed Trunking Signalling", A::SCREEN, 33, "THSSWindow",
     "High Speed Trunking Signalling Deviation", "High Speed Trunking Signalling Deviation", hst},
    {CM_SELECT5, MENU_TX_ALIGN, ITEM, "&Select 5 Signalling", A::SCREEN, 13, "TSelect5Window",
     "Select 5 Signalling Deviation", "Select 5 Signalling Deviation", select5},
    {CM_MPT1327, MENU_TX_ALIGN, ITEM, "MPT1327 Si&gnalling ", A::SCREEN, 14, "TMPT1200Window",
     "MPT1200 Signalling Deviation", "MPT1327 Signalling Deviation", mpt1327},

    {CM_COMM_SETTINGS, MENU_OPTIONS, ITEM, "&Communication Settings", A::COMM_SETTINGS, 0, "", "", "", nullptr},
    {CM_SERIAL_TRACE, MENU_OPTIONS, ITEM, "Serial &Trace to File...", A::SERIAL_TRACE, 0, "", "", "", nullptr},

    {CM_PROGRAM_SERIAL, MENU_UTILITIES, ITEM, "&Program Serial No.", A::PROGRAM_SERIAL, 30,
     "TSerialProgramWindow", "Program Serial No", "Program Radio Serial No.", radioRead},
    {CM_BBO_UPDATE, MENU_UTILITIES, ITEM, "&Baseband Offset Update", A::BBO_UPDATE, 31,
     "TBasebandUpdateWindow", "Update Baseband Offset", "Update Baseband Offset", bboUpdate},
    {CM_TEMP_COMP_READ, MENU_UTILITIES, ITEM, "Temp Comp Data Rea&d", A::TEMP_COMP_READ, 39, "TTempCompWindow",
     "Read Temp Comp", "Read Temp Comp", radioRead},
    {CM_TEMP_COMP_WRITE, MENU_UTILITIES, ITEM, "Temp Comp Data Wr&ite", A::TEMP_COMP_WRITE, 40,
     "TTempCompWindow", "Write Temp Comp", "Write Temp Comp", radioRead},

    {CM_WINDOW_MENU, MENU_WINDOW, SUBMENU, "&Window", A::NONE, 0, "", "", "", never},
    {CM_WINDOW_SUB_CASCADE, CM_WINDOW_MENU, ITEM, "&Cascade", A::NONE, 0, "", "", "", never},
    {CM_WINDOW_SUB_TILE, CM_WINDOW_MENU, ITEM, "&Tile", A::NONE, 0, "", "", "", never},
    {CM_WINDOW_SUB_ARRANGE, CM_WINDOW_MENU, ITEM, "Arrange &Icons", A::NONE, 0, "", "", "", never},
    {CM_WINDOW_SUB_CLOSE_ALL, CM_WINDOW_MENU, ITEM, "C&lose All", A::NONE, 0, "", "", "", never},
    {CM_CASCADE, MENU_WINDOW, ITEM, "&Cascade", A::NONE, 0, "", "", "", never},
    {CM_TILE, MENU_WINDOW, ITEM, "&Tile", A::NONE, 0, "", "", "", never},
    {CM_ARRANGE_ICONS, MENU_WINDOW, ITEM, "Arrange &Icons", A::NONE, 0, "", "", "", never},
    {CM_CLOSE_ALL, MENU_WINDOW, ITEM, "C&lose All", A::NONE, 0, "", "", "", never},

    {CM_HELP_INDEX, MENU_HELP, ITEM, "&Index", A::HELP_INDEX, 0, "", "", "", nullptr},
    {CM_PORTABLE_SETUP, MENU_HELP, ITEM, "&Portable Radio Setup   ", A::SETUP_PICTURE, 41, "veltraSetupWindow",
     "Radio Setup", "Radio Setup", nullptr},
    {CM_MOBILE_SETUP, MENU_HELP, ITEM, "&Mobile Radio Setup", A::SETUP_PICTURE, 42, "veltraSetupWindow",
     "Radio Setup", "Radio Setup", nullptr},
    {CM_RADIO_INFO, MENU_HELP, ITEM, "&Radio Hardware Information", A::RADIO_INFO, 0, "", "", "", nullptr},
    {CM_HELP_USING, MENU_HELP, ITEM, "&Using help", A::HELP_USING, 0, "", "", "", nullptr},
    SEP(MENU_HELP),
    {CM_ABOUT, MENU_HELP, ITEM, "&About...", A::ABOUT, 0, "", "", "", nullptr},
};

const menuRow MENUS[] = {
    {MENU_FILE, "&File"}, {MENU_RX_ALIGN, "&Rx Align"}, {MENU_TX_ALIGN, "&Tx Align"},
    {MENU_OPTIONS, "&Options"}, {MENU_UTILITIES, "&Utilities"}, {MENU_WINDOW, "&Window"}, {MENU_HELP, "&Help"},
};

struct hintRow {
    int number;
    const char* text;
};

// The string table of menu hints as the status bar shows them.
const hintRow HINTS[] = {
    {24331, "Perform file/radio related operations"},
    {24332, "Loads softpot archive files"},
    {11861, "Saves softpot archive files."},
    {11842, "Reads all radio particulars into memory"},
    {18873, "Program all currently stored data into radio"},
    {24338, "Sets print characteristics for the active document"},
    {24340, "Print most recently loaded archive file/read radio."},
    {24310, "Quits the Veltra for Kestrel Radio application"},
    {11899, "Perform receive tuning operations"},
    {11900, "Perform Front End Filter tuning"},
    {11880, "Perform Rated Volume tuning"},
    {11881, "Perform Rated Volume on Carrier Squelch environment."},
    {11882, "Perform Rated Volume on Sonaro environment."},
    {11853, "Perform Manual/Auto Squelch tuning"},
    {11854, "Perform Squelch tuning for 12.5KHz Channel Spacing"},
    {11855, "Perform Squelch tuning for 20KHz Channel Spacing"},
    {11856, "Perform Squelch tuning for 25 KHz Channel Spacing"},
    {11848, "Perform RSSI tuning for MPT Kestrel radios"},
    {11865, "Battery Threshold tuning for Mobile radios."},
    {11862, "Option for PA Bias High/Low Voltage"},
    {11863, "Perform PA Bias High Voltage tuning"},
    {11864, "Perform PA Bias Low Voltage tuning"},
    {11878, "Perform PA Bias High/Low power voltage tuning in Rx Mode"},
    {11850, "K & M tuning method for mobile radios."},
    {11910, "Perform Reference Oscillator Warping"},
    {11868, "PA Voltage Limit Auto Tuning"},
    {11860, "Perform Modulation Balance Attenuation tuning"},
    {11846, "Perform Transmit Power tuning"},
    {11847, "Perform Transmit High Power tuning"},
    {11849, "Perform Transmit Low Power tuning"},
    {11870, "Perform VCO Attenuation tuning"},
    {11871, "Perform VCO Attenuation tuning for 12.5KHz Channel Spacing"},
    {11872, "Perform VCO Attenuation tuning for 20KHz Channel Spacing"},
    {11873, "Perform VCO Attenuation tuning for 25KHz Channel Spacing"},
    {11874, "Perform tuning for DTMF deviation"},
    {11851, "Perform tuning for VYS1200 Signalling deviation"},
    {11867, "Perform High Speed Deviation tuning Orvix Kestrel radios"},
    {11845, "Perform Select 5 Deviation tuning for MPT Kestrel radios"},
    {11844, "Perform MPT 1327 Signalling Deviation tuning for MPT Kestrel radios"},
    {11919, "Edit current communication settings"},
    {11920, "Select COM port"},
    {11921, "Write every byte sent to and received from the radio into a trace file"},
    {11929, "Perform utility oriented functions for the radio"},
    {11930, "Program Serial No. for radios which have blank serial no."},
    {11857, "Change radio baseband offset setting"},
    {11852, "Read radio Temp Comp data"},
    {18875, "Perform PA Bias High Power Voltage tuning"},
    {18876, "Write radio Temp Comp data"},
    {24361, "Cascades open windows"},
    {24362, "Tiles open windows"},
    {24364, "Arranges iconic windows along bottom"},
    {24365, "Closes all open windows"},
    {2000, "Access online help"},
    {2001, "Help Index table of contents"},
    {11859, "Option which displays currently connected radio information"},
    {2002, "Help on using online Help"},
    {2009, "About the Veltra for Kestrel Radio application"},
};
// clang-format on

const commandRow* firstChild(int parent) {
    for (const auto& row : COMMANDS)
        if (row.parent == parent)
            return &row;
    return nullptr;
}

// One less than the number of the menu's first item; when that item is itself
// a sub-menu, one less than the sub-menu's own number by the same rule.
int menuHintNumber(int menu) {
    const commandRow* first = firstChild(menu);
    if (!first)
        return 0;
    return (first->kind == SUBMENU ? menuHintNumber(first->id) : first->id) - 1;
}

} // namespace

bool ruleTerms::supported(int flag) const {
    return image != nullptr && image->isSupported(flag);
}

std::span<const commandRow> commandTable() {
    return COMMANDS;
}
std::span<const menuRow> menuBarTable() {
    return MENUS;
}

const commandRow* findCommand(int id) {
    if (id == 0)
        return nullptr;
    for (const auto& row : COMMANDS)
        if (row.id == id)
            return &row;
    return nullptr;
}

std::optional<std::string_view> hintText(int number) {
    for (const auto& h : HINTS)
        if (h.number == number)
            return std::string_view(h.text);
    return std::nullopt;
}

std::optional<std::string_view> hintFor(int id) {
    const commandRow* row = findCommand(id);
    if (row && row->kind == ITEM)
        return hintText(id);
    if (!row && id >= 0)
        return std::nullopt;
    const int number = menuHintNumber(id);
    return number ? hintText(number) : std::nullopt;
}

ruleTerms makeRuleTerms(const radioStorage& image, const ApplicationState& state, const radiomodel& model) {
    ruleTerms t;
    t.image = &image;
    t.dataPresent = state.dataPresent();
    t.radioRead = state.radioRead;
    t.tuningAllowed = state.tuningAllowed;
    t.noScreenOpen = state.openScreenId == 0;
    t.mobile = image.getRadioType() == 2;
    t.lowBand = image.getSoftpot(ROW_MOBILE_KM, COL_KM_LOW_BAND) == 1;
    t.dacVisited = image.getSoftpot(ROW_DAC_VISITED, 0) != 0;
    t.spacingMask = model.channelSpacingMask(image);
    t.specialIC = model.hasSpecialICVersion(image);
    const auto modelNumber = image.getModelNumber();
    t.modelChar3 = modelNumber.size() > 3 ? modelNumber[3] : '\0';
    const bool groups[] = {
        model.isModelGroupA(image), model.isModelGroupB(image), model.isModelGroupC(image),
        model.isModelGroupD(image), model.isModelGroupE(image), model.isModelGroupF(image),
        model.isModelGroupG(image), model.isModelGroupH(image), model.isModelGroupI(image),
        model.isModelGroupJ(image), model.isModelGroupK(image), model.isModelGroupL(image),
        model.isModelGroupM(image), model.isModelGroupN(image),
    };
    static_assert(std::size(groups) == std::size(t.group));
    std::copy(std::begin(groups), std::end(groups), std::begin(t.group));
    return t;
}

bool ruleAllows(const commandRow& row, const ruleTerms& terms) {
    if (row.kind == SEPARATOR)
        return false;
    if (row.kind == ITEM && row.action == A::NONE)
        return false;
    return row.rule ? row.rule(terms) : true;
}

bool commandEnabled(int id, const ruleTerms& terms) {
    for (const commandRow* row = findCommand(id); row; row = findCommand(row->parent))
        if (!ruleAllows(*row, terms))
            return false;
    return findCommand(id) != nullptr;
}

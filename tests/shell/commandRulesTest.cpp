// The enabling rules of the command table as a table of image states against
// the commands they enable, and the menu hint rule.
#include "model/modelCatalogue.h"
#include "model/radioStorage.h"
#include "model/radiomodel.h"
#include "shell/commandTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace {

struct imageState {
    radioStorage image;
    ApplicationState state;
    imageState() { state.tuningAllowed = true; } // as the MDI client starts
};

// A read of the given model and radio type, with every procedure supported
// and all channel spacings in the radio-info cell.
void readRadio(imageState& s, const char* model, int radioType) {
    s.image.setModelNumber(std::string(model) + "      ");
    s.image.setSerialNumber("1234567890");
    s.image.setRadioType(radioType);
    s.image.setSoftpot(ROW_RADIO_INFO, 7, COL_SPACING_MASK);
    for (int flag = FIRST_SUPPORT_FLAG; flag <= LAST_SUPPORT_FLAG; ++flag)
        s.image.setSupported(flag);
    if (radioType == 2)
        s.image.clearSupported(FLAG_PA_BIAS_LOW);
    s.state.radioRead = true;
}

std::set<int> enabledCommands(const imageState& s) {
    const radiomodel model;
    const auto terms = makeRuleTerms(s.image, s.state, model);
    std::set<int> ids;
    for (const auto& row : commandTable())
        if (row.kind == entryKind::ITEM && commandEnabled(row.id, terms))
            ids.insert(row.id);
    return ids;
}

std::string names(const std::vector<int>& ids) {
    std::string s;
    for (int id : ids)
        s += std::to_string(id) + " ";
    return s;
}

// The commands every state enables.
const std::set<int> ALWAYS = {CM_EXIT,       CM_COMM_SETTINGS,  CM_SERIAL_TRACE,
                              CM_HELP_INDEX, CM_PORTABLE_SETUP, CM_MOBILE_SETUP,
                              CM_RADIO_INFO, CM_HELP_USING,     CM_ABOUT};

std::set<int> withAlways(std::initializer_list<int> ids) {
    std::set<int> s = ALWAYS;
    s.insert(ids);
    return s;
}

modelCatalogue::Uuid spacingUuid(int index) {
    return modelCatalogue::current().modelSpacingUUIDs.at(index);
}

} // namespace

TEST(commandRulesTest, EnabledCommandsByImageState) {
    struct Case {
        const char* name;
        std::function<void(imageState&)> prepare;
        std::set<int> expected;
    };
    const Case cases[] = {
        {"start: no radio, no archive", [](imageState&) {}, withAlways({CM_LOAD_ARCHIVE, CM_READ_RADIO})},
        {"portable read", [](imageState& s) { readRadio(s, "T31S4NK1C7", 1); },
         withAlways({CM_LOAD_ARCHIVE,
                     CM_READ_RADIO,
                     CM_SAVE_ARCHIVE,
                     CM_PROGRAM_ALL,
                     CM_PRINTER_SETUP,
                     CM_PRINT_PREVIEW,
                     CM_FRONT_END_FILTER,
                     CM_RATED_VOLUME_CSQ,
                     CM_SQUELCH_125,
                     CM_SQUELCH_20,
                     CM_SQUELCH_25,
                     CM_RSSI,
                     CM_BATTERY,
                     CM_PA_BIAS_HIGH,
                     CM_PA_BIAS_LOW,
                     CM_REF_OSC_WARP,
                     CM_MOD_BALANCE,
                     CM_TX_POWER_HIGH,
                     CM_TX_POWER_LOW,
                     CM_VCO_125,
                     CM_VCO_20,
                     CM_VCO_25,
                     CM_DTMF,
                     CM_VYS1200,
                     CM_HST,
                     CM_SELECT5,
                     CM_MPT1327,
                     CM_PROGRAM_SERIAL,
                     CM_BBO_UPDATE,
                     CM_TEMP_COMP_READ,
                     CM_TEMP_COMP_WRITE})},
        {"mobile read (group M), not low-band", [](imageState& s) { readRadio(s, "V48S7R3AM6", 2); },
         withAlways({CM_LOAD_ARCHIVE,     CM_READ_RADIO,
                     CM_SAVE_ARCHIVE,     CM_PROGRAM_ALL,
                     CM_PRINTER_SETUP,    CM_PRINT_PREVIEW,
                     CM_FRONT_END_FILTER, CM_RATED_VOLUME_CSQ,
                     CM_SQUELCH_125,      CM_RSSI,
                     CM_BATTERY,          CM_PA_BIAS_HIGH,
                     CM_KM_TUNING,        CM_REF_OSC_WARP,
                     CM_PA_VOLTAGE_LIMIT, CM_MOD_BALANCE,
                     CM_VCO_125,          CM_VCO_20,
                     CM_VCO_25,           CM_DTMF,
                     CM_VYS1200,          CM_HST,
                     CM_SELECT5,          CM_MPT1327,
                     CM_PROGRAM_SERIAL,   CM_TEMP_COMP_READ,
                     CM_TEMP_COMP_WRITE})},
        {"low-band group F mobile, DAC not visited: DAC and K and M both closed",
         [](imageState& s) {
             readRadio(s, "V42R7R3AM6", 2);
             s.image.setSoftpot(ROW_MOBILE_KM, 1, COL_KM_LOW_BAND);
         },
         withAlways({CM_LOAD_ARCHIVE,
                     CM_READ_RADIO,
                     CM_SAVE_ARCHIVE,
                     CM_PROGRAM_ALL,
                     CM_PRINTER_SETUP,
                     CM_PRINT_PREVIEW,
                     CM_FRONT_END_FILTER,
                     CM_RATED_VOLUME_CSQ,
                     CM_SQUELCH_125,
                     CM_SQUELCH_20,
                     CM_SQUELCH_25,
                     CM_RSSI,
                     CM_BATTERY,
                     CM_PA_BIAS_RX_MODE,
                     CM_REF_OSC_WARP,
                     CM_PA_VOLTAGE_LIMIT,
                     CM_MOD_BALANCE,
                     CM_VCO_125,
                     CM_VCO_20,
                     CM_VCO_25,
                     CM_DTMF,
                     CM_VYS1200,
                     CM_HST,
                     CM_SELECT5,
                     CM_MPT1327,
                     CM_PROGRAM_SERIAL,
                     CM_TEMP_COMP_READ,
                     CM_TEMP_COMP_WRITE})},
        {"tuningAllowed false: no tuning procedure",
         [](imageState& s) {
             readRadio(s, "T31S4NK1C7", 3);
             s.state.tuningAllowed = false;
         },
         withAlways({CM_LOAD_ARCHIVE, CM_READ_RADIO, CM_SAVE_ARCHIVE, CM_PROGRAM_ALL, CM_PRINTER_SETUP,
                     CM_PRINT_PREVIEW, CM_PROGRAM_SERIAL, CM_BBO_UPDATE, CM_TEMP_COMP_READ,
                     CM_TEMP_COMP_WRITE})},
        {"archive loaded, no radio read: utilities closed",
         [](imageState& s) {
             readRadio(s, "T31S4NK1C7", 1);
             s.state.radioRead = false;
             s.state.archiveLoaded = true;
         },
         withAlways({CM_LOAD_ARCHIVE,
                     CM_READ_RADIO,
                     CM_SAVE_ARCHIVE,
                     CM_PROGRAM_ALL,
                     CM_PRINTER_SETUP,
                     CM_PRINT_PREVIEW,
                     CM_FRONT_END_FILTER,
                     CM_RATED_VOLUME_CSQ,
                     CM_SQUELCH_125,
                     CM_SQUELCH_20,
                     CM_SQUELCH_25,
                     CM_RSSI,
                     CM_BATTERY,
                     CM_PA_BIAS_HIGH,
                     CM_PA_BIAS_LOW,
                     CM_REF_OSC_WARP,
                     CM_MOD_BALANCE,
                     CM_TX_POWER_HIGH,
                     CM_TX_POWER_LOW,
                     CM_VCO_125,
                     CM_VCO_20,
                     CM_VCO_25,
                     CM_DTMF,
                     CM_VYS1200,
                     CM_HST,
                     CM_SELECT5,
                     CM_MPT1327})},
        {"a screen open: no read and no load",
         [](imageState& s) {
             readRadio(s, "T31S4NK1C7", 1);
             s.image.clearSupported(FLAG_BATTERY);
             s.state.openScreenId = 1;
         },
         withAlways({CM_SAVE_ARCHIVE,     CM_PROGRAM_ALL,
                     CM_PRINTER_SETUP,    CM_PRINT_PREVIEW,
                     CM_FRONT_END_FILTER, CM_RATED_VOLUME_CSQ,
                     CM_SQUELCH_125,      CM_SQUELCH_20,
                     CM_SQUELCH_25,       CM_RSSI,
                     CM_PA_BIAS_HIGH,     CM_PA_BIAS_LOW,
                     CM_REF_OSC_WARP,     CM_MOD_BALANCE,
                     CM_TX_POWER_HIGH,    CM_TX_POWER_LOW,
                     CM_VCO_125,          CM_VCO_20,
                     CM_VCO_25,           CM_DTMF,
                     CM_VYS1200,          CM_HST,
                     CM_SELECT5,          CM_MPT1327,
                     CM_PROGRAM_SERIAL,   CM_BBO_UPDATE,
                     CM_TEMP_COMP_READ,   CM_TEMP_COMP_WRITE})},
    };
    for (const auto& c : cases) {
        imageState s;
        c.prepare(s);
        const auto got = enabledCommands(s);
        std::vector<int> missing, extra;
        std::set_difference(c.expected.begin(), c.expected.end(), got.begin(), got.end(),
                            std::back_inserter(missing));
        std::set_difference(got.begin(), got.end(), c.expected.begin(), c.expected.end(),
                            std::back_inserter(extra));
        EXPECT_TRUE(missing.empty() && extra.empty())
            << c.name << ": missing " << names(missing) << "; unexpected " << names(extra);
    }
}

// A radio whose UUID is in the spacing table takes its channel spacing from
// the model number, whatever the radio-info cell says.
TEST(commandRulesTest, SpacingFromTheModelNumberForTableUuids) {
    struct Case {
        const char* name;
        const char* model;
        bool tableUuid;
        std::set<int> spacingItems;
    };
    const Case cases[] = {
        {"'4': 12.5 kHz only", "T31H3PC2N4", true, {CM_VCO_125, CM_SQUELCH_125}},
        {"'6': 20 and 25 kHz", "T31H3PC2N6", true, {CM_VCO_20, CM_VCO_25, CM_SQUELCH_20, CM_SQUELCH_25}},
        {"other UUID: the radio-info cell (12.5 kHz)", "T31H3PC2N6", false, {CM_VCO_125, CM_SQUELCH_125}},
    };
    const std::set<int> spacing = {CM_VCO_125,     CM_VCO_20,     CM_VCO_25,
                                   CM_SQUELCH_125, CM_SQUELCH_20, CM_SQUELCH_25};
    for (const auto& c : cases) {
        imageState s;
        readRadio(s, c.model, 1);
        s.image.setSoftpot(ROW_RADIO_INFO, 1, COL_SPACING_MASK);
        if (c.tableUuid)
            s.image.setUUID(spacingUuid(c.model[9] == '4' ? 0 : 1));
        std::set<int> got;
        for (int id : enabledCommands(s))
            if (spacing.count(id))
                got.insert(id);
        EXPECT_EQ(got, c.spacingItems) << c.name;
    }
}

TEST(commandRulesTest, DisabledSubMenuHidesItemsWhoseOwnRuleHolds) {
    imageState s; // start: the carrier squelch item's own rule holds (flag set at construction)
    const radiomodel model;
    const auto terms = makeRuleTerms(s.image, s.state, model);
    const commandRow* csq = findCommand(CM_RATED_VOLUME_CSQ);
    ASSERT_NE(csq, nullptr);
    EXPECT_TRUE(ruleAllows(*csq, terms));
    EXPECT_FALSE(commandEnabled(CM_RATED_VOLUME_MENU, terms));
    EXPECT_FALSE(commandEnabled(CM_RATED_VOLUME_CSQ, terms));
}

TEST(commandRulesTest, WindowCommandsAreNeverEnabled) {
    imageState s;
    readRadio(s, "T31S4NK1C7", 1);
    const radiomodel model;
    const auto terms = makeRuleTerms(s.image, s.state, model);
    for (int id : {CM_WINDOW_MENU, CM_WINDOW_SUB_CASCADE, CM_WINDOW_SUB_TILE, CM_WINDOW_SUB_ARRANGE,
                   CM_WINDOW_SUB_CLOSE_ALL, CM_CASCADE, CM_TILE, CM_ARRANGE_ICONS, CM_CLOSE_ALL})
        EXPECT_FALSE(commandEnabled(id, terms)) << id;
}

TEST(commandRulesTest, SonaroAndPABiasLowFollowTheFourthModelCharacter) {
    struct Case {
        const char* model;
        bool sonaro;
        bool paBiasLow;
    };
    const Case cases[] = {
        {"T35W2A4BM1", true, false},  // 'W'
        {"T23U512SC3", false, false}, // 'U'
        {"T31S4NK1C7", false, true},
    };
    for (const auto& c : cases) {
        imageState s;
        readRadio(s, c.model, 1);
        const auto got = enabledCommands(s);
        EXPECT_EQ(got.count(CM_RATED_VOLUME_SONARO) == 1, c.sonaro) << c.model;
        EXPECT_EQ(got.count(CM_PA_BIAS_LOW) == 1, c.paBiasLow) << c.model;
    }
}

TEST(commandRulesTest, MenuHintsFollowTheFirstItemRule) {
    struct Case {
        int menu;
        const char* hint;
    };
    const Case cases[] = {
        {MENU_FILE, "Perform file/radio related operations"},
        {MENU_RX_ALIGN, "Perform receive tuning operations"},
        {MENU_TX_ALIGN, "Perform PA Bias Low Voltage tuning"},
        {MENU_OPTIONS, "Edit current communication settings"},
        {MENU_UTILITIES, "Perform utility oriented functions for the radio"},
        {MENU_WINDOW, "Perform PA Bias High Power Voltage tuning"},
        {CM_WINDOW_MENU, "Write radio Temp Comp data"},
        {MENU_HELP, "Access online help"},
        {CM_PA_BIAS_MENU, "Option for PA Bias High/Low Voltage"},
        {CM_RATED_VOLUME_MENU, "Perform Rated Volume tuning"},
    };
    for (const auto& c : cases) {
        const auto hint = hintFor(c.menu);
        ASSERT_TRUE(hint.has_value()) << c.menu;
        EXPECT_EQ(*hint, c.hint) << c.menu;
    }
    EXPECT_EQ(hintFor(CM_READ_RADIO).value_or(""), "Reads all radio particulars into memory");
    EXPECT_FALSE(hintFor(CM_DAC).has_value());
    EXPECT_FALSE(hintFor(CM_TEMP_COMP_WRITE).has_value());
    EXPECT_FALSE(hintFor(0).has_value()); // separators
}

TEST(commandRulesTest, CommandNumbersAreUniqueAndParentsExist) {
    std::set<int> seen;
    for (const auto& row : commandTable()) {
        if (row.kind == entryKind::SEPARATOR)
            continue;
        EXPECT_TRUE(seen.insert(row.id).second) << "duplicate " << row.id;
        const bool topLevel = row.parent < 0;
        EXPECT_TRUE(topLevel || findCommand(row.parent)) << row.id;
    }
}

// Each screen's own data, one row per screen: number, titles, range, note
// line, opening requests (test mode, channel), the program write of its
// softpot type, and its texts. All on the portable radio, whose seven
// transmit and receive points are all present.
#include "screenHarness.h"

#include "screens/screenTable.h"
#include "screens/tuningScreens.h"
#include "shell/commandTable.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

using namespace screentest;
using ::testing::Contains;
using ::testing::ElementsAreArray;

namespace {

using Requests = std::vector<std::string>;
using opener = std::function<std::unique_ptr<TuningScreen>(harness&)>;

template <class Screen> opener make() {
    return [](harness& h) -> std::unique_ptr<TuningScreen> { return h.open<Screen>(); };
}

struct Case {
    const char* name;
    opener open;
    int number;
    int commandId;
    const char* title;
    const char* caption;
    int rows;
    bool transmit;
    int maximum;
    const char* note;
    Requests opening;
    const char* commit;
    const char* firstStore; // Program with the stored values
    const char* aboveMaximum;
    const char* aborted;
    const char* empty;
    const char* emptyCaption;
    const char* mismatch;
};

constexpr const char* LOWER = "Serial No. mismatch!! Read in new radio?";
constexpr const char* UPPER = "Serial No. Mismatch!! Read in new radio?";
constexpr const char* VCO_ABORTED = "Program softpots aborted for VCO Attn.!! Illegal softpot value";
constexpr const char* VCO_EMPTY = "Please enter a valid VCO Attn. softpot value!!";

const Case CASES[] = {
    {"RefOscWarp",
     make<TRefOscWarpWindow>(),
     1,
     11910,
     "Reference Oscillator Warp",
     "Reference Oscillator Warp",
     1,
     true,
     511,
     "Note : Valid Softpot values will range from 0-511",
     {"serial", "test 0 2 2", "test 129 2 2", "pair 7595 7595"},
     "Commit new softpot value? Softpot Value Range (0-511)",
     "store 11 268 (2 bytes)",
     "512",
     "Program softpots aborted for Reference Oscillator Warp !! Illegal softpot value",
     "Please enter a valid Reference Oscillator Warp softpot value!!",
     "ERROR",
     LOWER},
    {"TransmitHighPower",
     make<TTransmitHighPowerWindow>(),
     2,
     11847,
     "Transmit High Power",
     "Transmit High Power",
     7,
     true,
     127,
     "Note : Valid Softpot values will range from 0-127",
     {"serial", "test 0 0 2", "test 129 0 2", "pair 5 5"},
     "Commit new softpot values? Softpot Value Range 0-127",
     "store 0 102",
     "128",
     "Program softpots aborted for Transmit High Power!! Illegal softpot value",
     "Please enter a valid Transmit High Power softpot value!!",
     "NOTE",
     LOWER},
    {"TransmitLowPower",
     make<TTransmitLowPowerWindow>(),
     3,
     11849,
     "Transmit Low Power",
     "Transmit Low Power",
     7,
     true,
     127,
     "Note : Valid Softpot values will range from 0-127",
     {"serial", "test 0 2 2", "test 129 2 2", "pair 5 5"},
     "Commit new softpot values? Softpot Value Range (0-127)",
     "store 0 38",
     "128",
     "Program softpots aborted for Transmit Low Power!! Illegal softpot value",
     "Please enter a valid Transmit Low Power softpot value!!",
     "NOTE",
     LOWER},
    {"ModulationBalance",
     make<TModulationAttnWindow>(),
     5,
     11860,
     "Modulation Attenuation",
     "Mod. Balance Attn.",
     7,
     true,
     63,
     "Note : Valid Softpot values will range from 0-63",
     {"serial", "test 14 2 1", "live 2 127", "pair 5 5"},
     "Commit new softpot values? Softpot Value Range (0-63)",
     "store 3 30",
     "64",
     "Program softpots aborted for Modulation Attn.!! Illegal softpot value",
     "Please enter a valid Modulation Attn. softpot value !!",
     "NOTE",
     LOWER},
    {"VCO12.5kHz",
     make<TVCOAttn125KHzWindow>(),
     6,
     11871,
     "VCO Attenuation (12.5KHz)",
     "VCO Attn. 12.5kHz",
     1,
     true,
     127,
     "Note : Valid Softpot values will range from 0-127",
     {"serial", "test 0 2 0", "test 128 2 0", "pair 7595 7595"},
     "Commit new softpot value? Softpot Value Range (0-127)",
     "store 2 48",
     "128",
     VCO_ABORTED,
     VCO_EMPTY,
     "NOTE",
     LOWER},
    {"VCO20kHz",
     make<TVCOAttn20KHzWindow>(),
     7,
     11872,
     "VCO Attenuation (20KHz)",
     "VCO Attn. 20kHz",
     1,
     true,
     127,
     "Note : Valid Softpot values will range from 0-127",
     {"serial", "test 0 2 1", "test 128 2 1", "pair 7595 7595"},
     "Commit new softpot values? Softpot Value Range (0-127)",
     "store 2 61",
     "128",
     VCO_ABORTED,
     VCO_EMPTY,
     "NOTE",
     LOWER},
    {"VCO25kHz",
     make<TVCOAttnWindow>(),
     8,
     11873,
     "VCO Attenuation",
     "VCO Attn. 25kHz",
     7,
     true,
     127,
     "Note : Valid Softpot values will range from 0-127",
     {"serial", "test 0 2 2", "test 128 2 2", "pair 5 5"},
     "Commit new softpot values? Softpot Value Range(0-127)",
     "store 2 64",
     "128",
     VCO_ABORTED,
     VCO_EMPTY,
     "NOTE",
     LOWER},
    {"FrontEndFilter",
     make<TFrontEndFilterWindow>(),
     15,
     11900,
     "Front End Filter",
     "Front End Filter",
     7,
     false,
     255,
     "Note : Valid Softpot values will range from 0-255",
     {"serial", "pair 5 5", "test 0 2 2"},
     "Commit new softpot values?",
     "store 13 38",
     "256",
     "Program softpots aborted for Front End Filter!! Illegal softpot value",
     "Please enter a valid Front End Filter softpot value!!",
     "NOTE",
     LOWER},
    {"RatedVolume",
     make<TRatedVolumeWindow>(),
     19,
     11881,
     "Rated Volume Tuning",
     "Rated Volume Tuning (Carrier Squelch environment)",
     1,
     false,
     255,
     "Note : Valid Softpot values will range from 0-255",
     {"serial", "pair 3800 3800", "test 0 2 2"},
     "Commit new softpot value? Softpot Value Range(0-255)",
     "store 8 150",
     "256",
     "Program softpots aborted for Rated Volume!! Illegal softpot value",
     "Please enter a valid Rated Volume softpot value!!",
     "NOTE",
     UPPER},
    {"RatedVolumeSonaro",
     make<TRatedVolumeSonaroWindow>(),
     38,
     11882,
     "Rated Volume Tuning",
     "Rated Volume Tuning (Sonaro environment)",
     1,
     false,
     255,
     "Note : Valid Softpot values will range from 0-255",
     {"serial", "pair 3800 3800", "test 18 2 2"},
     "Commit new softpot value? Softpot Value Range(0-255)",
     "store 8 142",
     "256",
     "Program softpots aborted for Rated Volume!! Illegal softpot value",
     "Please enter a valid Rated Volume softpot value!!",
     "NOTE",
     UPPER},
    {"DTMF",
     make<TDTMFWindow>(),
     9,
     11874,
     "DTMF Signalling Deviation",
     "DTMF Deviation",
     1,
     true,
     31,
     "Note : Valid Softpot values will range from 0-31",
     {"serial", "test 3 2 2", "pair 5 5"},
     "Commit new softpot value? Softpot Value Range(0-31)",
     "store 14 17",
     "32",
     "Program softpots aborted for DTMF Signalling!! Illegal softpot value",
     "Please enter a valid DTMF Signalling softpot value!!",
     "NOTE",
     UPPER},
    {"VYS1200",
     make<TVYS1200Window>(),
     10,
     11851,
     "VYS1200 Signalling Deviation",
     "VYS Signalling",
     1,
     true,
     31,
     "Note : Valid Softpot values will range from 0-31",
     {"serial", "test 4 2 2", "pair 3800 3800"},
     "Commit new softpot value? Softpot Value Range (0-31)",
     "store 24 15",
     "32",
     "Program softpots aborted for VYS1200!! Illegal softpot value",
     "Please enter a valid VYS1200 softpot value!!",
     "NOTE",
     UPPER},
    {"Select5",
     make<TSelect5Window>(),
     13,
     11845,
     "Select 5 Signalling Deviation",
     "Select 5 Signalling Deviation",
     1,
     true,
     31,
     "Note : Valid Softpot values will range from 0-31",
     {"serial", "test 4 2 2", "pair 7595 7595"},
     "Commit new softpot value? Softpot Value Range (0-31)",
     "store 15 18",
     "32",
     "Program softpots aborted for Select 5 Signalling !! Illegal softpot value",
     "Please enter a valid Select 5 Signalling softpot value!!",
     "ERROR",
     LOWER},
    {"HST",
     make<THSSWindow>(),
     33,
     11867,
     "High Speed Trunking Signalling Deviation",
     "High Speed Trunking Signalling Deviation",
     1,
     true,
     31,
     "Note : Valid Softpot values will range from 0-31",
     {"serial", "test 7 2 2", "pair 7595 7595"},
     "Commit new softpot value? Softpot Value Range (0-31)",
     "store 16 16",
     "32",
     "Program softpots aborted for High Speed Signalling !! Illegal softpot value",
     "Please enter a valid High Speed Signalling softpot value!!",
     "ERROR",
     LOWER},
    {"MPT1327",
     make<TMPT1200Window>(),
     14,
     11844,
     "MPT1200 Signalling Deviation",
     "MPT1327 Signalling Deviation",
     1,
     true,
     31,
     "Note : Valid Softpot values will range from 0-31",
     {"serial", "test 5 2 2", "pair 3800 3800"},
     "Commit new softpot value? Softpot Value Range (0-31)",
     "store 5 19",
     "32",
     "Program softpots aborted for MPT1200!! Illegal softpot value",
     "Please enter a valid MPT1200 softpot value!!",
     "NOTE",
     UPPER},
};

// A failing case names its screen rather than printing its bytes.
void PrintTo(const Case& c, std::ostream* out) {
    *out << c.name;
}

class screenData : public ::testing::TestWithParam<Case> {};

std::string lastText(const harness& h) {
    return h.presenter.shown.empty() ? std::string() : h.presenter.shown.back().message.text;
}

} // namespace

TEST_P(screenData, OpensWithItsNumberTitlesRangeAndTestMode) {
    const Case& c = GetParam();
    harness h(sim::radioProfile::builtIn("portable"));
    auto screen = c.open(h);
    EXPECT_EQ(h.state.openScreenId, c.number);
    EXPECT_EQ(screen->title().toStdString(), c.title);
    EXPECT_EQ(screen->caption().toStdString(), c.caption);
    EXPECT_EQ(screen->windowTitle().toStdString(), c.title);
    EXPECT_EQ(screen->rowCount(), c.rows);
    EXPECT_EQ(screen->pttButton() != nullptr, c.transmit);
    EXPECT_EQ(screen->minimum(), 0);
    EXPECT_EQ(screen->maximum(), c.maximum);
    EXPECT_EQ(screen->slider(0)->maximum(), c.maximum);
    EXPECT_EQ(screen->noteLabel()->text().toStdString(), c.note);
    EXPECT_THAT(h.takeRequests(), ElementsAreArray(c.opening));
    EXPECT_TRUE(h.presenter.shown.empty());
    EXPECT_EQ(screen->windowRect(), QRect(50, 50, 700, c.rows == 7 || c.number == 7 ? 350 : 300));
}

TEST_P(screenData, ProgramWritesItsSoftpotTypeAndShowsItsTexts) {
    const Case& c = GetParam();
    harness h(sim::radioProfile::builtIn("portable"));
    auto screen = c.open(h);
    h.takeRequests();
    screen->programButton()->click();
    ASSERT_FALSE(h.presenter.shown.empty());
    EXPECT_EQ(h.presenter.shown.front().message.text, c.commit);
    EXPECT_THAT(h.takeRequests(), Contains(c.firstStore));

    screen->workingField(0)->setText(c.aboveMaximum);
    screen->programButton()->click();
    EXPECT_EQ(lastText(h), c.aborted);
    EXPECT_EQ(h.presenter.shown.back().message.caption, "ERROR");

    screen->workingField(0)->clear();
    screen->programButton()->click();
    EXPECT_EQ(lastText(h), c.empty);
    EXPECT_EQ(h.presenter.shown.back().message.caption, c.emptyCaption);
    EXPECT_EQ(h.presenter.shown.back().message.icon, MessageIcon::Information);

    h.radio.withState([](sim::radioState& s) { s.radio.serial = "0000000000"; });
    h.presenter.answers.push_back(MessageAnswer::Cancel);
    screen->programButton()->click();
    EXPECT_EQ(lastText(h), c.mismatch);
}

TEST_P(screenData, AgreesWithTheMainWindowsCommandTable) {
    const Case& c = GetParam();
    const screenDescription* row = findScreenByCommand(c.commandId);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->number, c.number);
    const commandRow* command = findCommand(c.commandId);
    ASSERT_NE(command, nullptr);
    EXPECT_EQ(command->screen, c.number);
    EXPECT_STREQ(command->title, c.title);
    EXPECT_STREQ(command->caption, c.caption);
    EXPECT_STREQ(command->screenClass, row->className);
}

INSTANTIATE_TEST_SUITE_P(everyScreen, screenData, ::testing::ValuesIn(CASES), [](const auto& info) {
    std::string name = info.param.name;
    std::erase(name, '.');
    return name;
});

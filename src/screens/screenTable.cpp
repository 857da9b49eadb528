#include "screens/screenTable.h"

#include "model/radioStorage.h"
#include "screens/ScreenTexts.h"

#include <array>

namespace {

using screenTexts::MISMATCH_LOWER;
using screenTexts::MISMATCH_UPPER;

constexpr const char* NOTE_0_31 = "Note : Valid Softpot values will range from 0-31";
constexpr const char* NOTE_0_127 = "Note : Valid Softpot values will range from 0-127";
constexpr const char* NOTE_0_255 = "Note : Valid Softpot values will range from 0-255";
constexpr const char* COMMIT_0_31 = "Commit new softpot value? Softpot Value Range (0-31)";
constexpr const char* VCO_ABORTED = "Program softpots aborted for VCO Attn.!! Illegal softpot value";
constexpr const char* VCO_EMPTY = "Please enter a valid VCO Attn. softpot value!!";
constexpr const char* RATED_ABORTED = "Program softpots aborted for Rated Volume!! Illegal softpot value";
constexpr const char* RATED_EMPTY = "Please enter a valid Rated Volume softpot value!!";
constexpr const char* RATED_TITLE = "Rated Volume Tuning";

// The signalling screens share one place of their controls.
constexpr screenLayout SIGNALLING_LAYOUT = onePointLayout(120, 20, 30);

} // namespace

const screenDescription REF_OSC_WARP_SCREEN{
    .number = 1,
    .commandId = 11910,
    .className = "TRefOscWarpWindow",
    .title = "Reference Oscillator Warp",
    .caption = "Reference Oscillator Warp",
    .kind = screenKind::ONE_POINT,
    .side = screenSide::TRANSMIT,
    .softpotRow = ROW_REF_OSC_WARP,
    .firstColumn = 0,
    .softpotType = 11,
    .valueSize = 2,
    .minimum = 0,
    .maximum = 511,
    .noteLine = "Note : Valid Softpot values will range from 0-511",
    .commitQuestion = "Commit new softpot value? Softpot Value Range (0-511)",
    .abortedMessage = "Program softpots aborted for Reference Oscillator Warp !! Illegal softpot value",
    .emptyMessage = "Please enter a valid Reference Oscillator Warp softpot value!!",
    .emptyCaption = "ERROR",
    .mismatchPrompt = MISMATCH_LOWER,
    .point = pointRule::HIGHEST_TX,
    .programChannel = channelCall::NONE,
    .layout = onePointLayout(120, 10, 40, 560)};

const screenDescription TX_HIGH_POWER_SCREEN{
    .number = 2,
    .commandId = 11847,
    .className = "TTransmitHighPowerWindow",
    .title = "Transmit High Power",
    .caption = "Transmit High Power",
    .kind = screenKind::SEVEN_POINT,
    .side = screenSide::TRANSMIT,
    .softpotRow = ROW_TX_POWER,
    .firstColumn = 0,
    .softpotType = 0,
    .valueSize = 1,
    .minimum = 0,
    .maximum = 127,
    .noteLine = "Note : Valid Softpot values will range from 0-%d",
    .commitQuestion = "Commit new softpot values? Softpot Value Range 0-%d",
    .abortedMessage = "Program softpots aborted for Transmit High Power!! Illegal softpot value",
    .emptyMessage = "Please enter a valid Transmit High Power softpot value!!",
    .emptyCaption = "NOTE",
    .mismatchPrompt = MISMATCH_LOWER,
    .reprepareAfterProgram = true};

const screenDescription TX_LOW_POWER_SCREEN{
    .number = 3,
    .commandId = 11849,
    .className = "TTransmitLowPowerWindow",
    .title = "Transmit Low Power",
    .caption = "Transmit Low Power",
    .kind = screenKind::SEVEN_POINT,
    .side = screenSide::TRANSMIT,
    .softpotRow = ROW_TX_POWER,
    .firstColumn = 7,
    .softpotType = 0,
    .valueSize = 1,
    .minimum = 0,
    .maximum = 127,
    .noteLine = NOTE_0_127,
    .commitQuestion = "Commit new softpot values? Softpot Value Range (0-127)",
    .abortedMessage = "Program softpots aborted for Transmit Low Power!! Illegal softpot value",
    .emptyMessage = "Please enter a valid Transmit Low Power softpot value!!",
    .emptyCaption = "NOTE",
    .mismatchPrompt = MISMATCH_LOWER,
    .reprepareAfterProgram = true};

const screenDescription MOD_BALANCE_SCREEN{
    .number = 5,
    .commandId = 11860,
    .className = "TModulationAttnWindow",
    .title = "Modulation Attenuation",
    .caption = "Mod. Balance Attn.",
    .kind = screenKind::SEVEN_POINT,
    .side = screenSide::TRANSMIT,
    .softpotRow = ROW_MOD_BALANCE,
    .firstColumn = 14,
    .softpotType = 3,
    .valueSize = 1,
    .minimum = 0,
    .maximum = 63,
    .noteLine = "Note : Valid Softpot values will range from 0-63",
    .commitQuestion = "Commit new softpot values? Softpot Value Range (0-63)",
    .abortedMessage = "Program softpots aborted for Modulation Attn.!! Illegal softpot value",
    .emptyMessage = "Please enter a valid Modulation Attn. softpot value !!",
    .emptyCaption = "NOTE",
    .mismatchPrompt = MISMATCH_LOWER,
    .storeValues = commitTiming::AFTER_ALL_POINTS,
    .showDefaults = commitTiming::AFTER_ALL_POINTS,
    .reprepareAfterProgram = true};

const screenDescription VCO_125_SCREEN{.number = 6,
                                       .commandId = 11871,
                                       .className = "TVCOAttn125KHzWindow",
                                       .title = "VCO Attenuation (12.5KHz)",
                                       .caption = "VCO Attn. 12.5kHz",
                                       .kind = screenKind::ONE_POINT,
                                       .side = screenSide::TRANSMIT,
                                       .softpotRow = ROW_VCO_ATTN,
                                       .firstColumn = 6,
                                       .softpotType = 2,
                                       .valueSize = 1,
                                       .minimum = 0,
                                       .maximum = 127,
                                       .noteLine = NOTE_0_127,
                                       .commitQuestion =
                                           "Commit new softpot value? Softpot Value Range (0-127)",
                                       .abortedMessage = VCO_ABORTED,
                                       .emptyMessage = VCO_EMPTY,
                                       .emptyCaption = "NOTE",
                                       .mismatchPrompt = MISMATCH_LOWER,
                                       .point = pointRule::HIGHEST_TX,
                                       .absent = absentProgram::SHOW_TYPED,
                                       .layout = onePointLayout(120, 10, 30)};

const screenDescription VCO_20_SCREEN{.number = 7,
                                      .commandId = 11872,
                                      .className = "TVCOAttn20KHzWindow",
                                      .title = "VCO Attenuation (20KHz)",
                                      .caption = "VCO Attn. 20kHz",
                                      .kind = screenKind::ONE_POINT,
                                      .side = screenSide::TRANSMIT,
                                      .softpotRow = ROW_VCO_ATTN,
                                      .firstColumn = 13,
                                      .softpotType = 2,
                                      .valueSize = 1,
                                      .minimum = 0,
                                      .maximum = 127,
                                      .noteLine = NOTE_0_127,
                                      .commitQuestion =
                                          "Commit new softpot values? Softpot Value Range (0-127)",
                                      .abortedMessage = VCO_ABORTED,
                                      .emptyMessage = VCO_EMPTY,
                                      .emptyCaption = "NOTE",
                                      .mismatchPrompt = MISMATCH_LOWER,
                                      .point = pointRule::HIGHEST_TX,
                                      .absent = absentProgram::SHOW_TYPED,
                                      .layout = {350, 120, 20, 200, 30, 550, 250, 300}};

const screenDescription VCO_25_SCREEN{.number = 8,
                                      .commandId = 11873,
                                      .className = "TVCOAttnWindow",
                                      .title = "VCO Attenuation",
                                      .caption = "VCO Attn. 25kHz",
                                      .kind = screenKind::SEVEN_POINT,
                                      .side = screenSide::TRANSMIT,
                                      .softpotRow = ROW_VCO_ATTN,
                                      .firstColumn = 14,
                                      .softpotType = 2,
                                      .valueSize = 1,
                                      .minimum = 0,
                                      .maximum = 127,
                                      .noteLine = NOTE_0_127,
                                      .commitQuestion =
                                          "Commit new softpot values? Softpot Value Range(0-127)",
                                      .abortedMessage = VCO_ABORTED,
                                      .emptyMessage = VCO_EMPTY,
                                      .emptyCaption = "NOTE",
                                      .mismatchPrompt = MISMATCH_LOWER,
                                      .storeValues = commitTiming::AFTER_ALL_POINTS,
                                      .reprepareAfterProgram = true};

const screenDescription FRONT_END_FILTER_SCREEN{
    .number = 15,
    .commandId = 11900,
    .className = "TFrontEndFilterWindow",
    .title = "Front End Filter",
    .caption = "Front End Filter",
    .kind = screenKind::SEVEN_POINT,
    .side = screenSide::RECEIVE,
    .softpotRow = ROW_FRONT_END_FILTER,
    .firstColumn = 0,
    .softpotType = 13,
    .valueSize = 1,
    .minimum = 0,
    .maximum = 255,
    .noteLine = NOTE_0_255,
    .commitQuestion = "Commit new softpot values?",
    .abortedMessage = "Program softpots aborted for Front End Filter!! Illegal softpot value",
    .emptyMessage = "Please enter a valid Front End Filter softpot value!!",
    .emptyCaption = "NOTE",
    .mismatchPrompt = MISMATCH_LOWER,
    .channelBeforeTestMode = true,
    .programChannel = channelCall::RECEIVE_ONLY,
    .storeValues = commitTiming::AFTER_ALL_POINTS,
    .restore = restoreRule::RESET_ONLY};

const screenDescription RATED_VOLUME_SCREEN{.number = 19,
                                            .commandId = 11881,
                                            .className = "TRatedVolumeWindow",
                                            .title = RATED_TITLE,
                                            .caption = "Rated Volume Tuning (Carrier Squelch environment)",
                                            .kind = screenKind::ONE_POINT,
                                            .side = screenSide::RECEIVE,
                                            .softpotRow = ROW_RATED_VOLUME,
                                            .firstColumn = 0,
                                            .softpotType = 8,
                                            .valueSize = 1,
                                            .minimum = 0,
                                            .maximum = 255,
                                            .noteLine = NOTE_0_255,
                                            .commitQuestion =
                                                "Commit new softpot value? Softpot Value Range(0-255)",
                                            .abortedMessage = RATED_ABORTED,
                                            .emptyMessage = RATED_EMPTY,
                                            .emptyCaption = "NOTE",
                                            .mismatchPrompt = MISMATCH_UPPER,
                                            .point = pointRule::MIDDLE_RX,
                                            .channelBeforeTestMode = true,
                                            .prepareChannel = channelCall::RECEIVE_ONLY,
                                            .programChannel = channelCall::NONE,
                                            .absent = absentProgram::VALIDATE_ONLY,
                                            .restore = restoreRule::RESET_ONLY,
                                            .layout = onePointLayout(150, 10, 40)};

const screenDescription RATED_VOLUME_SONARO_SCREEN{.number = 38,
                                                   .commandId = 11882,
                                                   .className = "TRatedVolumeSonaroWindow",
                                                   .title = RATED_TITLE,
                                                   .caption = "Rated Volume Tuning (Sonaro environment)",
                                                   .kind = screenKind::ONE_POINT,
                                                   .side = screenSide::RECEIVE,
                                                   .softpotRow = ROW_RATED_VOLUME,
                                                   .firstColumn = 1,
                                                   .softpotType = 8,
                                                   .valueSize = 1,
                                                   .minimum = 0,
                                                   .maximum = 255,
                                                   .noteLine = NOTE_0_255,
                                                   .commitQuestion =
                                                       "Commit new softpot value? Softpot Value Range(0-255)",
                                                   .abortedMessage = RATED_ABORTED,
                                                   .emptyMessage = RATED_EMPTY,
                                                   .emptyCaption = "NOTE",
                                                   .mismatchPrompt = MISMATCH_UPPER,
                                                   .point = pointRule::MIDDLE_RX,
                                                   .channelBeforeTestMode = true,
                                                   .prepareChannel = channelCall::RECEIVE_ONLY,
                                                   .programChannel = channelCall::NONE,
                                                   .absent = absentProgram::VALIDATE_ONLY,
                                                   .restore = restoreRule::RESET_ONLY,
                                                   .layout = onePointLayout(150, 10, 40)};

const screenDescription DTMF_SCREEN{
    .number = 9,
    .commandId = 11874,
    .className = "TDTMFWindow",
    .title = "DTMF Signalling Deviation",
    .caption = "DTMF Deviation",
    .kind = screenKind::ONE_POINT,
    .side = screenSide::TRANSMIT,
    .softpotRow = ROW_DTMF,
    .firstColumn = 0,
    .softpotType = 14,
    .valueSize = 1,
    .minimum = 0,
    .maximum = 31,
    .noteLine = NOTE_0_31,
    .commitQuestion = "Commit new softpot value? Softpot Value Range(0-31)",
    .abortedMessage = "Program softpots aborted for DTMF Signalling!! Illegal softpot value",
    .emptyMessage = "Please enter a valid DTMF Signalling softpot value!!",
    .emptyCaption = "NOTE",
    .mismatchPrompt = MISMATCH_UPPER,
    .point = pointRule::LOWEST_TX,
    .receive = receiveRule::F1,
    .absent = absentProgram::SHOW_TYPED,
    .layout = SIGNALLING_LAYOUT};

const screenDescription VYS1200_SCREEN{.number = 10,
                                       .commandId = 11851,
                                       .className = "TVYS1200Window",
                                       .title = "VYS1200 Signalling Deviation",
                                       .caption = "VYS Signalling",
                                       .kind = screenKind::ONE_POINT,
                                       .side = screenSide::TRANSMIT,
                                       .softpotRow = ROW_VYS1200,
                                       .firstColumn = 0,
                                       .softpotType = 24,
                                       .valueSize = 1,
                                       .minimum = 0,
                                       .maximum = 31,
                                       .noteLine = NOTE_0_31,
                                       .commitQuestion = COMMIT_0_31,
                                       .abortedMessage =
                                           "Program softpots aborted for VYS1200!! Illegal softpot value",
                                       .emptyMessage = "Please enter a valid VYS1200 softpot value!!",
                                       .emptyCaption = "NOTE",
                                       .mismatchPrompt = MISMATCH_UPPER,
                                       .point = pointRule::MIDDLE_TX,
                                       .absent = absentProgram::SHOW_TYPED,
                                       .restore = restoreRule::DEKEY_RESET_NOTED,
                                       .layout = SIGNALLING_LAYOUT};

const screenDescription SELECT5_SCREEN{
    .number = 13,
    .commandId = 11845,
    .className = "TSelect5Window",
    .title = "Select 5 Signalling Deviation",
    .caption = "Select 5 Signalling Deviation",
    .kind = screenKind::ONE_POINT,
    .side = screenSide::TRANSMIT,
    .softpotRow = ROW_SELECT5,
    .firstColumn = 0,
    .softpotType = 15,
    .valueSize = 1,
    .minimum = 0,
    .maximum = 31,
    .noteLine = NOTE_0_31,
    .commitQuestion = COMMIT_0_31,
    .abortedMessage = "Program softpots aborted for Select 5 Signalling !! Illegal softpot value",
    .emptyMessage = "Please enter a valid Select 5 Signalling softpot value!!",
    .emptyCaption = "ERROR",
    .mismatchPrompt = MISMATCH_LOWER,
    .point = pointRule::HIGHEST_TX,
    .absent = absentProgram::SHOW_TYPED,
    .layout = SIGNALLING_LAYOUT};

const screenDescription HST_SCREEN{
    .number = 33,
    .commandId = 11867,
    .className = "THSSWindow",
    .title = "High Speed Trunking Signalling Deviation",
    .caption = "High Speed Trunking Signalling Deviation",
    .kind = screenKind::ONE_POINT,
    .side = screenSide::TRANSMIT,
    .softpotRow = ROW_HST,
    .firstColumn = 0,
    .softpotType = 16,
    .valueSize = 1,
    .minimum = 0,
    .maximum = 31,
    .noteLine = NOTE_0_31,
    .commitQuestion = COMMIT_0_31,
    .abortedMessage = "Program softpots aborted for High Speed Signalling !! Illegal softpot value",
    .emptyMessage = "Please enter a valid High Speed Signalling softpot value!!",
    .emptyCaption = "ERROR",
    .mismatchPrompt = MISMATCH_LOWER,
    .point = pointRule::HIGHEST_TX,
    .receive = receiveRule::HIGHEST_RX,
    .alwaysPresent = true,
    .layout = SIGNALLING_LAYOUT};

const screenDescription MPT1327_SCREEN{.number = 14,
                                       .commandId = 11844,
                                       .className = "TMPT1200Window",
                                       .title = "MPT1200 Signalling Deviation",
                                       .caption = "MPT1327 Signalling Deviation",
                                       .kind = screenKind::ONE_POINT,
                                       .side = screenSide::TRANSMIT,
                                       .softpotRow = ROW_MPT1327,
                                       .firstColumn = 0,
                                       .softpotType = 5,
                                       .valueSize = 1,
                                       .minimum = 0,
                                       .maximum = 31,
                                       .noteLine = NOTE_0_31,
                                       .commitQuestion = COMMIT_0_31,
                                       .abortedMessage =
                                           "Program softpots aborted for MPT1200!! Illegal softpot value",
                                       .emptyMessage = "Please enter a valid MPT1200 softpot value!!",
                                       .emptyCaption = "NOTE",
                                       .mismatchPrompt = MISMATCH_UPPER,
                                       .point = pointRule::MIDDLE_TX,
                                       .absent = absentProgram::SHOW_TYPED,
                                       .restore = restoreRule::DEKEY_RESET_NOTED,
                                       .layout = SIGNALLING_LAYOUT};

namespace {

const std::array<const screenDescription*, 15> screens{
    &REF_OSC_WARP_SCREEN, &TX_HIGH_POWER_SCREEN,
    &TX_LOW_POWER_SCREEN, &MOD_BALANCE_SCREEN,
    &VCO_125_SCREEN,      &VCO_20_SCREEN,
    &VCO_25_SCREEN,       &FRONT_END_FILTER_SCREEN,
    &RATED_VOLUME_SCREEN, &RATED_VOLUME_SONARO_SCREEN,
    &DTMF_SCREEN,         &VYS1200_SCREEN,
    &SELECT5_SCREEN,      &HST_SCREEN,
    &MPT1327_SCREEN,
};

} // namespace

std::span<const screenDescription* const> tuningScreenTable() {
    return screens;
}

const screenDescription* findScreenByNumber(int number) {
    for (const screenDescription* s : screens)
        if (s->number == number)
            return s;
    return nullptr;
}

const screenDescription* findScreenByCommand(int commandId) {
    for (const screenDescription* s : screens)
        if (s->commandId == commandId)
            return s;
    return nullptr;
}

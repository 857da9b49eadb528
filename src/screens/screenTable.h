// The rows of data of the tuning screens that run the common pattern.
#pragma once

#include "screens/screenDescription.h"

#include <span>

extern const screenDescription REF_OSC_WARP_SCREEN, TX_HIGH_POWER_SCREEN, TX_LOW_POWER_SCREEN,
    MOD_BALANCE_SCREEN, VCO_125_SCREEN, VCO_20_SCREEN, VCO_25_SCREEN, FRONT_END_FILTER_SCREEN,
    RATED_VOLUME_SCREEN, RATED_VOLUME_SONARO_SCREEN, DTMF_SCREEN, VYS1200_SCREEN, SELECT5_SCREEN, HST_SCREEN,
    MPT1327_SCREEN;

std::span<const screenDescription* const> tuningScreenTable();
// Null when no screen of the table has the number or command.
const screenDescription* findScreenByNumber(int number);
const screenDescription* findScreenByCommand(int commandId);

// The tuning and utility screens the menus open, by command number. One line
// per screen, for example
//     registry.add(CM_REF_OSC_WARP, makeScreen<TRefOscWarpWindow>());
// or, for a command with steps of its own,
//     registry.addOpener(CM_PA_BIAS_HIGH, openPABiasHigh);
// A command whose entry is missing stays disabled in the menus.
#include "screens/tuningScreens.h"
#include "shell/screenRegistry.h"
#include "utilities/TSerialProgramWindow.h"
#include "utilities/TTempCompWindow.h"
#include "utilities/basebandUpdateCommand.h"

void registerScreens(screenRegistry& registry) {
    registry.add(CM_REF_OSC_WARP, tuningScreen<TRefOscWarpWindow>());
    registry.add(CM_TX_POWER_HIGH, tuningScreen<TTransmitHighPowerWindow>());
    registry.add(CM_TX_POWER_LOW, tuningScreen<TTransmitLowPowerWindow>());
    registry.add(CM_MOD_BALANCE, tuningScreen<TModulationAttnWindow>());
    registry.add(CM_VCO_125, tuningScreen<TVCOAttn125KHzWindow>());
    registry.add(CM_VCO_20, tuningScreen<TVCOAttn20KHzWindow>());
    registry.add(CM_VCO_25, tuningScreen<TVCOAttnWindow>());
    registry.add(CM_FRONT_END_FILTER, tuningScreen<TFrontEndFilterWindow>());
    registry.add(CM_RATED_VOLUME_CSQ, tuningScreen<TRatedVolumeWindow>());
    registry.add(CM_RATED_VOLUME_SONARO, tuningScreen<TRatedVolumeSonaroWindow>());
    registry.add(CM_DTMF, tuningScreen<TDTMFWindow>());
    registry.add(CM_VYS1200, tuningScreen<TVYS1200Window>());
    registry.add(CM_SELECT5, tuningScreen<TSelect5Window>());
    registry.add(CM_HST, tuningScreen<THSSWindow>());
    registry.add(CM_MPT1327, tuningScreen<TMPT1200Window>());
    registry.add(CM_PROGRAM_SERIAL, makeSerialProgramWindow);
    registry.addOpener(CM_BBO_UPDATE, openBasebandUpdate);
    registry.add(CM_TEMP_COMP_READ, makeTempCompReadWindow);
    registry.add(CM_TEMP_COMP_WRITE, makeTempCompWriteWindow);
}

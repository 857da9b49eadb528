// The tuning and utility screens the menus open, by command number. One line
// per screen, for example
//     registry.add(CM_REF_OSC_WARP, makeScreen<TRefOscWarpWindow>());
// or, for a command with steps of its own,
//     registry.addOpener(CM_PA_BIAS_HIGH, openPABiasHigh);
// A command whose entry is missing stays disabled in the menus.
#include "shell/screenRegistry.h"

void registerScreens(screenRegistry& registry) {
    (void)registry;
}

// Every tuning screen of this directory, and the entry through which the
// main window's screen registry builds one:
//     registry.add(CM_REF_OSC_WARP, tuningScreen<TRefOscWarpWindow>());
// The entry builds the screen and runs its opening sequence and setup; the
// screen's number is then in openScreenId, or 0 when it refused to open.
#pragma once

#include "screens/TTuningSlider.h"
#include "screens/TVeltraEditBox.h"
#include "screens/TVeltraSpinner.h"
#include "screens/attenuationWindows.h"
#include "screens/receiveWindows.h"
#include "screens/singleValueWindows.h"
#include "screens/transmitPowerWindows.h"

template <class Screen, class Request> QWidget* openTuningScreen(const Request& request) {
    auto* screen = new Screen(request.context, request.parent);
    screen->open();
    return screen;
}

// A factory for the registry: callable with the registry's request (parent
// window, ScreenContext, command row).
template <class Screen> auto tuningScreen() {
    return [](const auto& request) -> QWidget* { return openTuningScreen<Screen>(request); };
}

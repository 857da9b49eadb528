#include "screens/singleValueWindows.h"

#include "screens/screenTable.h"

TDTMFWindow::TDTMFWindow(const ScreenContext& context, QWidget* parent)
    : TSingleValueWindow(context, DTMF_SCREEN, parent) {}

TVYS1200Window::TVYS1200Window(const ScreenContext& context, QWidget* parent)
    : TSingleValueWindow(context, VYS1200_SCREEN, parent) {}

TSelect5Window::TSelect5Window(const ScreenContext& context, QWidget* parent)
    : TSingleValueWindow(context, SELECT5_SCREEN, parent) {}

THSSWindow::THSSWindow(const ScreenContext& context, QWidget* parent)
    : TSingleValueWindow(context, HST_SCREEN, parent) {}

TMPT1200Window::TMPT1200Window(const ScreenContext& context, QWidget* parent)
    : TSingleValueWindow(context, MPT1327_SCREEN, parent) {}

TRefOscWarpWindow::TRefOscWarpWindow(const ScreenContext& context, QWidget* parent)
    : TSingleValueWindow(context, REF_OSC_WARP_SCREEN, parent) {}

void TRefOscWarpWindow::enterTestMode(EnhancedSBEP& radio) {
    data.bandwidthCode(image());
    data.enterTestMode(radio, true, false);
}

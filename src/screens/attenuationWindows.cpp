#include "screens/attenuationWindows.h"

#include "link/LinkErrors.h"
#include "model/radiomodel.h"
#include "screens/screenTable.h"

TVCOAttnBaseWindow::TVCOAttnBaseWindow(const ScreenContext& context, const screenDescription& description,
                                       QWidget* parent, int variant)
    : TuningScreen(context, description, parent), variant(variant) {}

void TVCOAttnBaseWindow::enterTestMode(EnhancedSBEP& radio) {
    data.enterTestMode(variant, radio, true, false);
}

void TVCOAttnBaseWindow::liveWrite(EnhancedSBEP& radio, int value) {
    data.liveWrite(static_cast<std::uint32_t>(value), radio);
}

bool TVCOAttnBaseWindow::programPoint(EnhancedSBEP& radio, int, int value) {
    data.program(static_cast<std::uint32_t>(value), radio);
    return true;
}

TVCOAttnWindow::TVCOAttnWindow(const ScreenContext& context, QWidget* parent)
    : TVCOAttnBaseWindow(context, VCO_25_SCREEN, parent, VARIANT_25_KHZ) {}

void TVCOAttnWindow::afterProgramPoints(EnhancedSBEP& radio) {
    data.enterTestMode(VARIANT_12_5_KHZ, radio, true, false);
    data.read12kHz(image(), radio);
    data.enterTestMode(VARIANT_20_KHZ, radio, true, false);
    data.read20kHz(image(), radio);
    data.enterTestMode(VARIANT_25_KHZ, radio, true, false);
}

TVCOAttn20KHzWindow::TVCOAttn20KHzWindow(const ScreenContext& context, QWidget* parent)
    : TVCOAttnBaseWindow(context, VCO_20_SCREEN, parent, VARIANT_20_KHZ) {}

void TVCOAttn20KHzWindow::beforeCommitQuestion(EnhancedSBEP& radio) {
    if (testModeReentered_)
        return;
    enterTestMode(radio);
    testModeReentered_ = true;
}

TVCOAttn125KHzWindow::TVCOAttn125KHzWindow(const ScreenContext& context, QWidget* parent)
    : TVCOAttnBaseWindow(context, VCO_125_SCREEN, parent, VARIANT_12_5_KHZ) {}

TModulationAttnWindow::TModulationAttnWindow(const ScreenContext& context, QWidget* parent)
    : TuningScreen(context, MOD_BALANCE_SCREEN, parent) {}

void TModulationAttnWindow::enterTestMode(EnhancedSBEP& radio) {
    const radiomodel model;
    const radioStorage& s = image();
    const bool narrowGroups =
        model.isModelGroupA(s) || model.isModelGroupB(s) || model.isModelGroupC(s) || model.isModelGroupD(s);
    data.enterTestMode(narrowGroups ? 0 : 1, radio);
}

void TModulationAttnWindow::liveWrite(EnhancedSBEP& radio, int value) {
    data.liveWriteVCOAttn(0, radio);
    data.liveWrite(static_cast<std::uint32_t>(value), radio);
    try {
        data.liveWriteVCOAttn(txModAttnData::VCO_ATTN_OPEN, radio);
    } catch (const Exception&) {
        // The balance value is in; the next balance write opens the
        // attenuation again, so this one is not worth an error.
    }
}

bool TModulationAttnWindow::programPoint(EnhancedSBEP& radio, int, int value) {
    data.program(static_cast<std::uint32_t>(value), radio);
    return true;
}

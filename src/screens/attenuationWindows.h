// The VCO attenuation screens (25 kHz at every transmit point, 20 kHz and
// 12.5 kHz at the highest transmit point) and the modulation balance screen.
#pragma once

#include "model/txAttnData.h"
#include "screens/TuningScreen.h"

// VCO attenuation at one channel spacing (its test-mode variant).
class TVCOAttnBaseWindow : public TuningScreen {
protected:
    TVCOAttnBaseWindow(const ScreenContext& context, const screenDescription& description, QWidget* parent,
                       int variant);

    void enterTestMode(EnhancedSBEP& radio) override;
    void liveWrite(EnhancedSBEP& radio, int value) override;
    bool programPoint(EnhancedSBEP& radio, int row, int value) override;

    txVCOAttnData data;
    const int variant;
};

class TVCOAttnWindow final : public TVCOAttnBaseWindow {
public:
    explicit TVCOAttnWindow(const ScreenContext& context, QWidget* parent = nullptr);

protected:
    // The radio derives its 12.5 kHz and 20 kHz values from the 25 kHz
    // ones: read them back into the image before the 25 kHz values are stored.
    void afterProgramPoints(EnhancedSBEP& radio) override;
};

class TVCOAttn20KHzWindow final : public TVCOAttnBaseWindow {
public:
    explicit TVCOAttn20KHzWindow(const ScreenContext& context, QWidget* parent = nullptr);

protected:
    void beforeCommitQuestion(EnhancedSBEP& radio) override;

private:
    bool testModeReentered_ = false;
};

class TVCOAttn125KHzWindow final : public TVCOAttnBaseWindow {
public:
    explicit TVCOAttn125KHzWindow(const ScreenContext& context, QWidget* parent = nullptr);
};

// Every balance write is framed by VCO attenuation writes: closed while the
// balance value goes in, fully open again afterwards.
class TModulationAttnWindow final : public TuningScreen {
public:
    explicit TModulationAttnWindow(const ScreenContext& context, QWidget* parent = nullptr);

protected:
    void enterTestMode(EnhancedSBEP& radio) override;
    void liveWrite(EnhancedSBEP& radio, int value) override;
    bool programPoint(EnhancedSBEP& radio, int row, int value) override;

private:
    txModAttnData data;
};

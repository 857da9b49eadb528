// The one-point screens whose procedure keeps one value and follows the
// tuning pattern without departures of its own: the signalling deviations
// and the reference oscillator warp. Each is its row of data plus its
// softpot data object.
#pragma once

#include "model/singleSoftpotData.h"
#include "screens/TuningScreen.h"

// Test mode, live write and program write through a single-value data object.
template <class Data> class TSingleValueWindow : public TuningScreen {
public:
    TSingleValueWindow(const ScreenContext& context, const screenDescription& description, QWidget* parent)
        : TuningScreen(context, description, parent) {}

protected:
    void enterTestMode(EnhancedSBEP& radio) override {
        data.bandwidthCode(image());
        data.enterTestMode(radio);
    }
    void liveWrite(EnhancedSBEP& radio, int value) override {
        data.liveWrite(static_cast<std::uint32_t>(value), radio);
    }
    bool programPoint(EnhancedSBEP& radio, int, int value) override {
        data.program(static_cast<std::uint32_t>(value), radio);
        return true;
    }

    Data data;
};

class TDTMFWindow final : public TSingleValueWindow<txDTMFData> {
public:
    explicit TDTMFWindow(const ScreenContext& context, QWidget* parent = nullptr);
};

class TVYS1200Window final : public TSingleValueWindow<txVYS1200Data> {
public:
    explicit TVYS1200Window(const ScreenContext& context, QWidget* parent = nullptr);
};

class TSelect5Window final : public TSingleValueWindow<txSelect5Data> {
public:
    explicit TSelect5Window(const ScreenContext& context, QWidget* parent = nullptr);
};

class THSSWindow final : public TSingleValueWindow<txHSSData> {
public:
    explicit THSSWindow(const ScreenContext& context, QWidget* parent = nullptr);
};

class TMPT1200Window final : public TSingleValueWindow<txMPT1200Data> {
public:
    explicit TMPT1200Window(const ScreenContext& context, QWidget* parent = nullptr);
};

// Two-byte values 0..511; the transmit test mode pair.
class TRefOscWarpWindow final : public TSingleValueWindow<txRefOscData> {
public:
    explicit TRefOscWarpWindow(const ScreenContext& context, QWidget* parent = nullptr);

protected:
    void enterTestMode(EnhancedSBEP& radio) override;
};

// The transmit power screens. Their Program writes each point with the
// radio's acceptance check and reports a refused point without storing it;
// the high-power maximum depends on the model, and one model group may not
// set a high-power value above the point's low-power value.
#pragma once

#include "model/txPowerData.h"
#include "screens/TuningScreen.h"

class TTransmitPowerWindow : public TuningScreen {
protected:
    TTransmitPowerWindow(const ScreenContext& context, const screenDescription& description, QWidget* parent,
                         int level);

    void enterTestMode(EnhancedSBEP& radio) override;
    void liveWrite(EnhancedSBEP& radio, int value) override;
    // The program write whose acceptance the radio image records.
    void writeChecked(EnhancedSBEP& radio, int value);
    bool lastWriteAccepted() const;
    bool radioReportsMaximum() const;
    void showRefusal(const char* format, int point);

    txTransmitPowData data;

private:
    int level_;
};

class TTransmitHighPowerWindow final : public TTransmitPowerWindow {
public:
    explicit TTransmitHighPowerWindow(const ScreenContext& context, QWidget* parent = nullptr);

protected:
    bool programPoint(EnhancedSBEP& radio, int row, int value) override;

private:
    bool groupG_;
};

class TTransmitLowPowerWindow final : public TTransmitPowerWindow {
public:
    explicit TTransmitLowPowerWindow(const ScreenContext& context, QWidget* parent = nullptr);

protected:
    bool programPoint(EnhancedSBEP& radio, int row, int value) override;
};

// The receive screens that follow the tuning pattern: the front end filter
// at every receive point (with the RSSI calibration DAC on one model group)
// and the rated volume at one receive point, in two environments.
#pragma once

#include "model/rxPointData.h"
#include "model/singleSoftpotData.h"
#include "screens/TuningScreen.h"

class QLineEdit;

class TFrontEndFilterWindow final : public TuningScreen {
public:
    explicit TFrontEndFilterWindow(const ScreenContext& context, QWidget* parent = nullptr);

    bool showsRSSIDac() const { return rssiDacMode_; }
    QLineEdit* rssiDacField() const { return rssiDacField_; }

protected:
    void enterTestMode(EnhancedSBEP& radio) override;
    void liveWrite(EnhancedSBEP& radio, int value) override;
    bool programPoint(EnhancedSBEP& radio, int row, int value) override;
    void buildExtras() override;
    void setupExtras() override;

private:
    rxFEBPData data;
    bool rssiDacMode_ = false;
    QLineEdit* rssiDacField_ = nullptr;
};

class TRatedVolumeBaseWindow : public TuningScreen {
protected:
    TRatedVolumeBaseWindow(const ScreenContext& context, const screenDescription& description,
                           QWidget* parent, ratedVolumeVariant variant);

    void enterTestMode(EnhancedSBEP& radio) override;
    void liveWrite(EnhancedSBEP& radio, int value) override;
    bool programPoint(EnhancedSBEP& radio, int row, int value) override;
    void setupExtras() override;

    rxRatedVolumeData data;

private:
    ratedVolumeVariant variant_;
};

class TRatedVolumeWindow final : public TRatedVolumeBaseWindow {
public:
    explicit TRatedVolumeWindow(const ScreenContext& context, QWidget* parent = nullptr);

protected:
    // Radios of model groups A to D are rated at receive point F1.
    tuningPoint choosePoint(int row) const override;
};

class TRatedVolumeSonaroWindow final : public TRatedVolumeBaseWindow {
public:
    explicit TRatedVolumeSonaroWindow(const ScreenContext& context, QWidget* parent = nullptr);
};

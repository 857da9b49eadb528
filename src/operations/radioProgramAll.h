// Program All: writes every supported softpot of the image into the radio as
// permanent values, one connection per step. The caller has checked that the
// radio on the line is the one the image belongs to.
#pragma once

#include "model/radioStorage.h"
#include "operations/UserMessage.h"
#include "operations/radioOperations.h"

#include <functional>

class EnhancedSBEP;

class radioProgramAll {
public:
    // Select 5 and MPT1327 radios below this codeplug level take the
    // seven-point groups one point at a time.
    static constexpr int FIRST_ALL_POINTS_LEVEL = 25;
    static constexpr std::uint32_t CODEPLUG_LEVEL_ADDRESS = 2;

    radioProgramAll(radioStorage& storage, radioOperations& operations, ProgressSink& progress)
        : storage(storage), connector(operations.connector()), progress(progress) {}

    // Raises the link's errors; the steps done so far stay written.
    void programAll();

    // Whether the all-points writes of the MPT-sensitive groups may be sent.
    bool allPointsAllowed() const;
    int codeplugLevel() const { return level; }

private:
    void step(const std::function<void(EnhancedSBEP&)>& body);
    void setProgress(int percent);

    void programCodeplugLevelAndRefOsc(EnhancedSBEP& protocol);
    void programTransmitPower(EnhancedSBEP& protocol);
    void programPAVoltageLimit(EnhancedSBEP& protocol);
    void programModulationBalance(EnhancedSBEP& protocol);
    void programVCOAttenuation(EnhancedSBEP& protocol);
    void programPABias(EnhancedSBEP& protocol);
    void programFrontEndFilter(EnhancedSBEP& protocol);
    void programAutoSquelch(EnhancedSBEP& protocol);
    void programRSSI(EnhancedSBEP& protocol);
    void programTempComp(EnhancedSBEP& protocol);
    void programMobilePower(EnhancedSBEP& protocol);
    void programBattery(EnhancedSBEP& protocol);
    void programSonaroVolumeAndReset(EnhancedSBEP& protocol);

    bool mobile() const;

    radioStorage& storage;
    radioConnector& connector;
    ProgressSink& progress;
    int level = 0; // codeplug level byte
};

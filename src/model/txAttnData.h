// VCO attenuation (25 kHz at every transmit point, 20 kHz and 12.5 kHz at one
// point) and modulation balance attenuation.
#pragma once

#include "model/softpotBase.h"
#include "model/softpotPoints.h"

#include <cstdint>

// The spacing variants of the VCO attenuation and auto squelch procedures:
// 1 = 25 kHz, 2 = 20 kHz, 3 = 12.5 kHz.
enum SpacingVariant : int { VARIANT_25_KHZ = 1, VARIANT_20_KHZ = 2, VARIANT_12_5_KHZ = 3 };

// The bandwidth code of a variant, -1 for anything else.
int bandwidthCodeOfVariant(int variant);

constexpr int VCO_ATTN_TYPE = 2;

class txVCOAttnData final : public softpotBase {
public:
    static constexpr pointGroup POINTS_25_KHZ{VCO_ATTN_TYPE,       FLAG_VCO_ATTN,           ROW_VCO_ATTN, 14,
                                              pointSide::TRANSMIT, pointGating::FIRST_POINT};
    static constexpr int COLUMN_20_KHZ = 13;
    static constexpr int COLUMN_12_5_KHZ = 6;
    static constexpr int MAX_VALUE = 127;

    // Transmit: (0, 2, b) then (128, 2, b); receive: (1, 2, b) then
    // (128, 2, b); an unknown variant sends nothing.
    void enterTestMode(int variant, EnhancedSBEP& protocol, bool transmit, bool receive);
    void liveWrite(std::uint32_t value, EnhancedSBEP& protocol) const {
        softpotBase::liveWrite(value, VCO_ATTN_TYPE, protocol);
    }
    void program(std::uint32_t value, EnhancedSBEP& protocol) const {
        programWrite(value, VCO_ATTN_TYPE, protocol);
    }

    void read25kHz(radioStorage& storage, EnhancedSBEP& protocol) const {
        readPointGroup(POINTS_25_KHZ, storage, protocol);
    }
    void read20kHz(radioStorage& storage, EnhancedSBEP& protocol) const {
        readSinglePoint(storage, protocol, COLUMN_20_KHZ);
    }
    void read12kHz(radioStorage& storage, EnhancedSBEP& protocol) const {
        readSinglePoint(storage, protocol, COLUMN_12_5_KHZ);
    }

    // The 20 kHz and 12.5 kHz values are tuned at the highest used transmit
    // point (0 when the radio has none).
    static int singleTuningPoint(const radioStorage& storage);
    // Sets the channel of that point; false (nothing sent) without one.
    static bool selectSingleTuningPoint(const radioStorage& storage, EnhancedSBEP& protocol);
    // Stores the cell's value in the radio at that point, if there is one.
    void programSinglePoint(const radioStorage& storage, EnhancedSBEP& protocol, int column) const;

private:
    void readSinglePoint(radioStorage& storage, EnhancedSBEP& protocol, int column) const;
};

class txModAttnData final : public softpotBase {
public:
    static constexpr int MOD_BALANCE_TYPE = 3;
    static constexpr pointGroup POINTS{MOD_BALANCE_TYPE,    FLAG_MOD_BALANCE,        ROW_MOD_BALANCE, 14,
                                       pointSide::TRANSMIT, pointGating::FIRST_POINT};
    static constexpr int MAX_VALUE = 63;
    static constexpr int VCO_ATTN_OPEN = 127;
    // Third test-mode byte: 1 normally, 0 on the radios of model groups A to D.
    static constexpr int NORMAL_SPACING = 1;
    static constexpr int NARROW_SPACING = 0;
    static int spacingFor(const radioStorage& storage);

    // (14, 2, spacing) with the bandwidth code 0..2, then the VCO
    // attenuation live at 127.
    void enterTestMode(int spacing, EnhancedSBEP& protocol);
    void liveWrite(std::uint32_t value, EnhancedSBEP& protocol) const {
        softpotBase::liveWrite(value, MOD_BALANCE_TYPE, protocol);
    }
    void program(std::uint32_t value, EnhancedSBEP& protocol) const {
        programWrite(value, MOD_BALANCE_TYPE, protocol);
    }
    // The VCO attenuation around a modulation balance write: 0 or 127.
    void liveWriteVCOAttn(std::uint32_t value, EnhancedSBEP& protocol) const {
        softpotBase::liveWrite(value, VCO_ATTN_TYPE, protocol);
    }
    void readFromRadio(radioStorage& storage, EnhancedSBEP& protocol) const {
        readPointGroup(POINTS, storage, protocol);
    }
};

// Tuning frequency points: the code-to-frequency rule and the point-selection
// helpers the data classes and screens use. A point code c with frequency base
// b stands for b * 25 + c * 5 kHz; code 0 marks a point the radio does not use.
// Point indices are 1..7 for F1..F7, 0 for none.
#pragma once

#include "model/radioStorage.h"

#include <array>
#include <cstdint>

class RF_Frequency {
public:
    static constexpr int POINTS = 7;

    // 32-bit integer kHz value of code c with base b.
    static std::uint32_t toKHz(std::uint16_t base, std::uint16_t code) {
        return static_cast<std::uint32_t>(base) * 25u + static_cast<std::uint32_t>(code) * 5u;
    }
    // MHz value for display ("%f"); also remembers the kHz value.
    double toMHz(std::uint16_t base, std::uint16_t code);
    std::uint32_t lastKHz() const { return kHz; }

    // Channel for the test-mode channel request: (F - base * 25 kHz) / 5 kHz
    // with F in Hz. A frequency below the base gives channel 0 rather than a
    // wrapped-around number.
    static std::uint32_t channelForHz(std::uint32_t hz, std::uint16_t base);

    int firstTxPoint(const radioStorage& storage);
    int lastTxPoint(const radioStorage& storage);
    int middleTxPoint(const radioStorage& storage);
    int firstRxPoint(const radioStorage& storage);
    int lastRxPoint(const radioStorage& storage);
    int middleRxPoint(const radioStorage& storage);

    int firstTxCode(const radioStorage& storage);
    int middleTxCode(const radioStorage& storage);
    int lastTxCode(const radioStorage& storage);
    int middleRxCode(const radioStorage& storage);
    int lastRxCode(const radioStorage& storage);

    // The code of point n on the side asked for (tx wins when both are set);
    // when that point is unused, the code of the side's first used point.
    // A side with no used point at all gives 0.
    int pointCode(const radioStorage& storage, bool rx, bool tx, int n);
    // 1-based index of the first used receive point (rx set) or transmit
    // point; 0 when the side has none.
    int firstPointIndex(const radioStorage& storage, bool rx, bool tx);

    // Codes stored in the radio image for point n (1..7); 0 outside.
    static int txCode(const radioStorage& storage, int n);
    static int rxCode(const radioStorage& storage, int n);

    // Low-band rule for a mobile radio's transmit points: ROW_MOBILE_KM
    // column 16 := 1 when any transmit point (unused ones count as the bare
    // base) lies above 29.7 and below 50 MHz, else 0; ROW_DAC_VISITED
    // column 0 := 0. Compared in whole kHz so that the limits are exact.
    static bool isLowBand(const radioStorage& storage);
    static void applyLowBandRule(radioStorage& storage);

    // A radio of model group H is tuned at F3 only: every other transmit and
    // receive point is cleared. Does nothing for other radios.
    static void applyGroupHRule(radioStorage& storage);

private:
    void scan(const radioStorage& storage, bool rx);
    int first() const;
    int last() const;

    std::array<std::int32_t, POINTS> codes{};
    const radioStorage* storage = nullptr;
    std::uint32_t kHz = 0;
};

#include "model/RF_Frequency.h"

#include "model/radiomodel.h"

namespace {

constexpr std::uint32_t LOW_BAND_ABOVE_KHZ = 29700;
constexpr std::uint32_t LOW_BAND_BELOW_KHZ = 50000;
constexpr int GROUP_H_POINT = 3;

std::uint16_t asCode(int value) {
    return static_cast<std::uint16_t>(value);
}

} // namespace

double RF_Frequency::toMHz(std::uint16_t base, std::uint16_t code) {
    kHz = toKHz(base, code);
    return static_cast<double>(static_cast<long double>(kHz) * 0.001L);
}

std::uint32_t RF_Frequency::channelForHz(std::uint32_t hz, std::uint16_t base) {
    const std::uint32_t baseHz = static_cast<std::uint32_t>(base) * 25000u;
    return hz < baseHz ? 0 : (hz - baseHz) / 5000u;
}

int RF_Frequency::txCode(const radioStorage& storage, int n) {
    return n >= 1 && n <= POINTS ? storage.getSoftpot(ROW_RADIO_INFO, COL_TX_POINT_F1 + n - 1) : 0;
}

int RF_Frequency::rxCode(const radioStorage& storage, int n) {
    return n >= 1 && n <= POINTS ? storage.getSoftpot(ROW_RADIO_INFO, COL_RX_POINT_F1 + n - 1) : 0;
}

void RF_Frequency::scan(const radioStorage& s, bool rx) {
    storage = &s;
    for (int n = 1; n <= POINTS; ++n)
        codes[n - 1] = rx ? rxCode(s, n) : txCode(s, n);
}

int RF_Frequency::first() const {
    for (int i = 0; i < POINTS; ++i) {
        if (codes[i] != 0)
            return i + 1;
    }
    return 0;
}

int RF_Frequency::last() const {
    for (int i = POINTS - 1; i >= 0; --i) {
        if (codes[i] != 0)
            return i + 1;
    }
    return 0;
}

int RF_Frequency::firstTxPoint(const radioStorage& s) {
    scan(s, false);
    return first();
}

int RF_Frequency::lastTxPoint(const radioStorage& s) {
    scan(s, false);
    return last();
}

int RF_Frequency::middleTxPoint(const radioStorage& s) {
    scan(s, false);
    return first() + (last() - first()) / 2;
}

int RF_Frequency::firstRxPoint(const radioStorage& s) {
    scan(s, true);
    return first();
}

int RF_Frequency::lastRxPoint(const radioStorage& s) {
    scan(s, true);
    return last();
}

int RF_Frequency::middleRxPoint(const radioStorage& s) {
    scan(s, true);
    return first() + (last() - first()) / 2;
}

int RF_Frequency::firstTxCode(const radioStorage& s) {
    return txCode(s, firstTxPoint(s));
}
int RF_Frequency::middleTxCode(const radioStorage& s) {
    return txCode(s, middleTxPoint(s));
}
int RF_Frequency::lastTxCode(const radioStorage& s) {
    return txCode(s, lastTxPoint(s));
}
int RF_Frequency::middleRxCode(const radioStorage& s) {
    return rxCode(s, middleRxPoint(s));
}
int RF_Frequency::lastRxCode(const radioStorage& s) {
    return rxCode(s, lastRxPoint(s));
}

int RF_Frequency::pointCode(const radioStorage& s, bool rx, bool tx, int n) {
    int code = 0;
    if (tx)
        code = txCode(s, n);
    else if (rx)
        code = rxCode(s, n);
    if (code != 0)
        return code;
    return rx ? rxCode(s, firstRxPoint(s)) : txCode(s, firstTxPoint(s));
}

int RF_Frequency::firstPointIndex(const radioStorage& s, bool rx, bool tx) {
    if (rx)
        return firstRxPoint(s);
    if (tx)
        return firstTxPoint(s);
    return 0;
}

bool RF_Frequency::isLowBand(const radioStorage& s) {
    const auto base = asCode(s.getSoftpot(ROW_RADIO_INFO, COL_FREQUENCY_BASE));
    for (int n = 1; n <= POINTS; ++n) {
        const auto f = toKHz(base, asCode(txCode(s, n)));
        if (f > LOW_BAND_ABOVE_KHZ && f < LOW_BAND_BELOW_KHZ)
            return true;
    }
    return false;
}

void RF_Frequency::applyLowBandRule(radioStorage& s) {
    s.setSoftpot(ROW_MOBILE_KM, isLowBand(s) ? 1 : 0, COL_KM_LOW_BAND);
    s.setSoftpot(ROW_DAC_VISITED, 0, 0);
}

void RF_Frequency::applyGroupHRule(radioStorage& s) {
    if (!radiomodel().isModelGroupH(s))
        return;
    for (int n = 1; n <= POINTS; ++n) {
        if (n == GROUP_H_POINT)
            continue;
        s.setSoftpot(ROW_RADIO_INFO, 0, COL_TX_POINT_F1 + n - 1);
        s.setSoftpot(ROW_RADIO_INFO, 0, COL_RX_POINT_F1 + n - 1);
    }
}

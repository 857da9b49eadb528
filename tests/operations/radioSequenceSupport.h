// Shared by the Read Radio and Program All tests: a connector to the
// simulated radio, recording presenter and progress, and the table that says
// where each softpot of the simulated radio lives in the radio image.
#pragma once

#include "../model/simulatedLink.h"

#include "model/radioStorage.h"
#include "operations/UserMessage.h"
#include "operations/radioConnection.h"

#include <memory>
#include <string>
#include <vector>

namespace seqtest {

using namespace simtest;

class simulatedConnector final : public radioConnector {
public:
    std::unique_ptr<radioConnection> connect() override {
        ++connections;
        return std::make_unique<connection>();
    }
    int connections = 0;

private:
    class connection final : public radioConnection {
    public:
        EnhancedSBEP& protocol() override { return link.protocol(); }

    private:
        simulatedConnection link;
    };
};

class recordingPresenter final : public MessagePresenter {
public:
    MessageAnswer answer = MessageAnswer::Ok;
    std::vector<UserMessage> shown;
    std::vector<UserMessage> asked;

    void show(const UserMessage& message) override { shown.push_back(message); }
    MessageAnswer ask(const UserMessage& message, MessageButtons) override {
        asked.push_back(message);
        return answer;
    }
    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const UserMessage& m : shown)
            out.push_back(m.text);
        return out;
    }
};

class recordingProgress final : public ProgressSink {
public:
    std::vector<int> percents; // setProgress
    std::vector<std::string> lines;
    int gauge = 0;

    void setProgress(int percent, const std::string& text) override {
        percents.push_back(percent);
        lines.push_back(text);
        gauge = percent;
    }
    void setGauge(int percent) override { gauge = percent; }
};

// One run of seven cells in the image and where the simulated radio keeps them.
struct pointCells {
    const char* name;
    int type;
    int bank;
    int row;
    int firstColumn;
    bool receive;
    int flag;
    bool km = false; // K and M pairs: 14 cells
};

inline const std::vector<pointCells>& pointCellTable() {
    static const std::vector<pointCells> table = {
        {"high power", 0, 0, ROW_TX_POWER, 0, false, FLAG_TX_POWER},
        {"low power", 0, 1, ROW_TX_POWER, 7, false, FLAG_TX_POWER},
        {"highest power", 28, 0, ROW_TX_POWER_MAX, 0, false, FLAG_TX_POWER_MAX},
        {"VCO attenuation 25 kHz", 2, 0, ROW_VCO_ATTN, 14, false, FLAG_VCO_ATTN},
        {"modulation balance", 3, 0, ROW_MOD_BALANCE, 14, false, FLAG_MOD_BALANCE},
        {"PA voltage limit", 6, 0, ROW_PA_VOLTAGE_LIMIT, 0, false, FLAG_PA_VOLTAGE_LIMIT},
        {"front end filter", 13, 0, ROW_FRONT_END_FILTER, 0, true, FLAG_FRONT_END_FILTER},
        {"auto squelch 12.5 kHz", 7, 2, ROW_AUTO_SQUELCH, 0, true, FLAG_AUTO_SQUELCH},
        {"auto squelch 20 kHz", 7, 1, ROW_AUTO_SQUELCH, 7, true, FLAG_AUTO_SQUELCH},
        {"auto squelch 25 kHz", 7, 0, ROW_AUTO_SQUELCH, 14, true, FLAG_AUTO_SQUELCH},
        {"mobile K and M", 17, 0, ROW_MOBILE_KM, 0, false, FLAG_MOBILE_KM, true},
    };
    return table;
}

struct singleCell {
    const char* name;
    int type;
    int bank;
    int row;
    int column;
    int flag;
};

inline const std::vector<singleCell>& singleCellTable() {
    static const std::vector<singleCell> table = {
        {"reference oscillator", 11, 0, ROW_REF_OSC_WARP, 0, FLAG_REF_OSC_WARP},
        {"DTMF", 14, 0, ROW_DTMF, 0, FLAG_DTMF},
        {"VYS1200", 24, 0, ROW_VYS1200, 0, FLAG_VYS1200},
        {"Select 5", 15, 0, ROW_SELECT5, 0, FLAG_SELECT5},
        {"MPT1327", 5, 0, ROW_MPT1327, 0, FLAG_MPT1327},
        {"high speed trunking", 16, 0, ROW_HST, 0, FLAG_HST},
        {"PA bias 1 high voltage", 18, 0, ROW_PA_BIAS, 0, FLAG_PA_BIAS_HIGH},
        {"PA bias 1 low voltage", 18, 1, ROW_PA_BIAS, 1, FLAG_PA_BIAS_LOW},
        {"PA bias 2 high voltage", 20, 0, ROW_PA_BIAS, 2, FLAG_PA_BIAS_2},
        {"PA bias 3 high voltage", 27, 0, ROW_PA_BIAS, 4, FLAG_PA_BIAS_3},
        {"rated volume", 8, 0, ROW_RATED_VOLUME, 0, FLAG_RATED_VOLUME},
        {"battery threshold", 10, 0, ROW_BATTERY, 1, FLAG_BATTERY},
    };
    return table;
}

inline int txPoint(const sim::radioProfile& p, int n) {
    return p.txPoints[static_cast<std::size_t>(n - 1)];
}
inline int rxPoint(const sim::radioProfile& p, int n) {
    return p.rxPoints[static_cast<std::size_t>(n - 1)];
}

// The highest used transmit point, 0 when none.
inline int lastTxPoint(const sim::radioProfile& p) {
    for (int n = 7; n >= 1; --n)
        if (txPoint(p, n) != 0)
            return n;
    return 0;
}

} // namespace seqtest

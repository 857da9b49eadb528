#include "archiveView.h"

#include "cliSupport.h"

#include "model/RF_Frequency.h"

#include <cstdint>
#include <cstdio>
#include <ostream>
#include <span>
#include <vector>

namespace {

enum class pointSide { None, Transmit, Receive };

// One softpot group as a technician names it. A group of point values has
// one cell per frequency point F1..F7; a plain group lists its cells with
// their labels.
struct viewGroup {
    const char* name;
    int flag;
    int row;
    int firstColumn;
    int count;
    pointSide side;
    const char* const* labels = nullptr; // for plain groups with several cells
};

constexpr const char* RATED_VOLUME_LABELS[] = {"value 1", "value 2"};
constexpr const char* RSSI_LABELS[] = {"point 1",       "point 2",       "point 3",
                                       "level 1 (dBm)", "level 2 (dBm)", "level 3 (dBm)"};
constexpr const char* DAC_LABELS[] = {"DAC 1", "DAC 2"};
constexpr const char* BATTERY_LABELS[] = {"default threshold", "threshold"};

const viewGroup GROUPS[] = {
    {"Reference oscillator warp", FLAG_REF_OSC_WARP, ROW_REF_OSC_WARP, 0, 1, pointSide::None},
    {"Transmit power high", FLAG_TX_POWER, ROW_TX_POWER, 0, 7, pointSide::Transmit},
    {"Transmit power low", FLAG_TX_POWER, ROW_TX_POWER, 7, 7, pointSide::Transmit},
    {"Transmit power maximum", FLAG_TX_POWER_MAX, ROW_TX_POWER_MAX, 0, 7, pointSide::Transmit},
    {"Modulation balance", FLAG_MOD_BALANCE, ROW_MOD_BALANCE, 14, 7, pointSide::Transmit},
    {"VCO attenuation 25 kHz", FLAG_VCO_ATTN, ROW_VCO_ATTN, 14, 7, pointSide::Transmit},
    {"VCO attenuation 20 kHz", FLAG_VCO_ATTN, ROW_VCO_ATTN, 7, 7, pointSide::Transmit},
    {"VCO attenuation 12.5 kHz", FLAG_VCO_ATTN, ROW_VCO_ATTN, 0, 7, pointSide::Transmit},
    {"DTMF deviation", FLAG_DTMF, ROW_DTMF, 0, 1, pointSide::None},
    {"VYS1200 deviation", FLAG_VYS1200, ROW_VYS1200, 0, 1, pointSide::None},
    {"Select 5 deviation", FLAG_SELECT5, ROW_SELECT5, 0, 1, pointSide::None},
    {"MPT1327 deviation", FLAG_MPT1327, ROW_MPT1327, 0, 1, pointSide::None},
    {"HST deviation", FLAG_HST, ROW_HST, 0, 1, pointSide::None},
    {"PA bias 1 high voltage", FLAG_PA_BIAS_HIGH, ROW_PA_BIAS, 0, 1, pointSide::None},
    {"PA bias 1 low voltage", FLAG_PA_BIAS_LOW, ROW_PA_BIAS, 1, 1, pointSide::None},
    {"PA bias 2", FLAG_PA_BIAS_2, ROW_PA_BIAS, 2, 1, pointSide::None},
    {"PA bias 3", FLAG_PA_BIAS_3, ROW_PA_BIAS, 4, 1, pointSide::None},
    {"PA voltage limit", FLAG_PA_VOLTAGE_LIMIT, ROW_PA_VOLTAGE_LIMIT, 0, 7, pointSide::Transmit},
    {"Mobile K and M", FLAG_MOBILE_KM, ROW_MOBILE_KM, 0, 7, pointSide::Transmit},
    {"Transmit DAC", FLAG_MOBILE_KM, ROW_MOBILE_KM, COL_KM_DAC_1, 2, pointSide::None, DAC_LABELS},
    {"Battery threshold", FLAG_BATTERY, ROW_BATTERY, 0, 2, pointSide::None, BATTERY_LABELS},
    {"Front end filter", FLAG_FRONT_END_FILTER, ROW_FRONT_END_FILTER, 0, 7, pointSide::Receive},
    {"Auto squelch 25 kHz", FLAG_AUTO_SQUELCH, ROW_AUTO_SQUELCH, 14, 7, pointSide::Receive},
    {"Auto squelch 20 kHz", FLAG_AUTO_SQUELCH, ROW_AUTO_SQUELCH, 7, 7, pointSide::Receive},
    {"Auto squelch 12.5 kHz", FLAG_AUTO_SQUELCH, ROW_AUTO_SQUELCH, 0, 7, pointSide::Receive},
    {"Rated volume", FLAG_RATED_VOLUME, ROW_RATED_VOLUME, 0, 2, pointSide::None, RATED_VOLUME_LABELS},
    {"RSSI", FLAG_RSSI, ROW_RSSI, 0, 6, pointSide::None, RSSI_LABELS},
};

bool isKAndM(const viewGroup& g) {
    return g.row == ROW_MOBILE_KM && g.firstColumn == 0;
}

int pointCode(const radioStorage& image, pointSide side, int n) {
    return side == pointSide::Receive ? RF_Frequency::rxCode(image, n) : RF_Frequency::txCode(image, n);
}

std::string megahertz(const radioStorage& image, int code) {
    const auto base = static_cast<std::uint16_t>(image.getSoftpot(ROW_RADIO_INFO, COL_FREQUENCY_BASE));
    char text[32];
    std::snprintf(text, sizeof text, "%f", RF_Frequency().toMHz(base, static_cast<std::uint16_t>(code)));
    return text;
}

std::string levelText(std::uint8_t level) {
    std::string text = std::to_string(level);
    if (level > 32 && level < 127)
        text += std::string(" '") + static_cast<char>(level) + "'";
    return text;
}

std::string radioTypeText(int type) {
    switch (type) {
    case 1:
        return "1 (portable)";
    case 2:
        return "2 (mobile)";
    default:
        return std::to_string(type) + " (unknown)";
    }
}

std::string spacingText(int mask) {
    std::string text;
    const std::string number = std::to_string(mask);
    const char* names[] = {"12.5 kHz", "20 kHz", "25 kHz"};
    for (int bit = 0; bit < 3; ++bit)
        if (mask & (1 << bit))
            text += (text.empty() ? "" : ", ") + std::string(names[bit]);
    return number + " (" + (text.empty() ? "none" : text) + ")";
}

void printPoints(std::ostream& out, const radioStorage& image, const char* title, pointSide side) {
    out << title << '\n';
    for (int n = 1; n <= RF_Frequency::POINTS; ++n) {
        const int code = pointCode(image, side, n);
        out << "  F" << n << "  ";
        if (code == 0)
            out << "UNSUPPORTED\n";
        else
            out << megahertz(image, code) << " MHz (code " << code << ")\n";
    }
}

} // namespace

void printArchiveText(std::ostream& out, const radioStorage& image, const std::string& file) {
    char tempComp[64];
    std::snprintf(tempComp, sizeof tempComp, "%d %d %d %d", image.getSoftpot(ROW_RADIO_INFO, COL_TEMP_COMP_1),
                  image.getSoftpot(ROW_RADIO_INFO, COL_TEMP_COMP_1 + 1),
                  image.getSoftpot(ROW_RADIO_INFO, COL_TEMP_COMP_1 + 2),
                  image.getSoftpot(ROW_RADIO_INFO, COL_TEMP_COMP_1 + 3));
    out << "Archive          : " << file << '\n'
        << "Serial number    : " << image.getSerialNumber() << '\n'
        << "Model number     : " << image.getModelNumber() << '\n'
        << "Archive level    : " << levelText(image.getReadStatus()) << '\n'
        << "Radio type       : " << radioTypeText(image.getRadioType()) << '\n'
        << "Frequency base   : " << image.getSoftpot(ROW_RADIO_INFO, COL_FREQUENCY_BASE) << '\n'
        << "Channel spacing  : " << spacingText(image.getSoftpot(ROW_RADIO_INFO, COL_SPACING_MASK)) << '\n'
        << "Temp comp bytes  : " << tempComp << '\n';
    printPoints(out, image, "Transmit points", pointSide::Transmit);
    printPoints(out, image, "Receive points", pointSide::Receive);

    for (const auto& g : GROUPS) {
        out << '\n' << g.name << ':';
        if (!image.isSupported(g.flag)) {
            out << " UNSUPPORTED\n";
            continue;
        }
        if (g.side == pointSide::None && g.count == 1) {
            out << ' ' << image.getSoftpot(g.row, g.firstColumn) << '\n';
            continue;
        }
        out << '\n';
        for (int i = 0; i < g.count; ++i) {
            if (g.side == pointSide::None) {
                out << "  " << g.labels[i] << "  " << image.getSoftpot(g.row, g.firstColumn + i) << '\n';
                continue;
            }
            const int code = pointCode(image, g.side, i + 1);
            out << "  F" << i + 1 << "  ";
            if (code == 0) {
                out << "UNSUPPORTED\n";
                continue;
            }
            out << megahertz(image, code) << " MHz  ";
            if (isKAndM(g))
                out << "K " << image.getSoftpot(g.row, 2 * i) << "  M " << image.getSoftpot(g.row, 2 * i + 1);
            else
                out << image.getSoftpot(g.row, g.firstColumn + i);
            out << '\n';
        }
    }
}

void printArchiveJson(std::ostream& out, const radioStorage& image, const std::string& file) {
    const auto points = [&](pointSide side) {
        std::string text = "[";
        for (int n = 1; n <= RF_Frequency::POINTS; ++n) {
            const int code = pointCode(image, side, n);
            text += (n > 1 ? ", " : "");
            text += code == 0 ? "null" : megahertz(image, code);
        }
        return text + "]";
    };
    out << "{\n"
        << "  \"file\": " << jsonString(file) << ",\n"
        << "  \"serialNumber\": " << jsonString(image.getSerialNumber()) << ",\n"
        << "  \"modelNumber\": " << jsonString(image.getModelNumber()) << ",\n"
        << "  \"archiveLevel\": " << int(image.getReadStatus()) << ",\n"
        << "  \"radioType\": " << image.getRadioType() << ",\n"
        << "  \"frequencyBase\": " << image.getSoftpot(ROW_RADIO_INFO, COL_FREQUENCY_BASE) << ",\n"
        << "  \"channelSpacingMask\": " << image.getSoftpot(ROW_RADIO_INFO, COL_SPACING_MASK) << ",\n"
        << "  \"tempComp\": [";
    for (int i = 0; i < 4; ++i)
        out << (i ? ", " : "") << image.getSoftpot(ROW_RADIO_INFO, COL_TEMP_COMP_1 + i);
    out << "],\n"
        << "  \"transmitPointsMHz\": " << points(pointSide::Transmit) << ",\n"
        << "  \"receivePointsMHz\": " << points(pointSide::Receive) << ",\n"
        << "  \"groups\": [";
    bool firstGroup = true;
    for (const auto& g : GROUPS) {
        out << (firstGroup ? "\n" : ",\n") << "    {\"name\": " << jsonString(g.name);
        firstGroup = false;
        if (!image.isSupported(g.flag)) {
            out << ", \"supported\": false}";
            continue;
        }
        out << ", \"supported\": true";
        if (g.side == pointSide::None && g.count == 1) {
            out << ", \"value\": " << image.getSoftpot(g.row, g.firstColumn) << '}';
            continue;
        }
        out << (g.side == pointSide::None ? ", \"values\": [" : ", \"points\": [");
        for (int i = 0; i < g.count; ++i) {
            out << (i ? ", " : "");
            if (g.side == pointSide::None) {
                out << "{\"label\": " << jsonString(g.labels[i])
                    << ", \"value\": " << image.getSoftpot(g.row, g.firstColumn + i) << '}';
                continue;
            }
            const int code = pointCode(image, g.side, i + 1);
            out << "{\"point\": \"F" << i + 1 << "\", \"frequencyMHz\": ";
            if (code == 0) {
                out << "null, \"supported\": false}";
                continue;
            }
            out << megahertz(image, code);
            if (isKAndM(g))
                out << ", \"k\": " << image.getSoftpot(g.row, 2 * i)
                    << ", \"m\": " << image.getSoftpot(g.row, 2 * i + 1);
            else
                out << ", \"value\": " << image.getSoftpot(g.row, g.firstColumn + i);
            out << '}';
        }
        out << "]}";
    }
    out << "\n  ]\n}\n";
}

void printRadioIdentity(std::ostream& out, const radioStorage& image) {
    const auto hex = [](std::span<const std::uint8_t> bytes, const char* gap) {
        std::string text;
        char two[4];
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            std::snprintf(two, sizeof two, "%02X", bytes[i]);
            text += (i ? gap : "") + std::string(two);
        }
        return text;
    };
    out << "Serial number    : " << image.getSerialNumber() << '\n'
        << "Model number     : " << image.getModelNumber() << '\n'
        << "UUID             : " << hex(image.getUUID(), "") << '\n'
        << "Regional ID      : " << int(image.getRegionalID()) << '\n'
        << "IC version       : " << hex(image.getICVersion(), " ") << '\n'
        << "Radio type       : " << radioTypeText(image.getRadioType()) << '\n';
}

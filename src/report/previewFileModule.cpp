#include "report/previewFileModule.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <string_view>

namespace {

constexpr int POINTS = RF_Frequency::POINTS;
constexpr int MOBILE_RADIO = 2;

// Every heading line starts with this indent; the battery heading has its own.
constexpr const char* INDENT = "\t \t\t";

enum class pointSide { Transmit, Receive };

// An identity text as the report prints it: up to its first NUL, as a C
// string would end there.
std::string_view printable(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

} // namespace

// A section with one value per frequency point F1..F7.
struct previewFileModule::pointSection {
    const char* heading;
    const char* unsupported; // nullptr: the section has no support test
    bool supported;
    const char* range;
    pointSide side;
    int row;
    int firstColumn;
    bool wideFirstPlaceholder = false; // the front end filter's F1 placeholder
};

// A section with the value of one frequency point.
struct previewFileModule::singleSection {
    const char* heading;
    const char* unsupported; // nullptr: the section has no support test
    bool supported;
    const char* range;
    int code; // the point's code
    int row;
    int column;
    int closing;                // blank lines behind the value
    int unsupportedClosing = 1; // line ends behind the unsupported heading
};

previewFileModule::previewFileModule(const radioStorage& s, const radiomodel& models)
    : storage(s), groupF(models.isModelGroupF(s)) {}

bool previewFileModule::mobile() const {
    return storage.getRadioType() == MOBILE_RADIO;
}

void previewFileModule::line(const char* text) {
    out += text;
}

void previewFileModule::blankLines(int count) {
    out.append(static_cast<std::size_t>(count), '\n');
}

void previewFileModule::appendf(const char* format, ...) {
    char buffer[160];
    va_list args;
    va_start(args, format);
    const int n = std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    if (n > 0)
        out.append(buffer, static_cast<std::size_t>(n) < sizeof buffer ? n : sizeof buffer - 1);
}

double previewFileModule::frequency(int code) {
    return points.toMHz(static_cast<std::uint16_t>(frequencyBase), static_cast<std::uint16_t>(code));
}

std::string previewFileModule::reportText() {
    out.clear();
    frequencyBase = storage.getSoftpot(ROW_RADIO_INFO, COL_FREQUENCY_BASE);
    const bool isMobile = mobile();
    auto has = [&](SupportFlag f) { return storage.isSupported(f); };

    title();

    line("\t\t\t\tR E C E I V E   P A R A M E T E R S\t\t\t\t\n");
    blankLines(1);
    sevenPoints({"**** FRONT END FILTER ****\n", "**** FRONT END FILTER UNSUPPORTED ****\n",
                 has(FLAG_FRONT_END_FILTER),
                 isMobile ? "Softpot Range\t\t: 0-127\n" : "Softpot Range\t\t: 0-255\n", pointSide::Receive,
                 ROW_FRONT_END_FILTER, 0, true});
    sevenPoints({"**** AUTO SQUELCH 12.5KHz ****\n", "**** AUTO SQUELCH UNSUPPORTED ****\n",
                 has(FLAG_AUTO_SQUELCH), "Softpot Range\t\t: 1-63\n", pointSide::Receive, ROW_AUTO_SQUELCH,
                 0});
    if (has(FLAG_AUTO_SQUELCH)) {
        sevenPoints({"**** AUTO SQUELCH 20KHz ****\n", nullptr, true, "Softpot Range\t\t: 1-63\n",
                     pointSide::Receive, ROW_AUTO_SQUELCH, 7});
        sevenPoints({"**** AUTO SQUELCH 25KHz ****\n", nullptr, true, "Softpot Range\t\t: 1-63\n",
                     pointSide::Receive, ROW_AUTO_SQUELCH, 14});
    }
    onePoint({"**** RATED VOLUME  ****\n", "**** RATED VOLUME UNSUPPORTED ****\n", has(FLAG_RATED_VOLUME),
              "Softpot Range\t\t: 0-255\n", points.middleRxCode(storage), ROW_RATED_VOLUME, 0, 2});
    rssi();

    line("\t\t\t\tT R A N S M I T    P A R A M E T E R S \t\t\t\n");
    blankLines(1);
    onePoint({"**** REFERENCE OSCILLATOR WARP ****\n", "**** REFERENCE OSCILLATOR WARP UNSUPPORTED ****\n",
              has(FLAG_REF_OSC_WARP), "Softpot Range\t\t: 0-511\n", points.lastTxCode(storage),
              ROW_REF_OSC_WARP, 0, 2});
    const bool portablePower = has(FLAG_TX_POWER) && !isMobile;
    sevenPoints({"**** TRANSMIT HIGH POWER ****\n", "**** TRANSMIT POWER (PORTABLE) UNSUPPORTED ****\n",
                 portablePower, "Softpot Range\t\t: 0-127\n", pointSide::Transmit, ROW_TX_POWER, 0});
    if (portablePower)
        sevenPoints({"**** TRANSMIT LOW POWER ****\n", nullptr, true, "Softpot Range\t\t: 0-127\n",
                     pointSide::Transmit, ROW_TX_POWER, 7});
    dacAndMobilePower();
    sevenPoints({"**** MODULATION BALANCE ****\n", "**** MODULATION BALANCE UNSUPPORTED ****\n",
                 has(FLAG_MOD_BALANCE), "Softpot Range\t\t: 0-63\n", pointSide::Transmit, ROW_MOD_BALANCE,
                 14});
    const int highestTx = points.lastTxCode(storage);
    onePoint({"**** VCO ATTENUATION 12.5 KHz ****\n", nullptr, true, "Softpot Range\t\t: 0-127\n", highestTx,
              ROW_VCO_ATTN, 6, 1});
    onePoint({"**** VCO ATTENUATION 20 KHz ****\n", nullptr, true, "Softpot Range\t\t: 0-127\n", highestTx,
              ROW_VCO_ATTN, 13, 1});
    sevenPoints({"**** VCO ATTENUATION 25 KHz ****\n", "**** VCO ATTENUATION 25 KHz UNSUPPORTED ****\n",
                 has(FLAG_VCO_ATTN), "Softpot Range\t\t: 0-127\n", pointSide::Transmit, ROW_VCO_ATTN, 14});
    onePoint({"**** DTMF SIGNALLING ****\n", "**** DTMF SIGNALLING UNSUPPORTED ****\n", has(FLAG_DTMF),
              "Softpot Range\t\t: 0-31\n", points.firstTxCode(storage), ROW_DTMF, 0, 2});
    onePoint({"**** VYS1200 SIGNALLING ****\n", "**** VYS1200 SIGNALLING UNSUPPORTED ****\n",
              has(FLAG_VYS1200), "Softpot Range\t\t: 0-31\n", points.middleTxCode(storage), ROW_VYS1200, 0,
              2});
    paBias();
    sevenPoints({"**** TRANSMIT PA VOLTAGE LIMIT ****\n", "**** TRANSMIT PA VOLTAGE LIMIT UNSUPPORTED ****\n",
                 has(FLAG_PA_VOLTAGE_LIMIT) && isMobile, "Softpot Range\t\t: 0-127\n", pointSide::Transmit,
                 ROW_PA_VOLTAGE_LIMIT, 0});
    // The three trunking and selective-call sections share one form: an
    // unsupported heading is followed by three line ends.
    onePoint({"**** SELECT 5 ****\n", "**** SELECT 5 UNSUPPORTED ****\n", has(FLAG_SELECT5),
              "Softpot Range\t\t: 0-31\n", highestTx, ROW_SELECT5, 0, 2, 3});
    onePoint({"**** MPT 1327 SIGNALLING ****\n", "**** MPT 1327 UNSUPPORTED ****\n", has(FLAG_MPT1327),
              "Softpot Range\t\t: 0-31\n", points.middleTxCode(storage), ROW_MPT1327, 0, 3, 3});
    onePoint({"**** HIGH SPEED TRUNKING SIGNALLING ****\n",
              "**** HIGH SPEED TRUNKING SIGNALLING UNSUPPORTED ****\n", has(FLAG_HST),
              "Softpot Range\t\t: 0-31\n", highestTx, ROW_HST, 0, 2, 3});
    battery();
    return out;
}

void previewFileModule::title() {
    blankLines(2);
    line("\t   \t\t**********    R A D I O   S O F T P O T   D A T A  **********\n");
    blankLines(2);
    const std::string serial(printable(storage.getSerialNumber()));
    const std::string model(printable(storage.getModelNumber()));
    appendf("Radio Serial No: %s  \t\t \t         Radio Model No: %s\n", serial.c_str(), model.c_str());
    blankLines(1);
}

void previewFileModule::sevenPoints(const pointSection& s) {
    if (!s.supported) {
        line(INDENT);
        line(s.unsupported);
        blankLines(1);
        return;
    }
    line(INDENT);
    line(s.heading);
    blankLines(1);
    line(s.range);
    blankLines(1);
    line("Frequency(MHz)\t \tSoftpot Values\n");
    for (int n = 1; n <= POINTS; ++n) {
        const int code = s.side == pointSide::Receive ? RF_Frequency::rxCode(storage, n)
                                                      : RF_Frequency::txCode(storage, n);
        if (code != 0)
            appendf("  %f\t \t    %d\n", frequency(code), storage.getSoftpot(s.row, s.firstColumn + n - 1));
        else if (n == 1 && s.wideFirstPlaceholder)
            line("  (F1 NOT REQUIRED) \t    NULL\n");
        else
            appendf("  (F%d NOT REQUIRED)\t    NULL\n", n);
    }
    blankLines(2);
}

void previewFileModule::onePoint(const singleSection& s) {
    if (!s.supported) {
        line(INDENT);
        line(s.unsupported);
        blankLines(s.unsupportedClosing);
        return;
    }
    line(INDENT);
    line(s.heading);
    blankLines(1);
    line(s.range);
    blankLines(1);
    line("Frequency(MHz)\t \tSoftpot Values\n");
    appendf("  %f\t \t    %d\n", frequency(s.code), storage.getSoftpot(s.row, s.column));
    blankLines(s.closing);
}

void previewFileModule::rssi() {
    line(INDENT);
    if (!storage.isSupported(FLAG_RSSI)) {
        line("*********** RSSI UNSUPPORTED **********\n");
        blankLines(3);
        return;
    }
    line("*********** RSSI THRESHOLDS **********\n");
    blankLines(1);
    line("Softpot Range\t\t: 0-127\n");
    blankLines(1);
    line("dBM Range(-)\t\t: 0-210\n");
    blankLines(2);
    line("dBM (-)\t\t\tSoftpot Values\n");
    for (int k = 0; k < 3; ++k)
        appendf("  %d\t\t\t    %d\n", storage.getSoftpot(ROW_RSSI, 3 + k), storage.getSoftpot(ROW_RSSI, k));
    blankLines(2);
}

void previewFileModule::dacAndMobilePower() {
    const bool isMobile = mobile();
    const int dac1 = storage.getSoftpot(ROW_MOBILE_KM, COL_KM_DAC_1);
    const int dac2 = storage.getSoftpot(ROW_MOBILE_KM, COL_KM_DAC_2);

    line(INDENT);
    if ((isMobile && storage.getSoftpot(ROW_MOBILE_KM, COL_KM_LOW_BAND) == 1) || groupF) {
        line("**** DAC SOFTPOTS ****\n");
        blankLines(1);
        line("Softpot Range\t\t: 0-255\n");
        blankLines(1);
        line("DAC No.\t \t\tSoftpot Values\n");
        appendf(" DAC 1\t \t\t    %d\n", dac1);
        appendf(" DAC 2\t \t\t    %d\n", dac2);
        blankLines(1);
    } else {
        line("**** DAC SOFTPOTS (UNSUPPORTED) ****\n");
        blankLines(1);
    }

    line(INDENT);
    if (!isMobile) {
        line("**** MOBILE K & M SOFTPOTS (UNSUPPORTED) ****\n");
        blankLines(1);
        return;
    }
    line("**** MOBILE K & M SOFTPOTS ****\n");
    blankLines(1);
    line("Frequency(MHz)\t \tK(Values)\t \tM(Values)\t \tP1(W) \t \tP2(W) \n");
    // The power the radio is expected to give at DAC 1 and DAC 2, in single
    // precision as the radio's own arithmetic is.
    const float d1 = static_cast<float>(dac1);
    const float dacStep = static_cast<float>(dac1 - dac2);
    const float slopeScale = groupF ? 0.16f : 0.04f;
    for (int n = 1; n <= POINTS; ++n) {
        const int code = RF_Frequency::txCode(storage, n);
        if (code == 0) {
            appendf("  (F%d NOT REQUIRED)\tNULL\t\tNULL\t\tNULL\t\tNULL\t\t\n", n);
            continue;
        }
        const float k = static_cast<float>(storage.getSoftpot(ROW_MOBILE_KM, 2 * n - 2));
        const float m = static_cast<float>(storage.getSoftpot(ROW_MOBILE_KM, 2 * n - 1));
        const float kOffset = groupF ? k : k - 128.0f;
        const float x = 0.0004f * m * d1 + slopeScale * kOffset;
        const float p1 = x * x;
        const float y = 0.0004f * m * dacStep;
        const float root = std::sqrt(p1);
        const float t = groupF ? root + y : root - y;
        const float p2 = t * t;
        appendf("  %f\t \t%1.0f\t \t%1.0f\t \t%1.3f\t \t%1.3f\n", frequency(code), static_cast<double>(k),
                static_cast<double>(m), static_cast<double>(p1), static_cast<double>(p2));
    }
    blankLines(2);
}

void previewFileModule::paBias() {
    line(INDENT);
    line("**** PA BIAS ****\n");
    blankLines(1);
    line("Softpot Range\t\t: 0-127\n");
    blankLines(1);
    line("Power Level\t \tSoftpot Values\n");
    struct biasRow {
        SupportFlag flag;
        const char* label;
        int column;
        const char* unsupported;
    };
    static constexpr biasRow rows[] = {
        {FLAG_PA_BIAS_HIGH, "High\t \t    \t   ", 0, "High (Unsupported)"},
        {FLAG_PA_BIAS_2, "Bias 2(High)\t \t   ", 2, "Bias 2(Unsupported)"},
        {FLAG_PA_BIAS_3, "Bias 3(High)\t \t   ", 4, "Bias 3(Unsupported)"},
        {FLAG_PA_BIAS_LOW, "Low\t \t                   ", 1, "Low (Unsupported)"},
    };
    for (const biasRow& r : rows) {
        if (storage.isSupported(r.flag))
            appendf("%s%d", r.label, storage.getSoftpot(ROW_PA_BIAS, r.column));
        else
            line(r.unsupported);
        blankLines(1);
    }
    blankLines(2);
}

void previewFileModule::battery() {
    line("\t \t                   ");
    if (!mobile()) {
        line("**** BATTERY THRESHOLD UNSUPPORTED ****\n");
        blankLines(50);
        return;
    }
    line("**** BATTERY THRESHOLD ****\n");
    blankLines(1);
    line("Target Voltage(V)\t \tDefault Value\n");
    const float volts = static_cast<float>(storage.getSoftpot(ROW_BATTERY, 0)) * 0.1f;
    appendf("%1.2f\t \t                   %d\n", static_cast<double>(volts),
            storage.getSoftpot(ROW_BATTERY, 1));
    blankLines(1);
    blankLines(36);
}

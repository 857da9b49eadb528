#include "shell/helpTopics.h"

#include "shell/commandTable.h"

namespace {

struct screenContext {
    int screen;
    int context;
};

const screenContext SCREEN_CONTEXTS[] = {
    {1, 40001},  {2, 40002},  {3, 40002},  {5, 40003},  {6, 40004},  {7, 40004},  {8, 40004},  {9, 40005},
    {10, 40006}, {11, 40008}, {12, 40008}, {36, 40017}, {37, 40017}, {13, 40009}, {14, 40021}, {33, 40015},
    {35, 40024}, {4, 40013},  {34, 40016}, {32, 40014}, {20, 40023}, {15, 40010}, {16, 40011}, {17, 40011},
    {18, 40011}, {19, 40012}, {38, 40012}, {30, 40020}, {31, 40020},
};

struct contextTopic {
    int context;
    const char* title;
    const char* text;
};

const contextTopic CONTEXT_TOPICS[] = {
    {40001, "Reference Oscillator Warp",
     "Key the radio up with PTT Toggle, watch the frequency error on the test set and move the slider "
     "until the error is within limits. Program stores the value in the radio."},
    {40002, "Transmit Power",
     "Each frequency point has its own row. Key up, measure the output power on the test set and adjust "
     "each point's value; Program stores every point."},
    {40003, "Modulation Balance Attenuation",
     "Adjust the modulation balance of each point while the radio transmits a low-frequency tone."},
    {40004, "VCO Attenuation", "Adjust the VCO modulation attenuation for the channel spacing chosen."},
    {40005, "DTMF Deviation", "Adjust the DTMF deviation while the radio transmits the DTMF test tone."},
    {40006, "VYS1200 Signalling Deviation", "Adjust the VYS1200 signalling deviation."},
    {40008, "PA Bias Voltage",
     "Set the PA bias voltage with the radio keyed, reading the current on the supply."},
    {40009, "Select 5 Signalling Deviation", "Adjust the Select 5 signalling deviation."},
    {40010, "Front End Filter",
     "Tune the receiver front end filter at each receive point for best sensitivity."},
    {40011, "Auto Squelch",
     "Tune the squelch opening point of each receive point, by hand or with Auto Tune."},
    {40012, "Rated Volume", "Set the audio output so that the rated volume is reached with the test signal."},
    {40013, "K and M Tuning (Mobile)", "Tune the mobile radio's power control points K and M in watts."},
    {40014, "Battery Threshold", "Set the low-battery threshold of a mobile radio."},
    {40015, "High Speed Trunking Signalling Deviation",
     "Adjust the high speed trunking signalling deviation."},
    {40016, "PA Voltage Limit", "The radio tunes its PA voltage limit itself; wait until Auto Tuning ends."},
    {40017, "PA Bias Default", "The radio's PA bias is set to its default value for this supply voltage."},
    {40020, "Utilities", "Baseband offset update and serial number programming for a radio that was read."},
    {40021, "MPT1327 Signalling Deviation", "Adjust the MPT1327 signalling deviation."},
    {40023, "RSSI Tuning", "Calibrate the received signal strength thresholds with the test signal levels."},
    {40024, "Transmit DAC (Low-Band Mobile)", "Tune the transmit DAC values of a low-band mobile radio."},
};

std::string withoutMnemonic(const char* text) {
    std::string s;
    for (const char* p = text; *p && *p != '\t'; ++p)
        if (*p != '&')
            s += *p;
    while (!s.empty() && s.back() == ' ')
        s.pop_back();
    return s;
}

} // namespace

std::optional<int> helpContextForScreen(int screen) {
    for (const auto& c : SCREEN_CONTEXTS)
        if (c.screen == screen)
            return c.context;
    return std::nullopt;
}

helpTopic helpTopicFor(int context) {
    if (context == HELP_CONTENTS) {
        std::string text = "Topics:\n";
        for (const auto& t : CONTEXT_TOPICS)
            text += "  " + std::string(t.title) + "\n";
        return {"Contents", text};
    }
    if (context == HELP_ON_HELP)
        return {"Using Help",
                "Press F1 in a tuning screen for help on that screen, or highlight a menu item and press F1 "
                "for help on the command."};
    for (const auto& t : CONTEXT_TOPICS)
        if (t.context == context)
            return {t.title, t.text};
    if (const commandRow* row = findCommand(context)) {
        const auto hint = hintFor(context);
        return {withoutMnemonic(row->text), hint ? std::string(*hint) : std::string()};
    }
    return {"Help topic " + std::to_string(context), "There is no help for this topic."};
}

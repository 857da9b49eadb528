// One row of data per tuning screen: everything in which the screens that
// follow the common tuning pattern differ from each other. TuningScreen runs
// the pattern from such a row; a screen class adds code only where its
// procedure departs from the pattern.
#pragma once

#include <string_view>

enum class screenKind { ONE_POINT, SEVEN_POINT };
enum class screenSide { TRANSMIT, RECEIVE };

// The frequency point a one-point screen tunes at (seven-point screens tune
// row n at point Fn).
enum class pointRule {
    BY_ROW,     // row n is point Fn
    LOWEST_TX,  // the lowest present transmit point
    MIDDLE_TX,  // first + (last - first) / 2 of the present transmit points
    HIGHEST_TX, // F7 first, down to F1
    MIDDLE_RX,  // the middle present receive point
};

// The receive code sent with the tuning point's channel request.
enum class receiveRule {
    SAME_INDEX, // the receive code of the tuning point's index
    F1,         // receive point F1, whatever the tuning point
    HIGHEST_RX, // the highest present receive point
};

// How a screen puts the radio on a point's channel.
enum class channelCall {
    PAIR,         // setChannelPair (transmit code, 2, receive code, 2)
    RECEIVE_ONLY, // setChannel (receive code, 2)
    NONE,
};

// When Program copies the programmed values into the radio image and the
// default fields.
enum class commitTiming {
    EACH_POINT,       // right after the point's write
    AFTER_ALL_POINTS, // once every present point is written: all rows, blank fields as 0
};

// What Program does with the row of an absent point on a one-point screen.
enum class absentProgram {
    SKIP,          // nothing; the default field is left alone
    SHOW_TYPED,    // nothing is sent; the default field shows the converted working text
    VALIDATE_ONLY, // the value is validated (and may end Program), nothing is sent
};

// How closing the screen leaves the radio.
enum class restoreRule {
    DEKEY_THEN_RESET,  // dekey; reset when the dekey succeeded; failures are silent
    DEKEY_RESET_NOTED, // dekey and reset; a failure shows the communication error
    RESET_ONLY,        // receive screens
};

// Pixel places of the controls that move between screens (the others are
// fixed by the kind). Values are for the 12-pixel screen font.
struct screenLayout {
    int windowHeight = 350;
    int buttonY = 240; // "PTT Toggle" and "Program"
    int statusX = 20;
    int statusY = 280;
    int statusHeight = 30;
    int workingCaptionX = 550;
    int noteY = 320;
    int noteWidth = 350;
};

constexpr screenLayout sevenPointLayout() {
    return {};
}
constexpr screenLayout onePointLayout(int buttonY, int statusX, int statusHeight, int workingCaptionX = 550) {
    return {300, buttonY, statusX, 200, statusHeight, workingCaptionX, 250, 300};
}

struct screenDescription {
    int number;    // the openScreenId of the screen
    int commandId; // the menu command that opens it
    const char* className;
    const char* title;   // the title handed to the screen window
    const char* caption; // the MDI child's caption
    screenKind kind;
    screenSide side;

    int softpotRow;  // radio-image row of the tuned values
    int firstColumn; // column of F1 (seven-point) or of the one value
    int softpotType;
    int valueSize; // bytes of a value on the wire
    int minimum;
    int maximum; // a screen class may decide it from the radio when it is built

    // Texts; "%d" in the note line and the commit question takes the maximum.
    const char* noteLine;
    const char* commitQuestion;
    const char* abortedMessage; // value above the maximum at Program ("ERROR")
    const char* emptyMessage;   // blank working field at Program
    const char* emptyCaption;   // "NOTE" or "ERROR"
    std::string_view mismatchPrompt;

    pointRule point = pointRule::BY_ROW;
    receiveRule receive = receiveRule::SAME_INDEX;
    bool alwaysPresent = false;         // the one point is tuned even when its code is 0
    bool channelBeforeTestMode = false; // opening order of the receive screens
    channelCall prepareChannel = channelCall::PAIR;
    channelCall programChannel = channelCall::PAIR;
    commitTiming storeValues = commitTiming::EACH_POINT;
    commitTiming showDefaults = commitTiming::EACH_POINT;
    absentProgram absent = absentProgram::SKIP;
    bool reprepareAfterProgram = false; // back on the selected point after Program
    restoreRule restore = restoreRule::DEKEY_THEN_RESET;
    screenLayout layout = sevenPointLayout();

    int rows() const { return kind == screenKind::SEVEN_POINT ? 7 : 1; }
    bool transmit() const { return side == screenSide::TRANSMIT; }
};

// What the main window hands to every tuning screen it opens: the one radio
// image, the application state (whose openScreenId the screen clears when it
// closes), the read sequence (for the mismatch prompt's re-read) and the one
// message interface.
#pragma once

#include <functional>

class radioStorage;
class radioOperations;
struct ApplicationState;
class MessagePresenter;

struct ScreenContext {
    radioStorage& image;
    ApplicationState& state;
    radioOperations& operations;
    MessagePresenter& presenter;
    // Runs the main window's Read Radio command (11842) to its end: the OK
    // of a screen's serial-number mismatch prompt. Empty: nothing is read.
    std::function<void()> readRadio = {};
};

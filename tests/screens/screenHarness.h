// A tuning screen on the simulated radio: the radio on a pseudo-terminal
// behind COM port 6 (com.ini in a program directory of the test's own), the
// radio image filled as a read of that radio fills it, scripted answers to
// every prompt, and the requests the radio received in a compact form
// ("serial", "test 0 2 2", "pair 5 5", "channel 5", "live 11 300",
// "store 0 38", "key", "dekey", "reset").
#pragma once

#include "link/ComIni.h"
#include "link/LinkTiming.h"
#include "link/ProgramDirectory.h"
#include "link/SerialPortMap.h"
#include "model/radioStorage.h"
#include "operations/ApplicationState.h"
#include "operations/radioConnection.h"
#include "operations/radioOperations.h"
#include "screens/TuningScreen.h"
#include "shell/scriptedPresenter.h"
#include "sim/simulatedRadio.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace screentest {

constexpr int SIM_COM_PORT = 6;

// The one QApplication of the test program.
QApplication& application();

// Copies what a read of `radio` puts into the image: identity, tuning data,
// every softpot the screens tune and the support flags.
void loadImage(radioStorage& image, const sim::radioProfile& radio);

// The request in the compact form of this harness.
std::string describe(const sbep::Bytes& frame);

// A profile with its transmit (or receive) point codes replaced; 0 marks an
// absent point.
sim::radioProfile withTxPoints(sim::radioProfile p, std::array<std::uint16_t, 7> codes);
sim::radioProfile withRxPoints(sim::radioProfile p, std::array<std::uint16_t, 7> codes);
sim::radioProfile withModel(sim::radioProfile p, const std::string& model10);

class harness {
public:
    explicit harness(sim::radioProfile profile);
    ~harness();
    harness(const harness&) = delete;
    harness& operator=(const harness&) = delete;

    ScreenContext context();

    // Builds the screen and runs its opening sequence and setup.
    template <class Screen> std::unique_ptr<Screen> open() {
        auto screen = std::make_unique<Screen>(context());
        screen->open();
        return screen;
    }

    // Requests received since the last call (or the start).
    std::vector<std::string> takeRequests();
    // Holds the COM port as another program would, or lets it go.
    void occupyPort(bool occupied);
    // Whether something in this process holds the port now.
    bool portHeld();
    void processEvents();

    sim::radioProfile profile;
    ScopedLinkTiming timing;
    sim::simulatedRadio radio;
    std::string programDirectory;
    radioStorage image;
    ApplicationState state;
    comPortConnector connector;
    radioOperations operations{connector};
    scriptedPresenter presenter;
    int readRadioRuns = 0;
    std::size_t requestsSeen = 0;

private:
    int occupant_ = -1;
};

} // namespace screentest

// A utility window on the simulated radio: the radio on a pseudo-terminal
// behind COM port 7 (com.ini in a program directory of the test's own), the
// radio image filled as a read of that radio fills it, scripted answers to
// every prompt, and the requests the radio received.
#pragma once

#include "link/LinkTiming.h"
#include "model/radioStorage.h"
#include "operations/ApplicationState.h"
#include "operations/radioConnection.h"
#include "operations/radioOperations.h"
#include "screens/ScreenContext.h"
#include "shell/scriptedPresenter.h"
#include "sim/simulatedRadio.h"

#include <QApplication>
#include <QWidget>

#include <string>
#include <vector>

namespace utilitytest {

constexpr int SIM_COM_PORT = 7;

QApplication& application();

// The identity, the baseband offsets and their kind, and the temp comp
// bytes of `radio`, as Read Radio puts them into the image.
void loadImage(radioStorage& image, const sim::radioProfile& radio);

sim::radioProfile withModel(sim::radioProfile p, const std::string& model10);

// A fault on every matching request after `after` have passed (`times` 0: always).
sim::faultSpec fault(sim::faultKind kind, int after = 0, int opcode = -1, int times = 0);

// Key presses as the keyboard sends them.
void typeText(QWidget* widget, const QString& text);
void pressKey(QWidget* widget, int key);

class harness {
public:
    explicit harness(sim::radioProfile profile);
    ~harness();
    harness(const harness&) = delete;
    harness& operator=(const harness&) = delete;

    ScreenContext context();
    // Opcodes of the requests received since the last call.
    std::vector<int> takeOpcodes();
    // Holds the COM port as another program would, or lets it go.
    void occupyPort(bool occupied);
    // bbo.cfg of the installation into the program directory.
    void installBBOConfig();
    std::vector<std::uint8_t> memory(std::size_t address, std::size_t length);

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

private:
    std::size_t requestsSeen = 0;
    int occupant = -1;
};

} // namespace utilitytest

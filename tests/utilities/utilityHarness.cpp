#include "utilityHarness.h"

#include "link/ComIni.h"
#include "link/ProgramDirectory.h"
#include "link/SBEPFrame.h"
#include "link/SerialPortMap.h"

#include <QKeyEvent>

#include <atomic>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <unistd.h>

namespace utilitytest {

namespace {

std::string uniqueDirectory() {
    static std::atomic<int> counter{0};
    const auto dir = std::filesystem::temp_directory_path() /
                     ("veltra-utilities-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(dir);
    return dir.string();
}

} // namespace

QApplication& application() {
    static int argc = 1;
    static char name[] = "test_utilities";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    return *app;
}

void loadImage(radioStorage& image, const sim::radioProfile& radio) {
    image.setSerialNumber(radio.serial);
    image.setModelNumber(radio.model);
    image.setICVersion(std::span<const std::uint8_t>(radio.icVersion));
    image.setRadioType(radio.radioType);
    const bool bbo = radio.unsupportedRequests.count(0x28) == 0;
    image.setBBOSupported(bbo);
    for (std::size_t i = 0; i < radio.bbo.size(); ++i)
        image.setSoftpot(ROW_BBO, bbo ? radio.bbo[i] : 0, static_cast<int>(i));
    // The radio keeps the four temp comp bytes as one value, first byte highest.
    const auto temp = radio.softpots.find(1);
    const std::uint32_t bytes = temp == radio.softpots.end() ? 0 : temp->second[0][0];
    for (int i = 0; i < 4; ++i)
        image.setSoftpot(ROW_RADIO_INFO, static_cast<int>((bytes >> (24 - 8 * i)) & 0xFF),
                         COL_TEMP_COMP_1 + i);
}

sim::radioProfile withModel(sim::radioProfile p, const std::string& model10) {
    p.model = model10 + std::string(16 - model10.size(), ' ');
    return p;
}

sim::faultSpec fault(sim::faultKind kind, int after, int opcode, int times) {
    sim::faultSpec f;
    f.kind = kind;
    f.after = after;
    f.opcode = opcode;
    f.times = times;
    return f;
}

void typeText(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
    }
}

void pressKey(QWidget* widget, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
}

harness::harness(sim::radioProfile p)
    : profile(std::move(p)),
      timing(LinkTiming{std::chrono::milliseconds{25}, std::chrono::milliseconds{25}}), radio(profile),
      programDirectory(uniqueDirectory()) {
    application();
    radio.start();
    setComDeviceOverride(SIM_COM_PORT, radio.devicePath());
    setProgramDirectory(programDirectory);
    writeComIni(comIniPath(), SIM_COM_PORT);
    loadImage(image, profile);
    state.radioRead = true;
    state.tuningAllowed = true;
}

harness::~harness() {
    occupyPort(false);
    clearComDeviceOverride(SIM_COM_PORT);
    radio.stop();
    std::error_code ignored;
    std::filesystem::remove_all(programDirectory, ignored);
}

ScreenContext harness::context() {
    return {image, state, operations, presenter, [this] {
                ++readRadioRuns;
                loadImage(image, radio.snapshot().radio);
            }};
}

std::vector<int> harness::takeOpcodes() {
    const auto frames = radio.receivedRequests();
    std::vector<int> out;
    for (std::size_t i = requestsSeen; i < frames.size(); ++i)
        out.push_back(sbep::frameOpcode(frames[i]));
    requestsSeen = frames.size();
    return out;
}

void harness::occupyPort(bool occupied) {
    if (occupied && occupant < 0) {
        occupant = ::open(radio.devicePath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        if (occupant >= 0)
            ::flock(occupant, LOCK_EX | LOCK_NB);
    } else if (!occupied && occupant >= 0) {
        ::flock(occupant, LOCK_UN);
        ::close(occupant);
        occupant = -1;
    }
}

void harness::installBBOConfig() {
    std::filesystem::copy_file(std::filesystem::path(VELTRA_SOURCE_DIR) / "src/resources/bbo.cfg",
                               std::filesystem::path(programDirectory) / "bbo.cfg",
                               std::filesystem::copy_options::overwrite_existing);
}

std::vector<std::uint8_t> harness::memory(std::size_t address, std::size_t length) {
    const auto m = radio.snapshot().radio.memory;
    return {m.begin() + static_cast<std::ptrdiff_t>(address),
            m.begin() + static_cast<std::ptrdiff_t>(address + length)};
}

} // namespace utilitytest

#include "screenHarness.h"

#include "link/SBEPFrame.h"
#include "model/radiomodel.h"

#include <QApplication>

#include <atomic>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <unistd.h>

namespace screentest {

namespace {

constexpr int OP_RESET = 0x10;
constexpr int OP_KEY = 0x19;
constexpr int OP_SOFTPOT = 0x20;
constexpr int OP_CHANNEL = 0x21;
constexpr int OP_TEST_MODE = 0x22;
constexpr int OP_RADIO_INFO = 0x23;
constexpr int INFO_SERIAL = 0x01;

// Where each softpot type the screens tune lives in the image: a point type
// fills the seven cells from `column`, a single-value type one cell.
struct cellOfType {
    int type;
    int bank;
    int row;
    int column;
    bool points;
    int flag;
};

constexpr cellOfType CELLS[] = {
    {0, 0, ROW_TX_POWER, 0, true, FLAG_TX_POWER},
    {0, 1, ROW_TX_POWER, 7, true, FLAG_TX_POWER},
    {28, 0, ROW_TX_POWER_MAX, 0, true, FLAG_TX_POWER_MAX},
    {2, 0, ROW_VCO_ATTN, 14, true, FLAG_VCO_ATTN},
    {3, 0, ROW_MOD_BALANCE, 14, true, FLAG_MOD_BALANCE},
    {13, 0, ROW_FRONT_END_FILTER, 0, true, FLAG_FRONT_END_FILTER},
    {11, 0, ROW_REF_OSC_WARP, 0, false, FLAG_REF_OSC_WARP},
    {14, 0, ROW_DTMF, 0, false, FLAG_DTMF},
    {24, 0, ROW_VYS1200, 0, false, FLAG_VYS1200},
    {15, 0, ROW_SELECT5, 0, false, FLAG_SELECT5},
    {16, 0, ROW_HST, 0, false, FLAG_HST},
    {5, 0, ROW_MPT1327, 0, false, FLAG_MPT1327},
    {8, 0, ROW_RATED_VOLUME, 0, false, FLAG_RATED_VOLUME},
    {8, 1, ROW_RATED_VOLUME, 1, false, FLAG_RATED_VOLUME},
};

std::uint32_t valueAt(const sbep::Bytes& frame, std::size_t from) {
    std::uint32_t v = 0;
    for (std::size_t i = from; i + 1 < frame.size(); ++i) // the last byte is the checksum
        v = (v << 8) | frame[i];
    return v;
}

std::string uniqueDirectory() {
    static std::atomic<int> counter{0};
    const auto dir = std::filesystem::temp_directory_path() /
                     ("veltra-screens-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(dir);
    return dir.string();
}

} // namespace

QApplication& application() {
    static int argc = 1;
    static char name[] = "test_screens";
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
    image.setUUID(std::span<const std::uint8_t>(radio.uuid));
    image.setICVersion(std::span<const std::uint8_t>(radio.icVersion));
    image.setRegionalID(radio.regionalId);
    for (int n = 0; n < 7; ++n) {
        image.setSoftpot(ROW_RADIO_INFO, radio.txPoints[n], COL_TX_POINT_F1 + n);
        image.setSoftpot(ROW_RADIO_INFO, radio.rxPoints[n], COL_RX_POINT_F1 + n);
    }
    image.setSoftpot(ROW_RADIO_INFO, radio.frequencyBase, COL_FREQUENCY_BASE);
    image.setSoftpot(ROW_RADIO_INFO, radio.spacingMask, COL_SPACING_MASK);
    image.setRadioType(radio.radioType);
    for (const cellOfType& c : CELLS) {
        const auto found = radio.softpots.find(c.type);
        if (!radio.supports(c.type) || found == radio.softpots.end()) {
            image.clearSupported(c.flag);
            continue;
        }
        image.setSupported(c.flag);
        const auto& values = found->second[static_cast<std::size_t>(c.bank)];
        for (int n = 0; n < (c.points ? 7 : 1); ++n)
            image.setSoftpot(c.row, static_cast<int>(values[static_cast<std::size_t>(n)]), c.column + n);
    }
    // The 20 and 12.5 kHz VCO values are those of the highest transmit point.
    const auto vco = radio.softpots.find(2);
    for (int n = 6; n >= 0 && vco != radio.softpots.end(); --n) {
        if (radio.txPoints[static_cast<std::size_t>(n)] != 0) {
            image.setSoftpot(ROW_VCO_ATTN, static_cast<int>(vco->second[1][static_cast<std::size_t>(n)]), 13);
            image.setSoftpot(ROW_VCO_ATTN, static_cast<int>(vco->second[2][static_cast<std::size_t>(n)]), 6);
            break;
        }
    }
    image.setSoftpot(ROW_RSSI, radio.rssiCalibration, 6);
}

std::string describe(const sbep::Bytes& frame) {
    const int opcode = sbep::frameOpcode(frame);
    const std::size_t at = sbep::frameHeaderSize(frame);
    const auto byte = [&](std::size_t i) {
        return at + i < frame.size() ? static_cast<int>(frame[at + i]) : -1;
    };
    const auto word = [&](std::size_t i) { return byte(i) * 256 + byte(i + 1); };
    switch (opcode) {
    case OP_RESET:
        return "reset";
    case OP_KEY:
        return byte(0) == 1 ? "key" : "dekey";
    case OP_RADIO_INFO:
        return byte(0) == INFO_SERIAL ? "serial" : "info " + std::to_string(byte(0));
    case OP_TEST_MODE:
        return "test " + std::to_string(byte(0)) + " " + std::to_string(byte(1)) + " " +
               std::to_string(byte(2));
    case OP_CHANNEL:
        if (sbep::framePayloadLength(frame) == 5)
            return "pair " + std::to_string(word(1)) + " " + std::to_string(word(3));
        return "channel " + std::to_string(word(1));
    case OP_SOFTPOT: {
        static const char* modes[] = {"read", "store", "live", "read-all", "store-all"};
        const int mode = byte(1);
        std::string text =
            std::string(mode >= 0 && mode < 5 ? modes[mode] : "softpot") + " " + std::to_string(byte(0));
        if (mode == 1 || mode == 2)
            text += " " + std::to_string(valueAt(frame, at + 2)) +
                    (sbep::framePayloadLength(frame) == 4 ? " (2 bytes)" : "");
        return text;
    }
    default:
        return "opcode " + std::to_string(opcode);
    }
}

sim::radioProfile withTxPoints(sim::radioProfile p, std::array<std::uint16_t, 7> codes) {
    p.txPoints = codes;
    return p;
}

sim::radioProfile withRxPoints(sim::radioProfile p, std::array<std::uint16_t, 7> codes) {
    p.rxPoints = codes;
    return p;
}

sim::radioProfile withModel(sim::radioProfile p, const std::string& model10) {
    p.model = model10 + std::string(16 - model10.size(), ' ');
    return p;
}

harness::harness(sim::radioProfile p)
    : profile(std::move(p)), timing(LinkTiming{std::chrono::milliseconds{25}, std::chrono::milliseconds{25}}),
      radio(profile), programDirectory(uniqueDirectory()) {
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

std::vector<std::string> harness::takeRequests() {
    const auto frames = radio.receivedRequests();
    std::vector<std::string> out;
    for (std::size_t i = requestsSeen; i < frames.size(); ++i)
        out.push_back(describe(frames[i]));
    requestsSeen = frames.size();
    return out;
}

void harness::occupyPort(bool occupied) {
    if (occupied && occupant_ < 0) {
        occupant_ = ::open(radio.devicePath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        if (occupant_ >= 0)
            ::flock(occupant_, LOCK_EX | LOCK_NB);
    } else if (!occupied && occupant_ >= 0) {
        ::flock(occupant_, LOCK_UN);
        ::close(occupant_);
        occupant_ = -1;
    }
}

bool harness::portHeld() {
    const int fd = ::open(radio.devicePath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return true; // kept exclusive by its holder
    const bool held = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
    if (!held)
        ::flock(fd, LOCK_UN);
    ::close(fd);
    return held;
}

void harness::processEvents() {
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

} // namespace screentest

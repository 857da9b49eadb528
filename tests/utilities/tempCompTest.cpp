#include "utilityHarness.h"

#include "shell/commandTable.h"
#include "shell/screenRegistry.h"
#include "sim/faultPlan.h"
#include "utilities/TTempCompWindow.h"

#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace utilitytest;

constexpr int OP_SOFTPOT = 0x20;

// The radio keeps the four bytes as one value, first byte most significant.
sim::radioProfile radioWithBytes(std::array<std::uint32_t, 4> bytes) {
    auto p = sim::radioProfile::builtIn("portable");
    p.softpots[1][0][0] = bytes[0] << 24 | bytes[1] << 16 | bytes[2] << 8 | bytes[3];
    return p;
}

std::unique_ptr<TTempCompWindow> open(harness& h, bool write) {
    // The command stores the number first, as the shell does.
    h.state.openScreenId = write ? 40 : 39;
    const commandRow& row = *findCommand(write ? CM_TEMP_COMP_WRITE : CM_TEMP_COMP_READ);
    QWidget* w = write ? makeTempCompWriteWindow(screenRequest{nullptr, h.context(), row})
                       : makeTempCompReadWindow(screenRequest{nullptr, h.context(), row});
    return std::unique_ptr<TTempCompWindow>(static_cast<TTempCompWindow*>(w));
}

std::array<int, 4> imageBytes(const harness& h) {
    std::array<int, 4> b{};
    for (int i = 0; i < 4; ++i)
        b[static_cast<std::size_t>(i)] = h.image.getSoftpot(ROW_RADIO_INFO, COL_TEMP_COMP_1 + i);
    return b;
}

TEST(tempCompTest, ReadModeShowsTheRadiosBytesAsEightDigits) {
    harness h(radioWithBytes({0x0A, 0xFF, 0x00, 0x7C}));
    for (int i = 0; i < 4; ++i)
        h.image.setSoftpot(ROW_RADIO_INFO, 0x55, COL_TEMP_COMP_1 + i); // an earlier radio's
    auto w = open(h, false);
    ASSERT_TRUE(w);
    EXPECT_EQ(h.state.openScreenId, 39);
    EXPECT_EQ(w->windowTitle(), "Read Temp Comp");
    EXPECT_EQ(w->entryField()->text(), "0aff007c");
    EXPECT_FALSE(w->entryField()->isEnabled());
    EXPECT_EQ(w->button()->text(), "Close");
    EXPECT_EQ(imageBytes(h), (std::array<int, 4>{0x0A, 0xFF, 0x00, 0x7C}));
    EXPECT_EQ(h.takeOpcodes(), std::vector<int>{OP_SOFTPOT});
    EXPECT_TRUE(h.presenter.shown.empty());
    w.reset();
    EXPECT_EQ(h.state.openScreenId, 0);
}

TEST(tempCompTest, DisplayIsTwoLowercaseDigitsPerByte) {
    EXPECT_EQ(TTempCompWindow::displayText({0x0A, 0xFF, 0x00, 0x7C}), "0aff007c");
    EXPECT_EQ(TTempCompWindow::displayText({0, 0, 0, 1}), "00000001");
}

TEST(tempCompTest, ReadFailuresShowTheMessageAndOpenNothing) {
    struct Case {
        const char* name;
        sim::faultKind fault;
        bool portTaken;
        const char* message;
    };
    const Case cases[] = {
        {"no acknowledgement", sim::faultKind::NAK, false, "Temp Comp data could not be read !!"},
        {"not supported", sim::faultKind::UNSUPPORTED, false, "Temp Comp data could not be read !!"},
        {"port taken", sim::faultKind::NAK, true, "COM Port is currently in use by another application"},
    };
    for (const auto& c : cases) {
        harness h(radioWithBytes({1, 2, 3, 4}));
        if (c.portTaken)
            h.occupyPort(true);
        else
            h.radio.injectFault(fault(c.fault, 0));
        const auto before = imageBytes(h);
        EXPECT_FALSE(open(h, false)) << c.name;
        EXPECT_EQ(h.state.openScreenId, 0) << c.name;
        EXPECT_EQ(h.presenter.texts(), std::vector<std::string>{c.message}) << c.name;
        EXPECT_EQ(imageBytes(h), before) << c.name;
    }
}

TEST(tempCompTest, WriteModeSendsTheFourBytesInOrder) {
    harness h(radioWithBytes({1, 2, 3, 4}));
    auto w = open(h, true);
    ASSERT_TRUE(w);
    EXPECT_EQ(h.state.openScreenId, 40);
    EXPECT_EQ(w->windowTitle(), "Write Temp Comp");
    EXPECT_EQ(w->button()->text(), "Program");
    EXPECT_TRUE(w->entryField()->text().isEmpty());
    EXPECT_TRUE(h.takeOpcodes().empty()) << "opening the write window reaches no radio";
    const auto before = imageBytes(h);

    typeText(w->entryField(), "0AFF007C");
    w->button()->click();
    EXPECT_EQ(h.presenter.texts(),
              std::vector<std::string>{"Temp Comp data has been written in successfully !!"});
    const auto requests = h.radio.receivedRequests();
    ASSERT_EQ(requests.size(), 1u);
    // 0x20, type 1, mode 1 (store), then the bytes.
    const sbep::Bytes payload(requests[0].begin() + 2, requests[0].end() - 1);
    EXPECT_EQ(payload, (sbep::Bytes{0x01, 0x01, 0x0A, 0xFF, 0x00, 0x7C}));
    EXPECT_EQ(h.radio.storedValue(1, 0), 0x0AFF007Cu);
    EXPECT_EQ(imageBytes(h), before) << "a write leaves the image as it was";
}

TEST(tempCompTest, WriteFieldTakesEightHexDigitsOnly) {
    harness h(radioWithBytes({1, 2, 3, 4}));
    auto w = open(h, true);
    ASSERT_TRUE(w);
    typeText(w->entryField(), "0g1X2aF 3b4c5d");
    EXPECT_EQ(w->entryField()->text(), "012aF3b4");
}

TEST(tempCompTest, OnlyEightDigitsAreWritten) {
    for (const char* digits : {"0AFF00", "", "0AFF007"}) {
        harness h(radioWithBytes({1, 2, 3, 4}));
        auto w = open(h, true);
        ASSERT_TRUE(w);
        w->entryField()->setText(QString::fromLatin1(digits));
        w->programBytes();
        ASSERT_EQ(h.presenter.shown.size(), 1u) << digits;
        EXPECT_EQ(h.presenter.shown[0].message.text, "Length of Temp Comp data must be exactly 4 bytes")
            << digits;
        EXPECT_EQ(h.presenter.shown[0].message.caption, "NOTE") << digits;
        EXPECT_TRUE(h.takeOpcodes().empty()) << digits;
    }
}

TEST(tempCompTest, RefusedWriteShowsTheWriteError) {
    harness h(radioWithBytes({1, 2, 3, 4}));
    auto w = open(h, true);
    ASSERT_TRUE(w);
    h.radio.injectFault(fault(sim::faultKind::NAK, 0));
    w->entryField()->setText("0AFF007C");
    w->programBytes();
    EXPECT_EQ(h.presenter.texts(), std::vector<std::string>{"Error writing in Temp Comp data !!"});
    EXPECT_EQ(h.radio.storedValue(1, 0), 0x01020304u);
}

} // namespace

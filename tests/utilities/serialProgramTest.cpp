#include "utilityHarness.h"

#include "operations/radioOperations.h"
#include "shell/commandTable.h"
#include "shell/screenRegistry.h"
#include "sim/faultPlan.h"
#include "utilities/TSerialProgramWindow.h"

#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace utilitytest;

constexpr int OP_SERIAL_INFO = 0x23;
constexpr int OP_WRITE_SERIAL = 0x18;
const std::string BLANK(10, ' ');

sim::radioProfile blankRadio() {
    auto p = sim::radioProfile::builtIn("portable");
    p.serial = BLANK;
    return p;
}

const commandRow& serialRow() {
    return *findCommand(CM_PROGRAM_SERIAL);
}

std::unique_ptr<QWidget> openWindow(harness& h) {
    return std::unique_ptr<QWidget>(
        makeSerialProgramWindow(screenRequest{nullptr, h.context(), serialRow()}));
}

TSerialProgramWindow& asSerial(const std::unique_ptr<QWidget>& w) {
    return *static_cast<TSerialProgramWindow*>(w.get());
}

TEST(serialProgramTest, OpensOnTheRadioThatWasRead) {
    harness h(blankRadio());
    auto w = openWindow(h);
    ASSERT_TRUE(w);
    EXPECT_EQ(h.state.openScreenId, 30);
    EXPECT_EQ(w->windowTitle(), "Program Serial No");
    EXPECT_EQ(h.takeOpcodes(), std::vector<int>{OP_SERIAL_INFO});
    EXPECT_TRUE(h.presenter.shown.empty());
    EXPECT_EQ(asSerial(w).updateButton()->text(), "Update");
    w.reset();
    EXPECT_EQ(h.state.openScreenId, 0);
}

TEST(serialProgramTest, AnotherRadioOnTheCableStopsTheOpeningWithTheShellsQuestion) {
    harness h(blankRadio());
    h.radio.withState([](sim::radioState& s) { s.radio.serial = "752TKL0999"; });
    try {
        openWindow(h);
        FAIL() << "opened on another radio";
    } catch (const radioChangedError& e) {
        EXPECT_STREQ(e.what(), "Radio has been changed!! Read in new radio?");
    }
    EXPECT_EQ(h.state.openScreenId, 0);
    EXPECT_TRUE(h.presenter.shown.empty());
}

TEST(serialProgramTest, OpeningFailuresShowTheirMessageAndOpenNothing) {
    struct Case {
        const char* name;
        bool portTaken;
        const char* message;
    };
    const Case cases[] = {
        {"port taken", true, "COM Port is currently in use by another application"},
        {"radio does not answer", false, "Radio Communication Error!!"},
    };
    for (const auto& c : cases) {
        harness h(blankRadio());
        if (c.portTaken)
            h.occupyPort(true);
        else
            h.radio.injectFault(fault(sim::faultKind::NAK, 0));
        EXPECT_FALSE(openWindow(h)) << c.name;
        EXPECT_EQ(h.state.openScreenId, 0) << c.name;
        EXPECT_EQ(h.presenter.texts(), std::vector<std::string>{c.message}) << c.name;
    }
}

TEST(serialProgramTest, EntryFieldTakesOnlyTheSerialCharacters) {
    application();
    TSerialNoEdit edit(nullptr);
    struct Case {
        const char* name;
        const char* typed;
        const char* kept;
    };
    const Case cases[] = {
        {"letters and digits", "Ab9Z0", "Ab9Z0"},
        {"the punctuation of the set", "*#_~!@%&()", "*#_~!@%&()"},
        {"more punctuation", "-+=|{}[];:", "-+=|{}[];:"},
        {"the rest of it", "'?/<>,`.", "'?/<>,`."},
        {"a blank is refused", "AB CD", "ABCD"},
        {"characters outside the set", "A$B^C\"D\\E", "ABCDE"},
        {"at most ten", "ABCDEFGHIJKL", "ABCDEFGHIJ"},
    };
    for (const auto& c : cases) {
        edit.clear();
        typeText(&edit, QString::fromUtf8(c.typed));
        EXPECT_EQ(edit.text().toStdString(), c.kept) << c.name;
    }
}

TEST(serialProgramTest, NineCharactersAndEnterWriteNothing) {
    harness h(blankRadio());
    auto w = openWindow(h);
    ASSERT_TRUE(w);
    h.takeOpcodes();
    typeText(asSerial(w).entryField(), "752TKL041");
    pressKey(asSerial(w).entryField(), Qt::Key_Return);
    ASSERT_EQ(h.presenter.shown.size(), 1u);
    EXPECT_EQ(h.presenter.shown[0].message.text, "Serial No. must be exactly 10 characters");
    EXPECT_EQ(h.presenter.shown[0].message.caption, "Entry Error");
    EXPECT_EQ(h.takeOpcodes(), std::vector<int>{OP_SERIAL_INFO});
    EXPECT_EQ(h.radio.snapshot().radio.serial, BLANK);
}

TEST(serialProgramTest, ProgrammingWritesTheRadioAndLeavesTheImageBlank) {
    harness h(blankRadio());
    auto w = openWindow(h);
    ASSERT_TRUE(w);
    h.takeOpcodes();
    typeText(asSerial(w).entryField(), "752TKL0413");
    asSerial(w).updateButton()->click();
    EXPECT_EQ(h.presenter.texts(),
              std::vector<std::string>{"Serial No. has been successfully programmed !!"});
    EXPECT_EQ(h.takeOpcodes(), (std::vector<int>{OP_SERIAL_INFO, OP_WRITE_SERIAL}));
    EXPECT_EQ(h.radio.snapshot().radio.serial, "752TKL0413");
    EXPECT_EQ(h.image.getSerialNumber(), BLANK);

    // From now on the radio is not the one in the image, here and everywhere.
    h.presenter.shown.clear();
    pressKey(asSerial(w).entryField(), Qt::Key_Enter);
    ASSERT_EQ(h.presenter.shown.size(), 1u);
    EXPECT_EQ(h.presenter.shown[0].message.text,
              "Radio has been changed!! Please close the current screen and "
              "read in new radio. Perform the same operation again.");
    EXPECT_EQ(h.presenter.shown[0].message.caption, "WARNING");
    EXPECT_EQ(h.takeOpcodes(), std::vector<int>{OP_SERIAL_INFO});
    auto connection = h.connector.connect();
    EXPECT_FALSE(radioOperations::verifySerialNo(h.image, connection->protocol()));
}

TEST(serialProgramTest, RefusedWriteIsACommunicationError) {
    harness h(blankRadio());
    auto w = openWindow(h);
    ASSERT_TRUE(w);
    h.radio.injectFault(fault(sim::faultKind::NAK, 0, OP_WRITE_SERIAL));
    typeText(asSerial(w).entryField(), "752TKL0413");
    asSerial(w).program();
    EXPECT_EQ(h.presenter.texts(), std::vector<std::string>{"Radio Communication Error!!"});
    EXPECT_EQ(h.radio.snapshot().radio.serial, BLANK);
}

} // namespace

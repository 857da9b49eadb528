#include "utilityHarness.h"

#include "operations/bboConfigFileModule.h"
#include "sim/codeplugImage.h"
#include "sim/faultPlan.h"
#include "utilities/TBasebandUpdateWindow.h"
#include "utilities/basebandUpdateCommand.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

using namespace utilitytest;

constexpr int OP_READ_MEMORY = 0x11;
constexpr int OP_WRITE_MEMORY = 0x17;
constexpr int OP_RESET = 0x10;
constexpr int OP_RADIO_INFO = 0x23;
constexpr int OP_BBO = 0x28;
constexpr std::size_t SUM_ADDRESS = 766;

// The command's preparation and the window, as the opener runs them.
struct bboFixture {
    explicit bboFixture(sim::radioProfile p) : h(std::move(p)) {}

    std::unique_ptr<TBasebandUpdateWindow> open() {
        if (!prepareBasebandUpdate(module, h.programDirectory, h.context()))
            return nullptr;
        auto w =
            std::make_unique<TBasebandUpdateWindow>(nullptr, h.context(), "Update Baseband Offset", [this] {
                return prepareBasebandUpdate(module, h.programDirectory, h.context());
            });
        if (!w->open())
            return nullptr;
        return w;
    }
    void choose(TBasebandUpdateWindow& w, int label, const char* text) {
        QComboBox* list = w.choiceList(label);
        const int index = list->findText(QString::fromLatin1(text));
        ASSERT_GE(index, 0) << text;
        list->setCurrentIndex(index);
        emit list->activated(index);
    }

    harness h;
    bboFixture(const bboFixture&) = delete;
    bboConfigFileModule module;
};

std::string defaultText(const TBasebandUpdateWindow& w, int label) {
    return w.defaultField(label)->text().toStdString();
}
std::string choiceText(const TBasebandUpdateWindow& w, int label) {
    return w.choiceList(label)->currentText().toStdString();
}

int count(const std::vector<int>& opcodes, int opcode) {
    return static_cast<int>(std::count(opcodes.begin(), opcodes.end(), opcode));
}

void screenshot(QWidget& w, const char* name) {
    const QString directory = QStringLiteral(VELTRA_BINARY_DIR "/screenshots");
    QDir().mkpath(directory);
    w.show();
    QApplication::processEvents();
    EXPECT_TRUE(w.grab().save(directory + "/" + name));
}

// ---- radios with the baseband-offset requests ----------------------------------

TEST(basebandRequestsTest, OpeningShowsTheNineLabelsFromROW_BBO) {
    bboFixture f(sim::radioProfile::builtIn("portable")); // ROW_BBO 0x3C 0x5A 0x7B 0x9C 0xA7 ...
    auto w = f.open();
    ASSERT_TRUE(w);
    EXPECT_TRUE(w->usesRequests());
    EXPECT_EQ(f.h.state.openScreenId, 31);
    EXPECT_EQ(f.h.takeOpcodes(), std::vector<int>{OP_RADIO_INFO}) << "the serial check, nothing else";
    ASSERT_EQ(w->labelCount(), 9);
    EXPECT_EQ(w->labelText(0)->text(), "CSQ Offset               ");
    EXPECT_EQ(w->labelText(8)->text(), "LTR Low Deviation Offset ");
    EXPECT_TRUE(w->spacingButton(0)->isChecked());
    EXPECT_EQ(w->spacingButton(0)->text(), "12.5 kHz Channel Spacing");
    EXPECT_EQ(w->radioTypeLine()->text(), "Radio Type = Portable");
    EXPECT_EQ(w->primarySystemLine()->text(), "Primary system = Conventional");

    struct Case {
        int label;
        const char* text;
    };
    const Case shown[] = {
        {0, "921 Hz"},  {1, "144 Hz"}, // 0x3C
        {2, "1215 Hz"}, {3, "86 Hz"},  // 0x5A
        {8, "1215 Hz"},                // 0xA7: label 8 is the high four bits
    };
    for (const auto& c : shown) {
        EXPECT_EQ(defaultText(*w, c.label), c.text) << "label " << c.label;
        EXPECT_EQ(choiceText(*w, c.label), c.text) << "label " << c.label;
    }
    screenshot(*w, "baseband-offset-update-requests.png");
}

TEST(basebandRequestsTest, ChoiceListsOfferTheTextsInTheirOrder) {
    bboFixture f(sim::radioProfile::builtIn("portable"));
    auto w = f.open();
    ASSERT_TRUE(w);
    const char* order[] = {"28 Hz",   "57 Hz",   "86 Hz",   "115 Hz", "144 Hz", "174 Hz",
                           "204 Hz",  "234 Hz",  "512 Hz",  "646 Hz", "781 Hz", "921 Hz",
                           "1066 Hz", "1215 Hz", "1370 Hz", "1500 Hz"};
    ASSERT_EQ(w->choiceList(0)->count(), 16);
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(w->choiceList(0)->itemText(i), order[i]);
}

TEST(basebandRequestsTest, UpdateWritesEveryValueAndTheRadioKeepsTheChoice) {
    bboFixture f(sim::radioProfile::builtIn("portable"));
    const auto before = f.h.profile.bbo;
    auto w = f.open();
    ASSERT_TRUE(w);
    f.choose(*w, 8, "28 Hz");
    EXPECT_EQ(defaultText(*w, 8), "1215 Hz") << "the default stays until the radio has the value";
    f.h.takeOpcodes();
    w->updateButton()->click();

    EXPECT_EQ(f.h.presenter.texts(),
              std::vector<std::string>{"Baseband Offset parameters updated successfully"});
    const auto opcodes = f.h.takeOpcodes();
    EXPECT_EQ(opcodes.front(), OP_RADIO_INFO);
    EXPECT_EQ(count(opcodes, OP_BBO), 15);
    auto expected = before;
    expected[4] = 0x77;
    EXPECT_EQ(f.h.radio.snapshot().radio.bbo, expected);
    EXPECT_EQ(f.h.image.getSoftpot(ROW_BBO, 4), 0x77);
    EXPECT_EQ(f.h.image.getSoftpot(ROW_BBO, 0), 0x3C);
    EXPECT_EQ(defaultText(*w, 8), "28 Hz");
}

TEST(basebandRequestsTest, EachSpacingShowsAndWritesItsOwnValues) {
    bboFixture f(sim::radioProfile::builtIn("portable")); // group 3: 0x4D 0x6B 0x8C 0xAD 0xB7
    auto w = f.open();
    ASSERT_TRUE(w);
    w->spacingButton(2)->click();
    EXPECT_EQ(w->shownSpacing(), 2);
    EXPECT_EQ(defaultText(*w, 0), "781 Hz");  // 0x4D low
    EXPECT_EQ(defaultText(*w, 1), "115 Hz");  // 0x4D high
    EXPECT_EQ(defaultText(*w, 8), "1066 Hz"); // 0xB7 high
    f.choose(*w, 1, "1500 Hz");               // code 8 into the high nibble of 0x4D
    w->spacingButton(0)->click();
    EXPECT_EQ(choiceText(*w, 1), "144 Hz") << "the 12.5 kHz choice is its own";
    w->updateRadio();
    const auto bbo = f.h.radio.snapshot().radio.bbo;
    EXPECT_EQ(bbo[10], 0x8D);
    EXPECT_EQ(bbo[0], 0x3C);
}

TEST(basebandRequestsTest, AnotherRadioOnTheCableGetsNothingWritten) {
    bboFixture f(sim::radioProfile::builtIn("portable"));
    auto w = f.open();
    ASSERT_TRUE(w);
    f.choose(*w, 0, "28 Hz");
    f.h.radio.withState([](sim::radioState& s) { s.radio.serial = "752TKL9999"; });
    f.h.presenter.answers.push_back(MessageAnswer::Cancel);
    f.h.takeOpcodes();
    w->updateRadio();
    ASSERT_EQ(f.h.presenter.shown.size(), 1u);
    EXPECT_EQ(f.h.presenter.shown[0].message.text, "Serial No. Mismatch!! Read in new radio?");
    EXPECT_TRUE(f.h.presenter.shown[0].question);
    EXPECT_EQ(count(f.h.takeOpcodes(), OP_BBO), 0);
    EXPECT_EQ(f.h.readRadioRuns, 0);
}

TEST(basebandRequestsTest, ReadingTheNewRadioShowsItsValues) {
    bboFixture f(sim::radioProfile::builtIn("portable"));
    auto w = f.open();
    ASSERT_TRUE(w);
    f.h.radio.withState([](sim::radioState& s) {
        s.radio.serial = "752TKL9999";
        s.radio.bbo[0] = 0x11;
    });
    f.h.takeOpcodes();
    w->updateRadio(); // the prompt is answered OK
    EXPECT_EQ(f.h.readRadioRuns, 1);
    EXPECT_EQ(count(f.h.takeOpcodes(), OP_BBO), 0) << "nothing is written to the radio that was found";
    EXPECT_EQ(f.h.state.openScreenId, 31);
    EXPECT_EQ(defaultText(*w, 0), "204 Hz");
    EXPECT_EQ(choiceText(*w, 1), "204 Hz");
}

TEST(basebandRequestsTest, RefusedWriteKeepsTheImage) {
    bboFixture f(sim::radioProfile::builtIn("portable"));
    auto w = f.open();
    ASSERT_TRUE(w);
    f.choose(*w, 8, "28 Hz");
    f.h.radio.injectFault(fault(sim::faultKind::NAK, 3, OP_BBO));
    w->updateRadio();
    EXPECT_EQ(f.h.presenter.texts(), std::vector<std::string>{"Radio Communication Error!!"});
    EXPECT_EQ(f.h.image.getSoftpot(ROW_BBO, 4), 0xA7);
    EXPECT_EQ(defaultText(*w, 8), "1215 Hz");
}

// ---- radios whose offsets bbo.cfg locates in the codeplug ----------------------

// Five bytes per spacing with distinct nibbles: entry g byte b has b + g + 1 in its high and
// b + 2 + 2g in its low four bits (entry 0: 0x12 0x23 0x34 0x45 0x56).
sim::codeplugBlockSpec fiveByteEntries(bool extended, bool entryCheck, bool recordCheck, bool blockCheck,
                                       int entries = 3, int width = 5) {
    sim::codeplugBlockSpec spec;
    spec.extended = extended;
    spec.entryCheck = entryCheck;
    spec.recordCheck = recordCheck;
    spec.blockCheck = blockCheck;
    spec.entrySize = width;
    spec.records.resize(1);
    for (int g = 0; g < entries; ++g) {
        sim::codeplugBlockSpec::entry e;
        for (int b = 0; b < width; ++b)
            e.push_back(static_cast<std::uint8_t>(((b + g + 1) & 0xF) << 4 | ((b + 2 + 2 * g) & 0xF)));
        spec.records[0].push_back(e);
    }
    return spec;
}

sim::radioProfile codeplugRadio(const std::string& model, std::size_t address,
                                const sim::codeplugBlockSpec& spec, std::uint16_t sum = 0x1234) {
    auto p = withModel(sim::radioProfile::builtIn("portable-legacy"), model); // no baseband-offset requests
    p.memory[2] = 20;                                                         // codeplug level
    sim::placeCodeplugBlock(p, address, sim::buildCodeplugBlock(spec));
    p.memory[SUM_ADDRESS] = static_cast<std::uint8_t>(sum >> 8);
    p.memory[SUM_ADDRESS + 1] = static_cast<std::uint8_t>(sum & 0xFF);
    return p;
}

TEST(basebandCodeplugTest, GroupORadioKeepsTheTwoByteSum) {
    // T21P5DKDC1 (groups A, O), level 20: the block at 0x0480, nine labels.
    const auto spec = fiveByteEntries(false, false, false, false);
    bboFixture f(codeplugRadio("T21P5DKDC1", 0x0480, spec, 0x1234));
    f.h.installBBOConfig();
    auto w = f.open();
    ASSERT_TRUE(w) << (f.h.presenter.texts().empty() ? "" : f.h.presenter.texts().back());
    EXPECT_FALSE(w->usesRequests());
    EXPECT_EQ(f.h.image.getBBOEntryWord(), 0x0480);
    ASSERT_EQ(w->labelCount(), 9);
    EXPECT_EQ(w->sum16(), 0x1234);
    const auto opening = f.h.takeOpcodes();
    EXPECT_EQ(count(opening, OP_RADIO_INFO), 0) << "the codeplug kind reads no serial number at opening";
    // The check byte for entries 1 and 2 (both for this model; level 20 is the second's),
    // the header, the block in one piece of 18 bytes, the sum.
    EXPECT_EQ(count(opening, OP_READ_MEMORY), 5);

    // Entry 0 = 0x12 0x23 0x34 0x45 0x56: label 0 low of byte 0 (2), label 1 high (1),
    // label 8 high of byte 4 (5).
    EXPECT_EQ(defaultText(*w, 0), "174 Hz");
    EXPECT_EQ(defaultText(*w, 1), "204 Hz");
    EXPECT_EQ(defaultText(*w, 8), "86 Hz");
    f.choose(*w, 8, "28 Hz"); // code 7: byte 4 0x56 -> 0x76
    w->spacingButton(1)->click();
    f.choose(*w, 0, "1500 Hz"); // code 8: entry 1 byte 0 0x24 -> 0x28
    EXPECT_TRUE(f.h.takeOpcodes().empty()) << "choices stay in the window until Update";

    w->updateButton()->click();
    EXPECT_EQ(f.h.presenter.texts(),
              std::vector<std::string>{"Baseband offset parameters updated successfully"});
    const auto opcodes = f.h.takeOpcodes();
    EXPECT_EQ(opcodes.front(), OP_RADIO_INFO);
    EXPECT_EQ(count(opcodes, OP_WRITE_MEMORY), 2) << "the block (18 bytes) and the sum";
    EXPECT_EQ(opcodes.back(), OP_RESET);

    auto expected = sim::buildCodeplugBlock(spec);
    expected[3 + 4] = 0x76;
    expected[3 + 5] = 0x28;
    EXPECT_EQ(f.h.memory(0x0480, expected.size()), expected);
    const std::uint16_t sum = 0x1234 + (0x76 - 0x56) + (0x28 - 0x24);
    EXPECT_EQ(f.h.memory(SUM_ADDRESS, 2), (std::vector<std::uint8_t>{static_cast<std::uint8_t>(sum >> 8),
                                                                     static_cast<std::uint8_t>(sum & 0xFF)}));
    EXPECT_EQ(defaultText(*w, 0), "1500 Hz");
    screenshot(*w, "baseband-offset-update-codeplug.png");
}

TEST(basebandCodeplugTest, ShippedLegacyRadioAndShippedConfigurationGoTogether) {
    bboFixture f(sim::radioProfile::builtIn("portable-legacy"));
    f.h.installBBOConfig();
    auto w = f.open();
    ASSERT_TRUE(w) << (f.h.presenter.texts().empty() ? "" : f.h.presenter.texts().back());
    EXPECT_EQ(defaultText(*w, 0), "921 Hz");  // 0x3C low
    EXPECT_EQ(defaultText(*w, 8), "1215 Hz"); // 0xA7 high
    f.choose(*w, 8, "28 Hz");
    w->updateRadio();
    EXPECT_EQ(f.h.memory(0x0480 + 3 + 4, 1), std::vector<std::uint8_t>{0x77});
    EXPECT_EQ(f.h.memory(SUM_ADDRESS, 2), (std::vector<std::uint8_t>{0x07, 0x50 - 0x30}));
}

TEST(basebandCodeplugTest, CheckBytesStayRightInEveryLayout) {
    struct Case {
        const char* name;
        const char* model;
        std::size_t address;
        sim::codeplugBlockSpec spec;
        int labels;
    };
    const Case cases[] = {
        // T25 (group L): entry 8, simple header with per-entry check bytes.
        {"simple, entry checks", "T25U1AK3C1", 0x0480, fiveByteEntries(false, true, false, false), 9},
        {"simple, entry and block checks", "T25U1AK3C1", 0x0480, fiveByteEntries(false, true, false, true),
         9},
        // T31 without the requests: entry 4, extended header.
        {"extended, record and block checks", "T31S4NK1C7", 0x0500, fiveByteEntries(true, false, true, true),
         7},
        {"extended, all checks", "T31S4NK1C7", 0x0500, fiveByteEntries(true, true, true, true), 7},
        // 3 + 3 * 21 + 1 = 67 bytes: read in three pieces, written in two.
        {"simple, long entries", "T25U1AK3C1", 0x0480, fiveByteEntries(false, true, false, true, 3, 20), 9},
    };
    for (const auto& c : cases) {
        auto spec = c.spec;
        if (spec.extended)
            spec.recordSize = (spec.entrySize + (spec.entryCheck ? 1 : 0)) * 3;
        bboFixture f(codeplugRadio(c.model, c.address, spec));
        f.h.installBBOConfig();
        auto w = f.open();
        ASSERT_TRUE(w) << c.name;
        ASSERT_EQ(w->labelCount(), c.labels) << c.name;
        const auto before = f.h.memory(c.address, 64);
        for (int g = 0; g < 3; ++g) {
            w->showSpacing(g);
            for (int i = 0; i < c.labels; ++i)
                f.choose(*w, i, g == 1 ? "512 Hz" : "57 Hz");
        }
        w->updateRadio();
        EXPECT_EQ(f.h.presenter.texts(),
                  std::vector<std::string>{"Baseband offset parameters updated successfully"})
            << c.name;
        const auto m = f.h.radio.snapshot().radio.memory;
        EXPECT_EQ(sim::codeplugCheckFault(m, c.address), "") << c.name;
        EXPECT_NE(f.h.memory(c.address, 64), before) << c.name;
        EXPECT_EQ(f.h.memory(SUM_ADDRESS, 2), (std::vector<std::uint8_t>{0x12, 0x34}))
            << c.name << ": not group O";
        // What the radio holds now reads back as chosen.
        auto again = f.open();
        ASSERT_TRUE(again) << c.name;
        again->showSpacing(1);
        EXPECT_EQ(defaultText(*again, 0), "512 Hz") << c.name;
        again->showSpacing(2);
        EXPECT_EQ(defaultText(*again, c.labels - 1), "57 Hz") << c.name;
    }
}

TEST(basebandCodeplugTest, BlockWithoutAnEntryPerSpacingCannotBeShown) {
    bboFixture f(codeplugRadio("T25U1AK3C1", 0x0480, fiveByteEntries(false, true, false, false, 2)));
    f.h.installBBOConfig();
    EXPECT_FALSE(f.open());
    EXPECT_EQ(f.h.presenter.texts(), std::vector<std::string>{"Unable to initialize baseband offset data"});
    EXPECT_EQ(f.h.state.openScreenId, 0);
}

TEST(basebandCodeplugTest, SumThatCannotBeReadKeepsTheWindowShut) {
    bboFixture f(codeplugRadio("T21P5DKDC1", 0x0480, fiveByteEntries(false, false, false, false)));
    f.h.installBBOConfig();
    // The two check bytes, the header and the block pass; the sum does not.
    f.h.radio.injectFault(fault(sim::faultKind::NAK, 4, OP_READ_MEMORY));
    EXPECT_FALSE(f.open());
    EXPECT_EQ(f.h.presenter.texts(), std::vector<std::string>{"Radio Communication Error!!"});
    EXPECT_EQ(f.h.state.openScreenId, 0);
}

TEST(basebandCodeplugTest, PreparationFailuresShowTheirMessage) {
    struct Case {
        const char* name;
        const char* model;
        bool install;
        bool nakMemory;
        const char* message;
    };
    const Case cases[] = {
        {"no bbo.cfg", "T21P5DKDC1", false, false,
         "Baseband Offset Utility configuration file is missing.\nPlease contact Corvane for latest "
         "configuration "
         "file."},
        {"no entry for the model", "T23U512SC3", true, false,
         "Unable to match data configuration to current radio.\nPlease contact Corvane for latest Baseband "
         "Update "
         "configuration file."},
        {"check byte not readable", "T21P5DKDC1", true, true,
         "Unable to verify system parameters. Please check connection and retry again"},
    };
    for (const auto& c : cases) {
        bboFixture f(codeplugRadio(c.model, 0x0480, fiveByteEntries(false, false, false, false)));
        if (c.install)
            f.h.installBBOConfig();
        if (c.nakMemory)
            f.h.radio.injectFault(fault(sim::faultKind::NAK, 0, OP_READ_MEMORY));
        EXPECT_FALSE(f.open()) << c.name;
        EXPECT_EQ(f.h.presenter.texts(), std::vector<std::string>{c.message}) << c.name;
        EXPECT_EQ(f.h.state.openScreenId, 0) << c.name;
    }
}

} // namespace

// Program All against the simulated radio: what the radio holds afterwards,
// the all-points writes and their point-by-point fallback, the rule for
// trunking radios with an old codeplug, the mobile and portable steps, and the
// command's question, serial check and messages.
#include "radioSequenceSupport.h"

#include "operations/radioCommands.h"
#include "operations/radioOperations.h"
#include "operations/radioOperationsMessages.h"
#include "operations/radioProgramAll.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <set>

using namespace seqtest;

namespace {

constexpr int MOBILE = 2;

class programAllTest : public ::testing::Test {
protected:
    // A radio, read into the image.
    void startAndRead(sim::radioProfile p) {
        radioProfile = p;
        line.reset();
        line = std::make_unique<simulatedLine>(std::move(p));
        image = radioStorage();
        ASSERT_EQ(operations.readRadio(image, progress).outcome, readRadioOutcome::COMPLETE);
        radio().clearRequestLog();
        connector.connections = 0;
    }
    sim::simulatedRadio& radio() { return line->radio; }
    std::uint32_t stored(int type, int point, int bank = 0) { return radio().storedValue(type, point, bank); }

    // Every value of the image one lower, so that a store shows in the radio.
    void changeImage() {
        for (int row = ROW_DAC_VISITED + 1; row < radioStorage::ROWS; ++row)
            for (int column = 0; column < radioStorage::COLUMNS; ++column)
                if (image.getSoftpot(row, column) > 1)
                    image.setSoftpot(row, image.getSoftpot(row, column) - 1, column);
        for (int i = 0; i < 4; ++i)
            image.setSoftpot(ROW_RADIO_INFO, 0x11 * (i + 1), COL_TEMP_COMP_1 + i);
    }

    // Types and sub-commands of the softpot requests sent since the read.
    std::multiset<int> writtenTypes(int subCommand) {
        std::multiset<int> types;
        for (const sbep::Bytes& f : requestsWith(radio(), OP_SOFTPOT, subCommand))
            types.insert(f[sbep::frameHeaderSize(f)]);
        return types;
    }

    radioCommandContext context() { return {image, state, operations, presenter, progress, {}, {}, {}}; }

    sim::radioProfile radioProfile;
    std::unique_ptr<simulatedLine> line;
    simulatedConnector connector;
    radioOperations operations{connector};
    radioStorage image;
    ApplicationState state;
    recordingPresenter presenter;
    recordingProgress progress;
};

} // namespace

class programProfileTest : public programAllTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(programProfileTest, RadioHoldsTheImageAfterwards) {
    startAndRead(profile(GetParam()));
    const sim::radioProfile& p = radioProfile;
    const bool mobile = p.radioType == MOBILE;
    changeImage();
    std::map<std::tuple<int, int, int>, std::uint32_t> before;
    for (const pointCells& c : pointCellTable())
        for (int n = 1; n <= 7; ++n)
            before[{c.type, c.bank, n}] = stored(c.type, n, c.bank);

    radioProgramAll program(image, operations, progress);
    program.programAll();

    for (const pointCells& c : pointCellTable()) {
        const bool programmed =
            image.isSupported(c.flag) && (c.km                                                 ? mobile
                                          : c.type == 6                                        ? mobile
                                          : c.row == ROW_TX_POWER || c.row == ROW_TX_POWER_MAX ? !mobile
                                                                                               : true);
        if (!programmed)
            continue;
        for (int n = 1; n <= 7; ++n) {
            const bool used = (c.receive ? rxPoint(p, n) : txPoint(p, n)) != 0;
            std::uint32_t expected = before[{c.type, c.bank, n}];
            if (p.allPointsWrite || used) {
                expected = c.km ? static_cast<std::uint32_t>(image.getSoftpot(c.row, 2 * (n - 1)) * 256 +
                                                             image.getSoftpot(c.row, 2 * (n - 1) + 1))
                                : static_cast<std::uint32_t>(image.getSoftpot(c.row, c.firstColumn + n - 1));
            }
            EXPECT_EQ(stored(c.type, n, c.bank), expected) << c.name << " F" << n;
        }
    }
    const int last = lastTxPoint(p);
    EXPECT_EQ(stored(2, last, 1), static_cast<std::uint32_t>(image.getSoftpot(ROW_VCO_ATTN, 13)));
    EXPECT_EQ(stored(2, last, 2), static_cast<std::uint32_t>(image.getSoftpot(ROW_VCO_ATTN, 6)));

    for (const singleCell& c : singleCellTable()) {
        if (!image.isSupported(c.flag) || (c.type == 10 && !mobile))
            continue;
        EXPECT_EQ(stored(c.type, 0, c.bank), static_cast<std::uint32_t>(image.getSoftpot(c.row, c.column)))
            << c.name;
    }
    // The thresholds go only as one record; the mobile profile is in group F,
    // which keeps two of them.
    const int thresholds = program.allPointsAllowed() ? (mobile ? 2 : 3) : 0;
    for (int i = 0; i < 3; ++i) {
        const int read = image.getSoftpot(ROW_RSSI, i) + 1; // before changeImage
        EXPECT_EQ(stored(26, i + 1),
                  static_cast<std::uint32_t>(image.getSoftpot(ROW_RSSI, i) + (i < thresholds ? 0 : 1)))
            << "threshold " << i << " read as " << read;
    }
    EXPECT_EQ(stored(1, 0), 0x11223344u);
    EXPECT_EQ(image.isSupported(FLAG_BULK_WRITE), p.allPointsWrite);
    EXPECT_EQ(radio().resetCount(), 2);
    EXPECT_EQ(progress.gauge, 100);
    EXPECT_EQ(connector.connections, 19);
}

INSTANTIATE_TEST_SUITE_P(profiles, programProfileTest,
                         ::testing::Values("portable", "portable-legacy", "mobile"), [](const auto& info) {
                             std::string name = info.param;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

TEST_F(programAllTest, TrunkingRadiosWithAnOldCodeplugGetNoAllPointsWritesOfTheSensitiveGroups) {
    struct Case {
        const char* name;
        int level;
        std::set<int> unsupported;
        bool allPoints;
    };
    const Case cases[] = {
        {"Select 5 and MPT1327 at level 24", 24, {}, false},
        {"MPT1327 only at level 20", 20, {15}, false},
        {"level 25", 25, {}, true},
        {"no trunking at level 20", 20, {15, 5}, true},
    };
    for (const Case& c : cases) {
        sim::radioProfile p = profile("portable");
        p.memory[2] = static_cast<std::uint8_t>(c.level);
        p.unsupportedTypes.insert(c.unsupported.begin(), c.unsupported.end());
        startAndRead(p);
        radioProgramAll program(image, operations, progress);
        program.programAll();
        EXPECT_EQ(program.codeplugLevel(), c.level) << c.name;
        EXPECT_EQ(program.allPointsAllowed(), c.allPoints) << c.name;
        const std::multiset<int> all = writtenTypes(4);
        for (const int type : {2, 13, 7, 26})
            EXPECT_EQ(all.count(type) > 0, c.allPoints) << c.name << " type " << type;
        for (const int type : {0, 28, 3})
            EXPECT_GT(all.count(type), 0u) << c.name << " type " << type;
        // Without the all-points form the groups go point by point.
        const std::multiset<int> single = writtenTypes(1);
        EXPECT_EQ(single.count(13), c.allPoints ? 0u : 7u) << c.name;
        EXPECT_EQ(single.count(7), c.allPoints ? 0u : 21u) << c.name;
    }
}

TEST_F(programAllTest, MobileAndPortableRadiosGetTheirOwnSteps) {
    struct Case {
        const char* name;
        std::set<int> written;
        std::set<int> notWritten;
    };
    const std::map<std::string, Case> cases = {
        {"portable", {"portable", {0, 28}, {6, 17, 10}}},
        {"mobile", {"mobile", {6, 17, 10}, {0, 28}}},
    };
    for (const auto& [profileName, c] : cases) {
        startAndRead(profile(profileName));
        radioProgramAll(image, operations, progress).programAll();
        std::multiset<int> stores = writtenTypes(1);
        const std::multiset<int> all = writtenTypes(4);
        stores.insert(all.begin(), all.end());
        for (const int type : c.written)
            EXPECT_GT(stores.count(type), 0u) << c.name << " type " << type;
        for (const int type : c.notWritten)
            EXPECT_EQ(stores.count(type), 0u) << c.name << " type " << type;
    }
}

TEST_F(programAllTest, CommandProgramsTheSameRadio) {
    startAndRead(profile("portable"));
    const ApplicationState before = state;
    auto ctx = context();
    std::vector<std::string> opened;
    std::vector<bool> busy;
    ctx.openProgress = [&](std::string_view title, const std::string& picture) {
        opened.push_back(std::string(title) + "|" + picture);
    };
    ctx.setBusy = [&](bool on) { busy.push_back(on); };
    EXPECT_EQ(programRadioCommand(ctx), programCommandOutcome::PROGRAMMED);
    ASSERT_EQ(presenter.asked.size(), 1u);
    EXPECT_EQ(presenter.asked[0].text, "Program Radio?");
    EXPECT_EQ(presenter.asked[0].caption, "Note");
    EXPECT_EQ(presenter.texts(), std::vector<std::string>{"Radio successfully programmed!!"});
    EXPECT_EQ(presenter.shown[0].caption, "NOTE");
    EXPECT_EQ(opened, std::vector<std::string>{"Writing Softpots to radio...|/title.bmp"});
    EXPECT_EQ(busy, (std::vector<bool>{true, false}));
    EXPECT_EQ(state.radioRead, before.radioRead);
    EXPECT_EQ(state.archiveLoaded, before.archiveLoaded);
    EXPECT_EQ(connector.connections, 20);
}

TEST_F(programAllTest, SwappedRadioGetsNothingWritten) {
    startAndRead(profile("portable"));
    sim::radioProfile other = profile("portable");
    other.serial = "752TKL0413";
    line.reset();
    line = std::make_unique<simulatedLine>(other);
    auto ctx = context();
    EXPECT_EQ(programRadioCommand(ctx), programCommandOutcome::SERIAL_MISMATCH);
    ASSERT_EQ(presenter.shown.size(), 1u);
    EXPECT_EQ(presenter.shown[0].text, "Serial No. Mismatch !! Program radio aborted");
    EXPECT_EQ(presenter.shown[0].caption, " Radio Program Error");
    EXPECT_EQ(presenter.shown[0].icon, MessageIcon::Exclamation);
    ASSERT_EQ(radio().receivedRequests().size(), 1u);
    EXPECT_EQ(radio().receivedRequests()[0], (sbep::Bytes{0xF2, 0x23, 0x01, 0xE9}));
    EXPECT_EQ(progress.gauge, 100);
}

TEST_F(programAllTest, CancelSendsNothing) {
    startAndRead(profile("portable"));
    presenter.answer = MessageAnswer::Cancel;
    auto ctx = context();
    bool opened = false;
    ctx.openProgress = [&](std::string_view, const std::string&) { opened = true; };
    EXPECT_EQ(programRadioCommand(ctx), programCommandOutcome::CANCELLED);
    EXPECT_EQ(connector.connections, 0);
    EXPECT_FALSE(opened);
    EXPECT_TRUE(presenter.shown.empty());
}

TEST_F(programAllTest, FailurePartWayIsReported) {
    struct Case {
        const char* name;
        const char* fault;
    };
    const Case cases[] = {
        {"reply longer than announced (comm error)", "wrong-length:after=20"},
        {"radio gone", "unplug:after=30"},
    };
    for (const Case& c : cases) {
        startAndRead(profile("portable"));
        radio().injectFault(sim::faultSpec::parse(c.fault));
        presenter.shown.clear();
        progress.gauge = 0;
        auto ctx = context();
        EXPECT_EQ(programRadioCommand(ctx), programCommandOutcome::FAILED) << c.name;
        ASSERT_EQ(presenter.shown.size(), 1u) << c.name;
        EXPECT_EQ(presenter.shown[0].text, "Program Radio Error") << c.name;
        EXPECT_EQ(presenter.shown[0].caption, "ERROR") << c.name;
        EXPECT_EQ(progress.gauge, 100) << c.name;
    }
}

TEST_F(programAllTest, CommandsMakeTheProgramDirectoryCurrent) {
    const std::filesystem::path previous = std::filesystem::current_path();
    const std::filesystem::path directory =
        std::filesystem::temp_directory_path() / ("veltra-ops-" + std::to_string(::getpid()));
    std::filesystem::create_directories(directory);
    startAndRead(profile("portable"));
    presenter.answer = MessageAnswer::Cancel;
    auto ctx = context();
    ctx.programDirectory = directory.string();
    programRadioCommand(ctx);
    EXPECT_EQ(std::filesystem::current_path(), std::filesystem::canonical(directory));
    std::filesystem::current_path(previous);
    std::filesystem::remove_all(directory);
}

// Read Radio against the simulated radio: the image after a read of each
// profile, the result codes, the command's messages and state, and failures
// part-way through.
#include "radioSequenceSupport.h"

#include "link/LinkErrors.h"
#include "operations/radioCommands.h"
#include "operations/radioOperations.h"
#include "operations/radioOperationsMessages.h"
#include "operations/radioStatusText.h"

#include <gtest/gtest.h>

#include <functional>

using namespace seqtest;

namespace {

constexpr int MOBILE = 2;

class readRadioTest : public ::testing::Test {
protected:
    void start(sim::radioProfile p) {
        radioProfile = p;
        line.reset();
        line = std::make_unique<simulatedLine>(std::move(p));
    }
    sim::simulatedRadio& radio() { return line->radio; }
    std::uint32_t stored(int type, int point, int bank = 0) { return radio().storedValue(type, point, bank); }

    readRadioResult read() { return operations.readRadio(image, progress); }

    readCommandResult command() {
        radioCommandContext context{image, state, operations, presenter, progress, {}, {}, {}};
        return readRadioCommand(context);
    }

    sim::radioProfile radioProfile;
    std::unique_ptr<simulatedLine> line;
    simulatedConnector connector;
    radioOperations operations{connector};
    radioStorage image;
    ApplicationState state;
    recordingPresenter presenter;
    recordingProgress progress;
};

bool readsGroup(const pointCells& c, bool mobile) {
    if (c.km)
        return mobile;
    if (c.row == ROW_TX_POWER || c.row == ROW_TX_POWER_MAX)
        return !mobile;
    return true;
}

} // namespace

class readProfileTest : public readRadioTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(readProfileTest, ImageHoldsWhatTheRadioHolds) {
    start(profile(GetParam()));
    const sim::radioProfile& p = radioProfile;
    const bool mobile = p.radioType == MOBILE;
    ASSERT_EQ(read().outcome, readRadioOutcome::COMPLETE);

    radioStorage expectedModel;
    expectedModel.setModelNumber(p.model);
    EXPECT_EQ(image.getSerialNumber(), p.serial);
    EXPECT_EQ(image.getModelNumber(), expectedModel.getModelNumber());
    EXPECT_TRUE(std::equal(p.uuid.begin(), p.uuid.end(), image.getUUID().begin()));
    EXPECT_TRUE(std::equal(p.icVersion.begin(), p.icVersion.end(), image.getICVersion().begin()));
    EXPECT_EQ(image.getRegionalID(), p.regionalId);

    for (int n = 1; n <= 7; ++n) {
        EXPECT_EQ(image.getSoftpot(ROW_RADIO_INFO, n - 1), txPoint(p, n));
        EXPECT_EQ(image.getSoftpot(ROW_RADIO_INFO, 13 + n), rxPoint(p, n));
    }
    EXPECT_EQ(image.getSoftpot(ROW_RADIO_INFO, COL_FREQUENCY_BASE), p.frequencyBase);
    EXPECT_EQ(image.getSoftpot(ROW_RADIO_INFO, COL_SPACING_MASK), p.spacingMask);
    EXPECT_EQ(image.getRadioType(), p.radioType);
    EXPECT_EQ(image.getSoftpot(ROW_MOBILE_KM, COL_KM_DAC_1), p.dacDefaults[0]);
    EXPECT_EQ(image.getSoftpot(ROW_MOBILE_KM, COL_KM_DAC_2), p.dacDefaults[1]);
    EXPECT_EQ(image.getSoftpot(ROW_BATTERY, 0), p.batteryDefault);

    for (const pointCells& c : pointCellTable()) {
        if (!readsGroup(c, mobile))
            continue;
        const bool supported = p.supports(c.type);
        EXPECT_EQ(image.isSupported(c.flag), supported) << c.name;
        for (int n = 1; n <= 7; ++n) {
            const bool used = (c.receive ? rxPoint(p, n) : txPoint(p, n)) != 0;
            const bool filled = supported && (p.allPointsRead || used);
            const std::uint32_t value = filled ? stored(c.type, n, c.bank) : 0;
            if (c.km) {
                EXPECT_EQ(image.getSoftpot(c.row, 2 * (n - 1)), static_cast<int>(value >> 8)) << c.name << n;
                EXPECT_EQ(image.getSoftpot(c.row, 2 * (n - 1) + 1), static_cast<int>(value & 0xFF))
                    << c.name << n;
            } else {
                EXPECT_EQ(image.getSoftpot(c.row, c.firstColumn + n - 1), static_cast<int>(value))
                    << c.name << n;
            }
        }
    }
    const int last = lastTxPoint(p);
    EXPECT_EQ(image.getSoftpot(ROW_VCO_ATTN, 13), static_cast<int>(stored(2, last, 1)));
    EXPECT_EQ(image.getSoftpot(ROW_VCO_ATTN, 6), static_cast<int>(stored(2, last, 2)));

    for (const singleCell& c : singleCellTable()) {
        if (c.flag == FLAG_PA_BIAS_LOW && mobile) {
            EXPECT_FALSE(image.isSupported(FLAG_PA_BIAS_LOW)) << "a mobile radio has no low-voltage bias";
            continue;
        }
        const bool supported = p.supports(c.type);
        EXPECT_EQ(image.isSupported(c.flag), supported) << c.name;
        EXPECT_EQ(image.getSoftpot(c.row, c.column),
                  supported ? static_cast<int>(stored(c.type, 0, c.bank)) : 0)
            << c.name;
    }

    EXPECT_TRUE(image.isSupported(FLAG_RSSI));
    const std::uint32_t levels = stored(25, 0);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(image.getSoftpot(ROW_RSSI, i), static_cast<int>(stored(26, i + 1)));
        EXPECT_EQ(image.getSoftpot(ROW_RSSI, 3 + i), static_cast<int>((levels >> (16 - 8 * i)) & 0xFF));
    }
    const std::uint32_t tempComp = stored(1, 0);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(image.getSoftpot(ROW_RADIO_INFO, 9 + i),
                  static_cast<int>((tempComp >> (24 - 8 * i)) & 0xFF));

    const bool bbo = !p.unsupportedRequests.count(0x28);
    EXPECT_EQ(image.isBBOSupported(), bbo);
    for (int i = 0; i < 15; ++i)
        EXPECT_EQ(image.getSoftpot(ROW_BBO, i), bbo ? p.bbo[static_cast<std::size_t>(i)] : 0)
            << "offset " << i;

    if (mobile) {
        EXPECT_EQ(image.getSoftpot(ROW_MOBILE_KM, COL_KM_LOW_BAND), 0) << "a UHF radio is not low band";
        EXPECT_EQ(image.getSoftpot(ROW_DAC_VISITED, 0), 0);
    }
    EXPECT_EQ(image.isSupported(FLAG_BULK_READ), p.allPointsRead);
    EXPECT_EQ(image.getReadStatus(), radioOperations::READ_STATUS_COMPLETE);
    EXPECT_EQ(radio().resetCount(), 1);
    EXPECT_FALSE(radio().keyed());
    EXPECT_EQ(connector.connections, 1);
}

INSTANTIATE_TEST_SUITE_P(profiles, readProfileTest,
                         ::testing::Values("portable", "portable-legacy", "mobile"), [](const auto& info) {
                             std::string name = info.param;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

TEST_F(readRadioTest, LowBandMobileIsMarked) {
    sim::radioProfile p = profile("mobile");
    p.frequencyBase = 1400; // 35 MHz
    start(p);
    ASSERT_EQ(read().outcome, readRadioOutcome::COMPLETE);
    EXPECT_EQ(image.getSoftpot(ROW_MOBILE_KM, COL_KM_LOW_BAND), 1);
}

TEST_F(readRadioTest, ResultCodes) {
    struct Case {
        const char* name;
        std::function<void(sim::radioProfile&)> change;
        readRadioOutcome outcome;
        int code;
    };
    const Case cases[] = {
        {"power-up status 0x20 reads like 0", [](sim::radioProfile& p) { p.powerUpStatus = 0x20; },
         readRadioOutcome::COMPLETE, 0},
        {"hardware failure status", [](sim::radioProfile& p) { p.powerUpStatus = 16; },
         readRadioOutcome::POWER_UP_FAILURE, 16},
        {"other power-up status", [](sim::radioProfile& p) { p.powerUpStatus = 5; },
         readRadioOutcome::POWER_UP_FAILURE, 5},
        {"power-up status 2 is not mistaken for missing points",
         [](sim::radioProfile& p) { p.powerUpStatus = 2; }, readRadioOutcome::POWER_UP_FAILURE, 2},
        {"no transmit point", [](sim::radioProfile& p) { p.txPoints = {}; },
         readRadioOutcome::NO_VALID_POINTS, 2},
        {"no receive point", [](sim::radioProfile& p) { p.rxPoints = {}; }, readRadioOutcome::NO_VALID_POINTS,
         2},
        {"group H keeps F3", [](sim::radioProfile& p) { p.model = "T27QZ05AB1      "; },
         readRadioOutcome::COMPLETE, 0},
        {"group H without a transmit F3",
         [](sim::radioProfile& p) {
             p.model = "T27QZ05AB1      ";
             p.txPoints[2] = 0;
         },
         readRadioOutcome::NO_VALID_POINTS, 2},
    };
    for (const Case& c : cases) {
        sim::radioProfile p = profile("portable");
        c.change(p);
        start(p);
        image = radioStorage();
        const readRadioResult result = read();
        EXPECT_EQ(result.outcome, c.outcome) << c.name;
        EXPECT_EQ(result.code, c.code) << c.name;
        if (c.outcome == readRadioOutcome::POWER_UP_FAILURE) {
            EXPECT_EQ(radio().receivedRequests().size(), 1u) << c.name;
        }
    }
}

TEST_F(readRadioTest, GroupHRadioIsTunedAtF3Only) {
    sim::radioProfile p = profile("portable");
    p.model = "T27QZ05AB1      ";
    start(p);
    ASSERT_EQ(read().outcome, readRadioOutcome::COMPLETE);
    for (int n = 1; n <= 7; ++n) {
        EXPECT_EQ(image.getSoftpot(ROW_RADIO_INFO, n - 1), n == 3 ? txPoint(p, 3) : 0) << "tx F" << n;
        EXPECT_EQ(image.getSoftpot(ROW_RADIO_INFO, 13 + n), n == 3 ? rxPoint(p, 3) : 0) << "rx F" << n;
    }
}

TEST_F(readRadioTest, NoPointReadablePointByPointGivesNoValues) {
    sim::radioProfile p = profile("portable-legacy");
    p.unsupportedTypes.insert({0, 2, 3, 13});
    start(p);
    ASSERT_EQ(read().outcome, readRadioOutcome::COMPLETE);
    for (const int flag : {FLAG_TX_POWER, FLAG_VCO_ATTN, FLAG_MOD_BALANCE, FLAG_FRONT_END_FILTER})
        EXPECT_FALSE(image.isSupported(flag)) << flag;
    // Without modulation balance the PA voltage limit is not asked for.
    EXPECT_TRUE(requestsWith(radio(), 0x1F).empty()) << "auto-tune request sent";
}

TEST_F(readRadioTest, VerifySerialNoComparesAllTenCharacters) {
    struct Case {
        const char* name;
        const char* imageSerial;
        bool same;
    };
    const Case cases[] = {
        {"same radio", "752TKL0412", true},
        {"last character differs", "752TKL0413", false},
        {"first character differs", "852TKL0412", false},
        {"failed read", "Invalid", false},
        {"shorter text", "752TKL041", false},
    };
    start(profile("portable"));
    simulatedConnection link;
    for (const Case& c : cases) {
        image.setSerialNumber(c.imageSerial);
        EXPECT_EQ(radioOperations::verifySerialNo(image, link.protocol()), c.same) << c.name;
    }
}

TEST_F(readRadioTest, CommandMessagesAndState) {
    struct Case {
        const char* name;
        std::function<void(sim::radioProfile&)> change;
        readCommandOutcome outcome;
        std::vector<UserMessage> messages;
        bool radioRead;
        bool archiveLoaded;
        bool tuningAllowed;
        bool serialInvalid;
    };
    using namespace radioMessages;
    const Case cases[] = {
        {"normal read",
         [](sim::radioProfile&) {},
         readCommandOutcome::READ,
         {READ_SUCCESS},
         true,
         true,
         true,
         false},
        {"narrowbanding region",
         [](sim::radioProfile& p) { p.regionalId = 1; },
         readCommandOutcome::READ,
         {NARROWBANDING_WARNING, READ_SUCCESS},
         true,
         true,
         true,
         false},
        {"unknown tuning procedure",
         [](sim::radioProfile& p) { p.radioType = 3; },
         readCommandOutcome::READ,
         {READ_SUCCESS, NOT_SUITABLE_FOR_TUNING},
         true,
         true,
         false,
         false},
        {"hardware failure at power-up",
         [](sim::radioProfile& p) { p.powerUpStatus = 16; },
         readCommandOutcome::POWER_UP_FAILURE,
         {POWER_UP_ERROR, HARDWARE_FAILURE},
         false,
         true,
         true,
         false},
        {"power-up failure says nothing of the region",
         [](sim::radioProfile& p) {
             p.powerUpStatus = 3;
             p.regionalId = 1;
         },
         readCommandOutcome::POWER_UP_FAILURE,
         {POWER_UP_ERROR},
         false,
         true,
         true,
         false},
        {"invalid points in the narrowbanding region",
         [](sim::radioProfile& p) {
             p.regionalId = 1;
             p.rxPoints = {};
         },
         readCommandOutcome::INVALID_POINTS,
         {NARROWBANDING_WARNING, INVALID_POINTS},
         false,
         false,
         true,
         true},
    };
    for (const Case& c : cases) {
        sim::radioProfile p = profile("portable");
        c.change(p);
        start(p);
        image = radioStorage();
        state = ApplicationState{};
        state.archiveLoaded = true;
        state.tuningAllowed = true;
        presenter.shown.clear();
        const readCommandResult result = command();
        EXPECT_EQ(result.outcome, c.outcome) << c.name;
        ASSERT_EQ(presenter.shown.size(), c.messages.size()) << c.name;
        for (std::size_t i = 0; i < c.messages.size(); ++i) {
            EXPECT_EQ(presenter.shown[i].text, c.messages[i].text) << c.name;
            EXPECT_EQ(presenter.shown[i].caption, c.messages[i].caption) << c.name;
            EXPECT_EQ(presenter.shown[i].icon, c.messages[i].icon) << c.name;
        }
        EXPECT_EQ(state.radioRead, c.radioRead) << c.name;
        EXPECT_EQ(state.archiveLoaded, c.archiveLoaded) << c.name;
        EXPECT_EQ(state.tuningAllowed, c.tuningAllowed) << c.name;
        EXPECT_EQ(image.getSerialNumber() == INVALID_SERIAL, c.serialInvalid) << c.name;
        if (c.outcome == readCommandOutcome::POWER_UP_FAILURE) {
            EXPECT_FALSE(result.statusText.has_value()) << c.name;
        } else {
            EXPECT_EQ(result.statusText, radioStatusText(image)) << c.name;
        }
        EXPECT_EQ(progress.gauge, 100) << c.name;
    }
}

TEST_F(readRadioTest, ProgressCountsUpToTheGauge) {
    start(profile("portable"));
    ASSERT_EQ(read().outcome, readRadioOutcome::COMPLETE);
    const std::vector<int> expected{5, 10, 15, 20, 22, 25, 25, 30, 40, 50, 55, 65, 75, 80, 85, 90};
    EXPECT_EQ(progress.percents, expected);
    EXPECT_EQ(progress.lines.front(), "5% Complete");
    EXPECT_EQ(progress.lines.back(), "90% Complete");
    EXPECT_EQ(progress.gauge, 100);
}

TEST_F(readRadioTest, FailurePartWayLeavesAnInvalidImage) {
    struct Case {
        const char* name;
        sim::faultSpec fault;
    };
    const Case cases[] = {
        {"reply longer than announced (comm error)", sim::faultSpec::parse("wrong-length:after=30")},
        {"cable pulled", sim::faultSpec::parse("pull:after=40")},
        {"radio refuses to acknowledge", sim::faultSpec::parse("nak:after=12,times=always")},
    };
    for (const Case& c : cases) {
        start(profile("portable"));
        radio().injectFault(c.fault);
        image = radioStorage();
        state = ApplicationState{};
        state.radioRead = true;
        state.archiveLoaded = true;
        presenter.shown.clear();
        const readCommandResult result = command();
        EXPECT_EQ(result.outcome, readCommandOutcome::FAILED) << c.name;
        EXPECT_GT(radio().faults().at(0).fired, 0) << c.name;
        ASSERT_EQ(presenter.shown.size(), 1u) << c.name;
        EXPECT_EQ(presenter.shown[0].text, radioMessages::READ_FAILED.text) << c.name;
        EXPECT_EQ(presenter.shown[0].caption, "Error !!") << c.name;
        EXPECT_EQ(image.getSerialNumber(), "Invalid") << c.name;
        EXPECT_FALSE(state.radioRead) << c.name;
        EXPECT_FALSE(state.archiveLoaded) << c.name;
        EXPECT_EQ(progress.gauge, 100) << c.name;
        ASSERT_TRUE(result.statusText.has_value()) << c.name;
        EXPECT_EQ(*result.statusText, "Radio Serial No :Invalid" + std::string(95, ' ') +
                                          "Radio Model No: " + std::string(image.getModelNumber()))
            << c.name;
    }
}

TEST_F(readRadioTest, PortThatCannotBeOpenedIsAReadFailure) {
    class closedPort final : public radioConnector {
    public:
        std::unique_ptr<radioConnection> connect() override {
            throw PortInUseError(3, "/dev/ttyS2", 16, "busy");
        }
    } closed;
    radioOperations ops(closed);
    radioCommandContext context{image, state, ops, presenter, progress, {}, {}, {}};
    EXPECT_EQ(readRadioCommand(context).outcome, readCommandOutcome::FAILED);
    EXPECT_EQ(presenter.texts(), std::vector<std::string>{radioMessages::READ_FAILED.text});
}

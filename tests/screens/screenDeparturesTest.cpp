// Where a screen departs from the tuning pattern: the power screens'
// refusals and the group G rule, the model-dependent ranges, the VCO single
// points and read-back, the modulation balance writes, the front end filter
// and rated volume points and channels, the reference oscillator's two-byte
// values and the signalling screens' points.
#include "screenHarness.h"

#include "model/radiomodel.h"
#include "screens/TTuningSlider.h"
#include "screens/TVeltraEditBox.h"
#include "screens/TVeltraSpinner.h"
#include "screens/tuningScreens.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

using namespace screentest;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsSupersetOf;
using ::testing::Not;

namespace {

using Requests = std::vector<std::string>;

sim::radioProfile portable() {
    return sim::radioProfile::builtIn("portable");
}

std::string text(QLineEdit* field) {
    return field->text().toStdString();
}

void lineStep(TuningScreen& screen, int row) {
    screen.slider(row)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
}

template <class Screen> void setWorking(Screen& screen, std::initializer_list<int> values) {
    int row = 0;
    for (int v : values)
        screen.workingField(row++)->setText(QString::number(v));
}

std::vector<std::string> messages(const harness& h) {
    return h.presenter.texts();
}

} // namespace

// ---- Transmit power -----------------------------------------------------------------

TEST(transmitPower, HighPowerMaximumFollowsTheModel) {
    struct Case {
        const char* model;
        char group; // 0: none of E, F, J
        int maximum;
    };
    const Case cases[] = {
        {"T23U512SC3", 'E', 255}, {"V42A5DKKT1", 'F', 255}, {"T35W2A4BM1", 'J', 255}, {"T31S4NK1C7", 0, 127}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.model);
        harness h(withModel(portable(), c.model));
        const radiomodel model;
        const bool wide =
            model.isModelGroupE(h.image) || model.isModelGroupF(h.image) || model.isModelGroupJ(h.image);
        ASSERT_EQ(wide, c.group != 0) << "the sample model is in the group it stands for";
        auto screen = h.open<TTransmitHighPowerWindow>();
        EXPECT_EQ(screen->maximum(), c.maximum);
        EXPECT_EQ(screen->noteLabel()->text().toStdString(),
                  "Note : Valid Softpot values will range from 0-" + std::to_string(c.maximum));
        for (int row = 0; row < 7; ++row) {
            EXPECT_EQ(screen->slider(row)->maximum(), c.maximum);
            EXPECT_EQ(screen->spinner(row)->maximum(), c.maximum);
            EXPECT_EQ(screen->workingField(row)->maximum(), c.maximum);
        }
        h.presenter.answers.push_back(MessageAnswer::Cancel);
        screen->programButton()->click();
        EXPECT_EQ(messages(h).back(),
                  "Commit new softpot values? Softpot Value Range 0-" + std::to_string(c.maximum));
        // The low-power screen keeps 127 on every radio.
        screen.reset();
        auto low = h.open<TTransmitLowPowerWindow>();
        EXPECT_EQ(low->maximum(), 127);
    }
}

TEST(transmitPower, RefusedPointsAreReportedAndNotStoredWhileTheOthersAre) {
    // The portable radio reports its highest power per point (118, 120, 121, ...).
    harness h(portable());
    ASSERT_TRUE(h.image.isSupported(FLAG_TX_POWER_MAX));
    auto screen = h.open<TTransmitHighPowerWindow>();
    setWorking(*screen, {119, 110, 125, 111, 112, 113, 114});
    h.presenter.shown.clear();
    screen->programButton()->click();
    EXPECT_THAT(
        messages(h),
        ElementsAre(
            "Commit new softpot values? Softpot Value Range 0-127",
            "Program softpot 1 aborted for Transmit High Power!! softpot value above max value allowed ",
            "Program softpot 3 aborted for Transmit High Power!! softpot value above max value allowed"));
    EXPECT_EQ(h.presenter.shown[1].message.caption, "ERROR");
    EXPECT_EQ(h.presenter.shown[1].message.icon, MessageIcon::Exclamation);
    EXPECT_EQ(text(screen->defaultField(0)), "102");
    EXPECT_EQ(text(screen->defaultField(2)), "105");
    EXPECT_EQ(h.image.getSoftpot(ROW_TX_POWER, 2), 105);
    EXPECT_EQ(h.radio.storedValue(0, 3), 105u);
    for (int row : {1, 3, 4, 5, 6}) {
        EXPECT_EQ(h.image.getSoftpot(ROW_TX_POWER, row), screen->workingField(row)->value());
        EXPECT_EQ(text(screen->defaultField(row)), text(screen->workingField(row)));
        EXPECT_EQ(h.radio.storedValue(0, row + 1),
                  static_cast<std::uint32_t>(screen->workingField(row)->value()));
    }

    auto low = (screen.reset(), h.open<TTransmitLowPowerWindow>());
    setWorking(*low, {40, 41, 125, 43, 44, 45, 46});
    h.presenter.shown.clear();
    low->programButton()->click();
    EXPECT_EQ(messages(h).back(),
              "Program softpot 3 aborted for Transmit Low Power!! softpot value above max value allowed");
    EXPECT_EQ(h.image.getSoftpot(ROW_TX_POWER, 9), 40);
    EXPECT_EQ(h.image.getSoftpot(ROW_TX_POWER, 13), 46);
}

TEST(transmitPower, WithoutReportedMaximumEveryWrittenValueIsStored) {
    sim::radioProfile p = portable();
    p.unsupportedTypes.insert(28);
    p.limits[0] = 100; // the radio refuses anything above 100
    harness h(p);
    ASSERT_FALSE(h.image.isSupported(FLAG_TX_POWER_MAX));
    auto screen = h.open<TTransmitLowPowerWindow>();
    setWorking(*screen, {38, 110, 40, 41, 42, 43, 45});
    h.presenter.shown.clear();
    screen->programButton()->click();
    EXPECT_EQ(messages(h).size(), 1u) << "no refusal message";
    EXPECT_EQ(h.radio.storedValue(0, 2, 1), 39u) << "the radio did refuse the value";
    EXPECT_EQ(h.image.getSoftpot(ROW_TX_POWER, 8), 110);
    EXPECT_EQ(text(screen->defaultField(1)), "110");
}

TEST(transmitPower, GroupGHighPowerMayNotExceedTheLowPowerOfThePoint) {
    sim::radioProfile p = withModel(portable(), "T23UK12SC3");
    p.unsupportedTypes.insert(28);
    p.softpots[0][1] = {80, 110, 110, 110, 110, 110, 110}; // low power
    harness h(p);
    ASSERT_TRUE(radiomodel().isModelGroupG(h.image));
    auto screen = h.open<TTransmitHighPowerWindow>();
    setWorking(*screen, {81, 104, 105, 107, 108, 110, 111});
    h.takeRequests();
    h.presenter.shown.clear();
    screen->programButton()->click();
    EXPECT_EQ(messages(h).at(1),
              "Program softpot 1 aborted for Transmit High Power!! softpot value above max value allowed ");
    const Requests sent = h.takeRequests();
    EXPECT_THAT(sent, Not(Contains("store 0 81")));
    EXPECT_THAT(sent, Contains("store 0 104"));
    EXPECT_THAT(messages(h).back(),
                "Program softpot 7 aborted for Transmit High Power!! softpot value above max value allowed ");
    EXPECT_EQ(h.image.getSoftpot(ROW_TX_POWER, 0), 102);

    screen->workingField(0)->setText("80");
    screen->programButton()->click();
    EXPECT_THAT(h.takeRequests(), Contains("store 0 80"));
    EXPECT_EQ(h.image.getSoftpot(ROW_TX_POWER, 0), 80);
    EXPECT_EQ(text(screen->defaultField(0)), "80");
}

// ---- VCO and modulation balance -------------------------------------------------------

TEST(vcoAttenuation, OnePointScreensTuneAtTheHighestTransmitPoint) {
    harness h(withTxPoints(portable(), {5, 1200, 2400, 3800, 0, 0, 0}));
    for (int variant : {0, 1}) {
        auto screen = variant == 0 ? std::unique_ptr<TuningScreen>(h.open<TVCOAttn20KHzWindow>())
                                   : std::unique_ptr<TuningScreen>(h.open<TVCOAttn125KHzWindow>());
        EXPECT_THAT(h.takeRequests(), Contains("pair 3800 3800"));
        EXPECT_EQ(text(screen->frequencyField(0)), "155.000000");
        screen->pttButton()->click();
        EXPECT_EQ(text(screen->statusLine()), "Radio is currently keyed up at 155.000000MHz");
        screen.reset();
        h.takeRequests();
    }
}

TEST(vcoAttenuation, WithoutTransmitPointsProgramWritesNothingAndShowsZero) {
    harness h(withTxPoints(portable(), {0, 0, 0, 0, 0, 0, 0}));
    auto screen = h.open<TVCOAttn20KHzWindow>();
    EXPECT_EQ(text(screen->frequencyField(0)), "UNSUPPORTED");
    EXPECT_EQ(text(screen->workingField(0)), "");
    EXPECT_FALSE(screen->slider(0)->isEnabled());
    h.takeRequests();
    screen->programButton()->click();
    EXPECT_THAT(h.takeRequests(), Not(Contains(::testing::StartsWith("store"))));
    EXPECT_EQ(text(screen->defaultField(0)), "0");
}

TEST(vcoAttenuation, Program25kHzReadsBackTheOtherSpacingsBeforeStoring) {
    harness h(portable());
    auto screen = h.open<TVCOAttnWindow>();
    setWorking(*screen, {60, 61, 62, 63, 64, 65, 66});
    // The radio derives new 12.5 and 20 kHz values from the 25 kHz ones.
    h.radio.withState([](sim::radioState& s) {
        s.radio.softpots[2][1][6] = 44;
        s.radio.softpots[2][2][6] = 33;
    });
    h.takeRequests();
    screen->programButton()->click();
    const Requests sent = h.takeRequests();
    const auto last = std::find(sent.begin(), sent.end(), "store 2 66");
    ASSERT_NE(last, sent.end());
    EXPECT_THAT(Requests(last + 1, sent.end()),
                ElementsAre("test 0 2 0", "test 128 2 0", "pair 7595 7595", "read 2", "test 0 2 1",
                            "test 128 2 1", "pair 7595 7595", "read 2", "test 0 2 2", "test 128 2 2",
                            "pair 5 5"));
    EXPECT_EQ(h.image.getSoftpot(ROW_VCO_ATTN, 6), 33);
    EXPECT_EQ(h.image.getSoftpot(ROW_VCO_ATTN, 13), 44);
    for (int row = 0; row < 7; ++row)
        EXPECT_EQ(h.image.getSoftpot(ROW_VCO_ATTN, 14 + row), 60 + row);
}

TEST(vcoAttenuation, Program25kHzStoppedEarlyLeavesTheImageAlone) {
    harness h(portable());
    auto screen = h.open<TVCOAttnWindow>();
    setWorking(*screen, {60, 61, 128, 63, 64, 65, 66});
    screen->programButton()->click();
    EXPECT_EQ(h.image.getSoftpot(ROW_VCO_ATTN, 14), 64);
    EXPECT_EQ(text(screen->defaultField(0)), "60") << "the default fields follow each write";
    EXPECT_EQ(h.radio.storedValue(2, 1, 0), 60u);
}

TEST(vcoAttenuation, The20kHzScreenEntersItsTestModeAgainAtItsFirstProgramOnly) {
    harness h(portable());
    auto screen = h.open<TVCOAttn20KHzWindow>();
    h.takeRequests();
    screen->programButton()->click();
    EXPECT_THAT(h.takeRequests(),
                ElementsAre("serial", "test 0 2 1", "test 128 2 1", "pair 7595 7595", "store 2 61"));
    screen->programButton()->click();
    EXPECT_THAT(h.takeRequests(), ElementsAre("serial", "pair 7595 7595", "store 2 61"));
    EXPECT_EQ(h.image.getSoftpot(ROW_VCO_ATTN, 13), 61);

    auto narrow = (screen.reset(), h.open<TVCOAttn125KHzWindow>());
    h.takeRequests();
    narrow->programButton()->click();
    EXPECT_THAT(h.takeRequests(), ElementsAre("serial", "pair 7595 7595", "store 2 48"));
}

TEST(modulationBalance, EveryLiveWriteIsFramedByVCOAttenuationWrites) {
    harness h(portable());
    auto screen = h.open<TModulationAttnWindow>();
    screen->pttButton()->click();
    h.takeRequests();
    lineStep(*screen, 0);
    EXPECT_THAT(h.takeRequests(), ElementsAre("serial", "live 2 0", "live 3 31", "live 2 127"));
}

TEST(modulationBalance, ValueOf64EndsProgramWithoutChangingDefaultsOrImage) {
    harness h(portable());
    auto screen = h.open<TModulationAttnWindow>();
    setWorking(*screen, {20, 21, 64, 23, 24, 25, 26});
    h.takeRequests();
    h.presenter.shown.clear();
    screen->programButton()->click();
    EXPECT_EQ(messages(h).back(), "Program softpots aborted for Modulation Attn.!! Illegal softpot value");
    EXPECT_THAT(h.takeRequests(),
                ElementsAre("serial", "pair 5 5", "store 3 20", "pair 1200 1200", "store 3 21"));
    EXPECT_EQ(text(screen->defaultField(0)), "30");
    EXPECT_EQ(h.image.getSoftpot(ROW_MOD_BALANCE, 14), 30);
}

TEST(modulationBalance, AfterProgramAbsentRowsShowAndStoreZero) {
    harness h(withTxPoints(portable(), {5, 1200, 0, 3800, 5000, 6200, 7595}));
    auto screen = h.open<TModulationAttnWindow>();
    screen->programButton()->click();
    EXPECT_EQ(text(screen->defaultField(2)), "0");
    EXPECT_EQ(h.image.getSoftpot(ROW_MOD_BALANCE, 16), 0);
    EXPECT_EQ(h.image.getSoftpot(ROW_MOD_BALANCE, 17), 32);
}

// ---- Front end filter and rated volume --------------------------------------------------

TEST(frontEndFilter, MobileRadiosHaveTheMaximum127) {
    harness h(sim::radioProfile::builtIn("mobile"));
    ASSERT_EQ(h.image.getRadioType(), 2);
    auto screen = h.open<TFrontEndFilterWindow>();
    EXPECT_EQ(screen->maximum(), 127);
    EXPECT_EQ(screen->noteLabel()->text().toStdString(), "Note : Valid Softpot values will range from 0-127");
    EXPECT_FALSE(screen->showsRSSIDac());
    h.presenter.shown.clear();
    screen->workingField(0)->setText("200");
    screen->workingField(0)->enter();
    EXPECT_THAT(messages(h), ElementsAre("Softpot Value (200) is not between 0 and 127"));
}

TEST(frontEndFilter, GroupIShowsTheRSSIDacAveragedOverFiveReadings) {
    sim::radioProfile p = withModel(portable(), "V42R5DKDC1");
    p.rssiCalibration = 45;
    harness h(p);
    ASSERT_TRUE(radiomodel().isModelGroupI(h.image));
    auto screen = h.open<TFrontEndFilterWindow>();
    ASSERT_TRUE(screen->showsRSSIDac());
    EXPECT_EQ(screen->maximum(), 255);
    EXPECT_EQ(screen->noteLabel()->text().toStdString(), "Note : Valid Softpot values will range from 255-0");
    const Requests opening = h.takeRequests();
    ASSERT_GE(opening.size(), 4u);
    EXPECT_EQ(opening[1], "pair 5 5");
    EXPECT_EQ(opening[2], "test 0 2 2");
    EXPECT_EQ(text(screen->rssiDacField()), "45.0");
    h.radio.withState([](sim::radioState& s) { s.radio.rssiCalibration = 52; });
    lineStep(*screen, 0);
    const Requests sent = h.takeRequests();
    EXPECT_EQ(sent.size(), 3u + 5u) << "serial, channel, live write and five readings";
    EXPECT_EQ(sent[2], "live 13 39");
    EXPECT_EQ(text(screen->rssiDacField()), "52.0");
}

TEST(frontEndFilter, ProgramSetsTheReceiveChannelAndStoresAfterTheLastPoint) {
    harness h(portable());
    auto screen = h.open<TFrontEndFilterWindow>();
    setWorking(*screen, {90, 91, 92, 93, 94, 95, 96});
    screen->workingField(4)->clear();
    h.takeRequests();
    screen->programButton()->click();
    EXPECT_THAT(h.takeRequests(),
                ElementsAre("serial", "channel 5", "store 13 90", "channel 1200", "store 13 91",
                            "channel 2400", "store 13 92", "channel 3800", "store 13 93"));
    EXPECT_EQ(text(screen->defaultField(3)), "93");
    EXPECT_EQ(h.image.getSoftpot(ROW_FRONT_END_FILTER, 0), 38) << "stored only after every point";

    screen->workingField(4)->setText("94");
    screen->programButton()->click();
    for (int row = 0; row < 7; ++row)
        EXPECT_EQ(h.image.getSoftpot(ROW_FRONT_END_FILTER, row), 90 + row);
}

TEST(ratedVolume, GroupsAToDTuneCarrierSquelchAtF1WithTheNarrowCode) {
    harness h(withModel(portable(), "V46E5DKDC1"));
    ASSERT_TRUE(radiomodel().isModelGroupB(h.image));
    auto carrier = h.open<TRatedVolumeWindow>();
    EXPECT_THAT(h.takeRequests(), ElementsAre("serial", "pair 5 5", "test 0 2 0"));
    EXPECT_EQ(text(carrier->frequencyField(0)), "136.025000");
    carrier.reset();
    h.takeRequests();
    auto sonaro = h.open<TRatedVolumeSonaroWindow>();
    EXPECT_THAT(h.takeRequests(), ElementsAre("serial", "pair 3800 3800", "test 18 2 0"));
}

TEST(ratedVolume, BothScreensTuneAtTheMiddleReceivePoint) {
    harness h(withRxPoints(portable(), {0, 1200, 2400, 3800, 5000, 6200, 0}));
    for (int which = 0; which < 2; ++which) {
        auto screen = which == 0 ? std::unique_ptr<TuningScreen>(h.open<TRatedVolumeWindow>())
                                 : std::unique_ptr<TuningScreen>(h.open<TRatedVolumeSonaroWindow>());
        EXPECT_THAT(h.takeRequests(), Contains("pair 3800 3800"));
        EXPECT_EQ(text(screen->frequencyField(0)), "155.000000");
        screen.reset();
        h.takeRequests();
    }
}

TEST(ratedVolume, TuningSetsTheReceiveChannelAndProgramSetsNone) {
    harness h(portable());
    auto screen = h.open<TRatedVolumeWindow>();
    h.takeRequests();
    lineStep(*screen, 0);
    EXPECT_THAT(h.takeRequests(), ElementsAre("serial", "channel 3800", "live 8 151"));
    EXPECT_EQ(text(screen->statusLine()), "Point 155.000000MHz is currently being tuned");
    screen->programButton()->click();
    EXPECT_THAT(h.takeRequests(), ElementsAre("serial", "store 8 151"));
    EXPECT_EQ(h.image.getSoftpot(ROW_RATED_VOLUME, 0), 151);
    screen.reset();
    EXPECT_THAT(h.takeRequests(), ElementsAre("reset"));
}

TEST(ratedVolume, WithoutTransmitPointsOnlyTheSpinnerMoves) {
    harness h(withTxPoints(portable(), {0, 0, 0, 0, 0, 0, 0}));
    auto screen = h.open<TRatedVolumeWindow>();
    EXPECT_EQ(text(screen->frequencyField(0)), "155.000000");
    EXPECT_FALSE(screen->slider(0)->isEnabled());
    EXPECT_FALSE(screen->workingField(0)->isEnabled());
    EXPECT_TRUE(screen->spinner(0)->isEnabled());
}

// ---- Reference oscillator warp ----------------------------------------------------------

TEST(refOscWarp, ValuesGoToTheRadioAsTwoBytes) {
    harness h(portable());
    auto screen = h.open<TRefOscWarpWindow>();
    screen->pttButton()->click();
    h.takeRequests();
    screen->workingField(0)->setText("300");
    screen->workingField(0)->enter();
    EXPECT_THAT(h.takeRequests(), ElementsAre("serial", "live 11 300 (2 bytes)"));
    screen->programButton()->click();
    EXPECT_THAT(h.takeRequests(), ElementsAre("serial", "dekey", "store 11 300 (2 bytes)"));
    EXPECT_EQ(h.radio.storedValue(11, 0), 300u);
    EXPECT_EQ(h.image.getSoftpot(ROW_REF_OSC_WARP, 0), 300);

    screen->workingField(0)->setText("512");
    screen->workingField(0)->enter();
    EXPECT_EQ(messages(h).back(), "Softpot Value (512) is not between 0 and 511");
    screen->workingField(0)->leave();
    EXPECT_EQ(text(screen->workingField(0)), "511");
}

TEST(refOscWarp, TunesAtTheHighestTransmitPoint) {
    harness h(withTxPoints(portable(), {5, 1200, 2400, 3800, 5000, 0, 0}));
    auto screen = h.open<TRefOscWarpWindow>();
    EXPECT_THAT(h.takeRequests(), Contains("pair 5000 5000"));
    EXPECT_EQ(text(screen->frequencyField(0)), "161.000000");
    screen->pttButton()->click();
    EXPECT_EQ(text(screen->statusLine()), "Radio is currently keyed up at 161.000000MHz");
}

TEST(refOscWarp, WithoutTransmitPointsProgramLeavesTheDefaultAlone) {
    harness h(withTxPoints(portable(), {0, 0, 0, 0, 0, 0, 0}));
    auto screen = h.open<TRefOscWarpWindow>();
    EXPECT_EQ(text(screen->frequencyField(0)), "UNSUPPORTED");
    EXPECT_FALSE(screen->spinner(0)->isEnabled());
    h.takeRequests();
    screen->programButton()->click();
    EXPECT_THAT(h.takeRequests(), ElementsAre("serial"));
    EXPECT_EQ(text(screen->defaultField(0)), "");
}

// ---- Signalling deviations ---------------------------------------------------------------

TEST(signalling, EachScreenTunesAtItsOwnPoint) {
    struct Case {
        const char* name;
        std::function<std::unique_ptr<TuningScreen>(harness&)> open;
        const char* channel;
        const char* frequency;
    };
    const Case cases[] = {
        {"DTMF", [](harness& h) { return std::unique_ptr<TuningScreen>(h.open<TDTMFWindow>()); },
         "pair 2400 5", "148.000000"},
        {"VYS1200", [](harness& h) { return std::unique_ptr<TuningScreen>(h.open<TVYS1200Window>()); },
         "pair 3800 3800", "155.000000"},
        {"MPT1327", [](harness& h) { return std::unique_ptr<TuningScreen>(h.open<TMPT1200Window>()); },
         "pair 3800 3800", "155.000000"},
        {"Select5", [](harness& h) { return std::unique_ptr<TuningScreen>(h.open<TSelect5Window>()); },
         "pair 5000 5000", "161.000000"},
        {"HST", [](harness& h) { return std::unique_ptr<TuningScreen>(h.open<THSSWindow>()); },
         "pair 5000 7595", "161.000000"},
    };
    harness h(withTxPoints(portable(), {0, 0, 2400, 3800, 5000, 0, 0}));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto screen = c.open(h);
        EXPECT_EQ(h.takeRequests().back(), c.channel);
        EXPECT_EQ(text(screen->frequencyField(0)), c.frequency);
        screen->pttButton()->click();
        EXPECT_EQ(text(screen->statusLine()),
                  std::string("Radio is currently keyed up at ") + c.frequency + "MHz");
        screen->programButton()->click();
        EXPECT_THAT(h.takeRequests(), IsSupersetOf({"dekey", c.channel}));
        screen.reset();
        h.takeRequests();
    }
}

TEST(signalling, WithoutTransmitPointsOnlyHSTStillTunes) {
    harness h(withTxPoints(portable(), {0, 0, 0, 0, 0, 0, 0}));
    {
        auto dtmf = h.open<TDTMFWindow>();
        EXPECT_EQ(text(dtmf->frequencyField(0)), "UNSUPPORTED");
        EXPECT_FALSE(dtmf->slider(0)->isEnabled());
        EXPECT_FALSE(dtmf->workingField(0)->isEnabled());
        h.takeRequests();
        dtmf->programButton()->click();
        EXPECT_THAT(h.takeRequests(), ElementsAre("serial"));
        EXPECT_EQ(text(dtmf->defaultField(0)), "0");
    }
    h.takeRequests();
    auto hst = h.open<THSSWindow>();
    EXPECT_EQ(text(hst->frequencyField(0)), "136.000000");
    EXPECT_THAT(h.takeRequests(), Contains("pair 0 7595"));
    EXPECT_TRUE(hst->slider(0)->isEnabled());
    hst->programButton()->click();
    EXPECT_THAT(h.takeRequests(), Contains("store 16 16"));
}

TEST(signalling, ClosingVYS1200OnASilentRadioReportsTheFailureDTMFDoesNot) {
    harness h(portable());
    {
        auto vys = h.open<TVYS1200Window>();
        vys->pttButton()->click();
        h.presenter.shown.clear();
        h.radio.injectFault(sim::faultSpec::parse("nak:times=always"));
    }
    EXPECT_THAT(messages(h), ElementsAre("Radio Communication Error!!"));
    h.radio.clearFaults();
    {
        auto dtmf = h.open<TDTMFWindow>();
        dtmf->pttButton()->click();
        h.presenter.shown.clear();
        h.radio.injectFault(sim::faultSpec::parse("nak:times=always"));
    }
    EXPECT_TRUE(messages(h).empty());
}

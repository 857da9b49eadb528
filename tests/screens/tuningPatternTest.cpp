// The tuning pattern, judged by the requests the simulated radio received:
// a seven-point transmit screen (low power), a one-point transmit screen
// (reference oscillator warp) and a receive screen (front end filter).
#include "screenHarness.h"

#include "screens/ScreenTexts.h"
#include "screens/TTuningSlider.h"
#include "screens/TVeltraEditBox.h"
#include "screens/TVeltraSpinner.h"
#include "screens/tuningScreens.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace screentest;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

using Requests = std::vector<std::string>;

sim::radioProfile portable() {
    return sim::radioProfile::builtIn("portable");
}

void lineStep(TuningScreen& screen, int row) {
    screen.slider(row)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
}

std::string text(QLineEdit* field) {
    return field->text().toStdString();
}

class tuningPattern : public ::testing::Test {
protected:
    tuningPattern() : h(portable()) {}

    template <class Screen> std::unique_ptr<Screen> openClean() {
        auto screen = h.open<Screen>();
        h.takeRequests();
        h.presenter.shown.clear();
        return screen;
    }

    harness h;
};

} // namespace

TEST_F(tuningPattern, OpeningChecksSerialEntersTestModeAndSetsTheFirstChannel) {
    auto screen = h.open<TTransmitLowPowerWindow>();
    EXPECT_THAT(h.takeRequests(), ElementsAre("serial", "test 0 2 2", "test 129 2 2", "pair 5 5"));
    EXPECT_EQ(h.state.openScreenId, 3);
    EXPECT_FALSE(h.portHeld());
    EXPECT_EQ(text(screen->statusLine()), "Radio is currently dekeyed");
    EXPECT_EQ(text(screen->frequencyField(0)), "136.025000");
    EXPECT_EQ(text(screen->frequencyField(6)), "173.975000");
    EXPECT_EQ(text(screen->defaultField(0)), "38");
    EXPECT_EQ(text(screen->workingField(6)), "45");
    EXPECT_EQ(screen->slider(6)->value(), 45);
    EXPECT_EQ(screen->spinner(6)->position(), 45);
    EXPECT_THAT(h.presenter.texts(), IsEmpty());
}

TEST_F(tuningPattern, LineStepWhileDekeyedChecksSerialAndSetsTheChannelOnly) {
    auto screen = openClean<TTransmitLowPowerWindow>();
    lineStep(*screen, 2);
    EXPECT_THAT(h.takeRequests(), ElementsAre("serial", "pair 2400 2400"));
    EXPECT_EQ(text(screen->workingField(2)), "41");
    EXPECT_EQ(screen->spinner(2)->position(), 41);
    EXPECT_EQ(screen->selectedPoint(), 3);
    EXPECT_FALSE(screen->holdsConnection());
    EXPECT_FALSE(h.portHeld());
    // Every line step is an action of its own: checked and prepared again.
    lineStep(*screen, 2);
    EXPECT_THAT(h.takeRequests(), ElementsAre("serial", "pair 2400 2400"));
}

TEST_F(tuningPattern, LineStepWhileKeyedWritesTheValueLive) {
    auto screen = openClean<TTransmitLowPowerWindow>();
    screen->pttButton()->click();
    EXPECT_THAT(h.takeRequests(), ElementsAre("key", "live 0 38"));
    EXPECT_EQ(text(screen->statusLine()), "Radio is currently keyed up at 136.025000MHz");
    lineStep(*screen, 0);
    EXPECT_THAT(h.takeRequests(), ElementsAre("serial", "live 0 39"));
    EXPECT_TRUE(h.radio.keyed());
}

TEST_F(tuningPattern, ThumbTrackDragHoldsOneConnectionAndChecksTheSerialOnce) {
    auto screen = openClean<TTransmitLowPowerWindow>();
    screen->pttButton()->click();
    h.takeRequests();
    TTuningSlider* slider = screen->slider(0);
    slider->setSliderDown(true);
    for (int position : {40, 41, 42}) {
        slider->setSliderPosition(position);
        h.processEvents();
        EXPECT_TRUE(screen->holdsConnection());
        EXPECT_TRUE(h.portHeld()) << "the drag keeps its connection at " << position;
    }
    // The mouse moves on without moving the thumb: the drag ends its connection
    // when it is let go.
    emit slider->thumbRepeated();
    h.processEvents();
    EXPECT_TRUE(screen->isClosePending());
    slider->setSliderDown(false);
    h.processEvents();
    EXPECT_THAT(h.takeRequests(), ElementsAre("serial", "live 0 40", "live 0 41", "live 0 42", "live 0 42"));
    EXPECT_FALSE(screen->holdsConnection());
    EXPECT_FALSE(h.portHeld());
    EXPECT_EQ(text(screen->workingField(0)), "42");
}

TEST_F(tuningPattern, DragWithoutRepeatedPositionKeepsTheConnectionForTheNextAction) {
    auto screen = openClean<TTransmitLowPowerWindow>();
    TTuningSlider* slider = screen->slider(1);
    slider->setSliderDown(true);
    slider->setSliderPosition(50);
    h.processEvents();
    slider->setSliderDown(false);
    h.processEvents();
    EXPECT_TRUE(screen->holdsConnection());
    screen->pttButton()->click(); // uses the held connection and closes it
    EXPECT_THAT(h.takeRequests(), ElementsAre("serial", "pair 1200 1200", "key", "live 0 50"));
    EXPECT_FALSE(screen->holdsConnection());
    EXPECT_FALSE(h.portHeld());
}

TEST_F(tuningPattern, FastDragSendsOnlyTheNewestPosition) {
    auto screen = openClean<TTransmitLowPowerWindow>();
    screen->pttButton()->click();
    h.takeRequests();
    TTuningSlider* slider = screen->slider(0);
    slider->setSliderDown(true);
    // Positions that arrive while the window is busy are not sent one by one.
    for (int position = 40; position <= 70; ++position)
        slider->setSliderPosition(position);
    h.processEvents();
    EXPECT_THAT(h.takeRequests(), ElementsAre("serial", "live 0 70"));
    slider->setSliderPosition(60);
    slider->setSliderPosition(55);
    slider->setSliderDown(false); // let go before the drag timer ran
    h.processEvents();
    EXPECT_THAT(h.takeRequests(), ElementsAre("live 0 55"));
    EXPECT_EQ(screen->currentValue(), 55);
}

TEST_F(tuningPattern, SpinnerEndPreparesThePointAndKeyUpWritesTheSpinnerValue) {
    auto screen = openClean<TTransmitLowPowerWindow>();
    screen->spinner(1)->click(+1);
    EXPECT_THAT(h.takeRequests(), ElementsAre("serial", "pair 1200 1200"));
    EXPECT_EQ(text(screen->workingField(1)), "40");
    EXPECT_EQ(screen->slider(1)->value(), 40);
    screen->pttButton()->click();
    EXPECT_THAT(h.takeRequests(), ElementsAre("key", "live 0 40"));
    EXPECT_EQ(text(screen->statusLine()), "Radio is currently keyed up at 142.000000MHz");
    screen->spinner(1)->click(-1);
    EXPECT_THAT(h.takeRequests(), ElementsAre("serial", "live 0 39"));
    screen->pttButton()->click();
    EXPECT_THAT(h.takeRequests(), ElementsAre("dekey"));
    EXPECT_EQ(text(screen->statusLine()), "Radio is currently dekeyed");
}

TEST_F(tuningPattern, EnterChecksTheSerialEveryTime) {
    auto screen = openClean<TTransmitLowPowerWindow>();
    screen->workingField(3)->setText("60");
    screen->workingField(3)->enter();
    EXPECT_THAT(h.takeRequests(), ElementsAre("serial", "pair 3800 3800"));
    EXPECT_EQ(screen->slider(3)->value(), 60);
    screen->pttButton()->click();
    EXPECT_THAT(h.takeRequests(), ElementsAre("key", "live 0 60"));
    screen->workingField(3)->setText("61");
    screen->workingField(3)->enter();
    EXPECT_THAT(h.takeRequests(), ElementsAre("serial", "live 0 61"));
}

TEST_F(tuningPattern, MovingAnotherRowWhileKeyedDekeysAndPreparesThatRow) {
    auto screen = openClean<TTransmitLowPowerWindow>();
    screen->spinner(1)->click(+1);
    screen->pttButton()->click();
    h.takeRequests();
    lineStep(*screen, 4);
    EXPECT_THAT(h.takeRequests(), ElementsAre("dekey", "serial", "pair 5000 5000"));
    EXPECT_FALSE(screen->isKeyed());
    EXPECT_FALSE(h.radio.keyed());
    EXPECT_EQ(text(screen->statusLine()), "Radio is currently dekeyed");
    screen->pttButton()->click();
    EXPECT_THAT(h.takeRequests(), ElementsAre("key", "live 0 43"));
    EXPECT_EQ(text(screen->statusLine()), "Radio is currently keyed up at 161.000000MHz");
}

TEST_F(tuningPattern, ProgramAsksDekeysAndStoresEveryPointThenReturnsToTheSelectedPoint) {
    auto screen = openClean<TTransmitLowPowerWindow>();
    screen->spinner(1)->click(+1);
    screen->pttButton()->click();
    for (int row = 0; row < 7; ++row)
        screen->workingField(row)->setText(QString::number(50 + row));
    h.takeRequests();
    screen->programButton()->click();
    ASSERT_EQ(h.presenter.shown.size(), 1u);
    EXPECT_EQ(h.presenter.shown[0].message.text, "Commit new softpot values? Softpot Value Range (0-127)");
    EXPECT_EQ(h.presenter.shown[0].message.caption, "WARNING");
    EXPECT_TRUE(h.presenter.shown[0].question);
    EXPECT_THAT(h.takeRequests(),
                ElementsAre("serial", "dekey", "pair 5 5", "store 0 50", "pair 1200 1200", "store 0 51",
                            "pair 2400 2400", "store 0 52", "pair 3800 3800", "store 0 53", "pair 5000 5000",
                            "store 0 54", "pair 6200 6200", "store 0 55", "pair 7595 7595", "store 0 56",
                            "pair 1200 1200"));
    for (int row = 0; row < 7; ++row) {
        EXPECT_EQ(h.image.getSoftpot(ROW_TX_POWER, 7 + row), 50 + row);
        EXPECT_EQ(text(screen->defaultField(row)), std::to_string(50 + row));
        EXPECT_EQ(h.radio.storedValue(0, row + 1, 1), static_cast<std::uint32_t>(50 + row));
    }
    EXPECT_FALSE(screen->isKeyed());
    EXPECT_EQ(text(screen->statusLine()), "Radio is currently dekeyed");
    EXPECT_FALSE(h.portHeld());
}

TEST_F(tuningPattern, ProgramCancelledAtTheQuestionWritesNothing) {
    auto screen = openClean<TTransmitLowPowerWindow>();
    screen->workingField(0)->setText("99");
    h.presenter.answers.push_back(MessageAnswer::Cancel);
    screen->programButton()->click();
    EXPECT_THAT(h.takeRequests(), ElementsAre("serial"));
    EXPECT_EQ(h.image.getSoftpot(ROW_TX_POWER, 7), 38);
    EXPECT_FALSE(h.portHeld());
}

TEST_F(tuningPattern, ClosingATransmitScreenDekeysAndResets) {
    auto screen = openClean<TTransmitLowPowerWindow>();
    screen->pttButton()->click();
    h.takeRequests();
    screen.reset();
    EXPECT_THAT(h.takeRequests(), ElementsAre("dekey", "reset"));
    EXPECT_EQ(h.state.openScreenId, 0);
    EXPECT_FALSE(h.radio.keyed());
    EXPECT_FALSE(h.portHeld());
}

TEST_F(tuningPattern, ClosingAReceiveScreenResetsOnly) {
    auto screen = openClean<TFrontEndFilterWindow>();
    screen.reset();
    EXPECT_THAT(h.takeRequests(), ElementsAre("reset"));
    EXPECT_EQ(h.state.openScreenId, 0);
}

TEST_F(tuningPattern, ClosingDuringADragUsesTheHeldConnection) {
    auto screen = openClean<TRefOscWarpWindow>();
    screen->slider(0)->setSliderDown(true);
    screen->slider(0)->setSliderPosition(300);
    h.processEvents();
    ASSERT_TRUE(h.portHeld());
    screen.reset();
    EXPECT_THAT(h.takeRequests(), ElementsAre("serial", "pair 7595 7595", "dekey", "reset"));
    EXPECT_FALSE(h.portHeld());
}

TEST_F(tuningPattern, ReceiveScreenWritesEveryChangeAndNamesThePoint) {
    auto screen = openClean<TFrontEndFilterWindow>();
    EXPECT_EQ(text(screen->statusLine()), "No Frequency Tuning Point is currently selected");
    EXPECT_EQ(screen->pttButton(), nullptr);
    screen->workingField(0)->setText("77");
    screen->workingField(0)->enter();
    EXPECT_THAT(h.takeRequests(), ElementsAre("serial", "pair 5 5", "live 13 77"));
    EXPECT_EQ(text(screen->statusLine()), "Point 136.025000MHz is currently being tuned");
    lineStep(*screen, 1);
    EXPECT_THAT(h.takeRequests(), ElementsAre("serial", "pair 1200 1200", "live 13 63"));
    EXPECT_EQ(text(screen->statusLine()), "Point 142.000000MHz is currently being tuned");
    screen->programButton()->click();
    EXPECT_EQ(text(screen->statusLine()), "No Frequency Tuning Point is currently selected");
}

// ---- Edge cases -------------------------------------------------------------------

TEST(tuningPatternEdges, AbsentPointsReadUnsupportedAndProgramSkipsThem) {
    harness h(withTxPoints(portable(), {5, 1200, 0, 3800, 5000, 0, 7595}));
    auto screen = h.open<TTransmitLowPowerWindow>();
    for (int row : {2, 5}) {
        EXPECT_EQ(text(screen->frequencyField(row)), "UNSUPPORTED");
        EXPECT_EQ(text(screen->workingField(row)), "");
        EXPECT_EQ(text(screen->defaultField(row)), "");
        EXPECT_FALSE(screen->slider(row)->isEnabled());
        EXPECT_FALSE(screen->workingField(row)->isEnabled());
        EXPECT_FALSE(screen->spinner(row)->isEnabled());
    }
    EXPECT_TRUE(screen->slider(3)->isEnabled());
    h.takeRequests();
    screen->programButton()->click();
    const Requests sent = h.takeRequests();
    EXPECT_EQ(std::count(sent.begin(), sent.end(), std::string("store 0 40")), 0) << "F3 is not written";
    EXPECT_THAT(sent, ElementsAre("serial", "pair 5 5", "store 0 38", "pair 1200 1200", "store 0 39",
                                  "pair 3800 3800", "store 0 41", "pair 5000 5000", "store 0 42",
                                  "pair 7595 7595", "store 0 45", "pair 5 5"));
    EXPECT_EQ(text(screen->defaultField(2)), "");
}

TEST(tuningPatternEdges, FirstPointAbsentStartsOnTheLowestPresentPoint) {
    harness h(withTxPoints(portable(), {0, 1200, 2400, 3800, 5000, 6200, 7595}));
    auto screen = h.open<TTransmitLowPowerWindow>();
    EXPECT_THAT(h.takeRequests(), ElementsAre("serial", "test 0 2 2", "test 129 2 2")) << "no channel of F1";
    EXPECT_EQ(screen->selectedPoint(), 2);
}

TEST(tuningPatternEdges, ValueAboveTheMaximumAtEnterIsRefusedLeavingClampsIt) {
    harness h(portable());
    auto screen = h.open<TFrontEndFilterWindow>();
    h.takeRequests();
    TVeltraEditBox* field = screen->workingField(0);
    field->setText("300");
    field->enter();
    ASSERT_EQ(h.presenter.shown.size(), 1u);
    EXPECT_EQ(h.presenter.shown[0].message.text, "Softpot Value (300) is not between 0 and 255");
    EXPECT_EQ(h.presenter.shown[0].message.caption, "OUT OF RANGE");
    EXPECT_EQ(h.presenter.shown[0].message.icon, MessageIcon::Exclamation);
    EXPECT_EQ(screen->slider(0)->value(), 38);
    field->leave();
    EXPECT_EQ(text(field), "255");
    EXPECT_EQ(screen->slider(0)->value(), 255);
    field->clear();
    field->leave();
    EXPECT_EQ(text(field), "0");
    EXPECT_EQ(screen->slider(0)->value(), 0);
    EXPECT_THAT(h.takeRequests(), IsEmpty()) << "typing and leaving the field reaches no radio";
}

TEST(tuningPatternEdges, WorkingFieldTakesThreeCharactersOfDigitsAndPoint) {
    harness h(portable());
    auto screen = h.open<TRefOscWarpWindow>();
    TVeltraEditBox* field = screen->workingField(0);
    field->clear();
    for (QChar c : QString("1a2.34")) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(field, &press);
    }
    EXPECT_EQ(text(field), "12.");
    EXPECT_EQ(field->value(), 12);
    EXPECT_EQ(TVeltraEditBox::convert(".5"), 0);
}

TEST(tuningPatternEdges, EmptyFieldAtProgramStopsThereAfterTheEarlierPoints) {
    harness h(portable());
    auto screen = h.open<TTransmitLowPowerWindow>();
    screen->workingField(0)->setText("60");
    screen->workingField(2)->clear();
    h.takeRequests();
    h.presenter.shown.clear();
    screen->programButton()->click();
    EXPECT_THAT(h.takeRequests(),
                ElementsAre("serial", "pair 5 5", "store 0 60", "pair 1200 1200", "store 0 39"));
    ASSERT_EQ(h.presenter.shown.size(), 2u);
    EXPECT_EQ(h.presenter.shown[1].message.text, "Please enter a valid Transmit Low Power softpot value!!");
    EXPECT_EQ(h.presenter.shown[1].message.caption, "NOTE");
    EXPECT_EQ(h.presenter.shown[1].message.icon, MessageIcon::Information);
    EXPECT_EQ(h.image.getSoftpot(ROW_TX_POWER, 7), 60) << "the low-power screen stores point by point";
    EXPECT_FALSE(h.portHeld());
}

TEST(tuningPatternEdges, ProgramStoppingAtF4LeavesF1ToF3ProgrammedAndTheRestUntouched) {
    harness h(portable());
    auto screen = h.open<TTransmitLowPowerWindow>();
    for (int row = 0; row < 7; ++row)
        screen->workingField(row)->setText(QString::number(row == 3 ? 128 : 70 + row));
    h.takeRequests();
    h.presenter.shown.clear();
    screen->programButton()->click();
    EXPECT_THAT(h.takeRequests(), ElementsAre("serial", "pair 5 5", "store 0 70", "pair 1200 1200",
                                              "store 0 71", "pair 2400 2400", "store 0 72"));
    ASSERT_EQ(h.presenter.shown.size(), 2u);
    EXPECT_EQ(h.presenter.shown[1].message.text,
              "Program softpots aborted for Transmit Low Power!! Illegal softpot value");
    EXPECT_EQ(h.presenter.shown[1].message.caption, "ERROR");
    EXPECT_EQ(h.presenter.shown[1].message.icon, MessageIcon::Exclamation);
    for (int point = 4; point <= 7; ++point)
        EXPECT_EQ(h.radio.storedValue(0, point, 1), h.profile.softpots.at(0)[1][point - 1]);
    EXPECT_EQ(text(screen->defaultField(3)), "41");
}

TEST(tuningPatternEdges, ComPortInUseRefusesTheScreenAndEveryAction) {
    harness h(portable());
    h.occupyPort(true);
    auto refused = h.open<TRefOscWarpWindow>();
    EXPECT_EQ(h.state.openScreenId, 0);
    ASSERT_EQ(h.presenter.shown.size(), 1u);
    EXPECT_EQ(h.presenter.shown[0].message.text, "COM Port is currently in use by another application");
    EXPECT_EQ(h.presenter.shown[0].message.caption, " WARNING");
    EXPECT_EQ(h.presenter.shown[0].message.icon, MessageIcon::Information);
    refused.reset();
    EXPECT_EQ(h.presenter.shown.size(), 1u) << "closing the refused screen does not repeat the message";

    h.occupyPort(false);
    auto screen = h.open<TRefOscWarpWindow>();
    h.takeRequests();
    h.presenter.shown.clear();
    h.occupyPort(true);
    lineStep(*screen, 0);
    screen->pttButton()->click();
    screen->programButton()->click();
    EXPECT_EQ(h.presenter.shown.size(), 3u);
    for (const auto& shown : h.presenter.shown)
        EXPECT_EQ(shown.message.text, "COM Port is currently in use by another application");
    EXPECT_THAT(h.takeRequests(), IsEmpty());
    EXPECT_FALSE(screen->isKeyed());
}

TEST(tuningPatternEdges, CommunicationFailureIsReportedAndTheConnectionClosed) {
    harness h(portable());
    auto screen = h.open<TTransmitLowPowerWindow>();
    h.presenter.shown.clear();
    h.radio.injectFault(sim::faultSpec::parse("nak:times=always"));
    lineStep(*screen, 0);
    ASSERT_EQ(h.presenter.shown.size(), 1u);
    EXPECT_EQ(h.presenter.shown[0].message.text, "Radio Communication Error!!");
    EXPECT_EQ(h.presenter.shown[0].message.caption, "ERROR");
    EXPECT_FALSE(screen->holdsConnection());
    EXPECT_FALSE(h.portHeld());
    h.radio.clearFaults();
    h.takeRequests();
    lineStep(*screen, 0);
    EXPECT_THAT(h.takeRequests(), ElementsAre("serial", "pair 5 5")) << "the point is prepared again";
}

// ---- Serial number mismatch -------------------------------------------------------

class serialMismatch : public ::testing::Test {
protected:
    serialMismatch() : h(portable()) {
        screen = h.open<TTransmitLowPowerWindow>();
        h.takeRequests();
        h.presenter.shown.clear();
        // Another radio on the cable, with another low-power value at F1.
        h.radio.withState([](sim::radioState& s) {
            s.radio.serial = "999XYZ0001";
            s.radio.softpots[0][1][0] = 77;
        });
    }

    harness h;
    std::unique_ptr<TTransmitLowPowerWindow> screen;
};

TEST_F(serialMismatch, CancelLeavesTheScreenAndSendsNothingMore) {
    h.presenter.answers.push_back(MessageAnswer::Cancel);
    lineStep(*screen, 0);
    EXPECT_THAT(h.takeRequests(), ElementsAre("serial"));
    ASSERT_EQ(h.presenter.shown.size(), 1u);
    EXPECT_EQ(h.presenter.shown[0].message.text, "Serial No. mismatch!! Read in new radio?");
    EXPECT_EQ(h.presenter.shown[0].message.caption, "WARNING");
    EXPECT_TRUE(h.presenter.shown[0].question);
    EXPECT_EQ(h.readRadioRuns, 0);
    EXPECT_EQ(text(screen->defaultField(0)), "38");
    EXPECT_FALSE(h.portHeld());

    h.presenter.answers.push_back(MessageAnswer::Cancel);
    screen->programButton()->click();
    EXPECT_THAT(h.takeRequests(), ElementsAre("serial")) << "Program writes nothing to another radio";
    EXPECT_EQ(h.image.getSoftpot(ROW_TX_POWER, 7), 38);
}

TEST_F(serialMismatch, OkReadsTheNewRadioAndRefreshesEveryField) {
    h.presenter.answers.push_back(MessageAnswer::Ok);
    lineStep(*screen, 0);
    EXPECT_THAT(h.takeRequests(), ElementsAre("serial"));
    EXPECT_EQ(h.readRadioRuns, 1);
    EXPECT_EQ(text(screen->defaultField(0)), "77");
    EXPECT_EQ(text(screen->workingField(0)), "77");
    EXPECT_EQ(screen->slider(0)->value(), 77);
    lineStep(*screen, 0);
    EXPECT_THAT(h.takeRequests(), ElementsAre("serial", "pair 5 5")) << "the new radio is tuned";
}

TEST(serialMismatchAtOpening, OkReadsTheRadioAndTheScreenOpensOnIt) {
    harness h(portable());
    h.image.setSerialNumber("OTHERRADIO");
    auto screen = h.open<TRefOscWarpWindow>();
    EXPECT_EQ(h.readRadioRuns, 1);
    EXPECT_EQ(h.state.openScreenId, 1);
    EXPECT_EQ(std::string(h.image.getSerialNumber()), "752TKL0412");
    EXPECT_THAT(h.takeRequests(), ElementsAre("serial", "test 0 2 2", "test 129 2 2", "pair 7595 7595"));
}

// A drag that skipped the serial check and the channel on the strength of an
// earlier step would write one point's value at another point's channel.
TEST_F(tuningPattern, DragPreparesItsPointAgainAfterAnotherRowMovedTheChannel) {
    auto screen = openClean<TFrontEndFilterWindow>();
    const auto drag = [&](int row, int position) {
        screen->slider(row)->setSliderDown(true);
        screen->slider(row)->setSliderPosition(position);
        h.processEvents();
        screen->slider(row)->setSliderDown(false);
        h.processEvents();
    };
    drag(0, 50); // no repeated position: the connection stays held
    drag(1, 70); // the same connection, another point
    drag(0, 51);
    EXPECT_THAT(h.takeRequests(), ElementsAre("serial", "pair 5 5", "live 13 50", "serial", "pair 1200 1200",
                                              "live 13 70", "serial", "pair 5 5", "live 13 51"));
    screen->spinner(1)->click(+1); // closes the held connection
    drag(0, 52);
    EXPECT_THAT(h.takeRequests(),
                ElementsAre("serial", "pair 1200 1200", "live 13 71", "serial", "pair 5 5", "live 13 52"));
}

// The one-screen-at-a-time rule, the screen-opening steps through the
// registry, the setup pictures, menu hints and context help.
#include "shellTestSupport.h"

#include "shell/THelpViewer.h"
#include "shell/TVeltraMDIChild.h"
#include "shell/infoDialogs.h"
#include "shell/veltraSetupWindow.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QStatusBar>

using namespace shelltest;

namespace {

// A screen as the registry builds them: it stores its number when it opens
// (unless told to refuse) and clears it when destroyed.
class fakeScreen : public QWidget {
public:
    fakeScreen(QWidget* parent, ApplicationState& state, int number, bool refuse)
        : QWidget(parent), state(state) {
        if (!refuse)
            state.openScreenId = number;
        ++alive;
    }
    ~fakeScreen() override {
        state.openScreenId = 0;
        --alive;
    }
    ApplicationState& state;
    static inline int alive = 0;
};

class screenRulesTest : public shellFixture {
protected:
    void SetUp() override {
        shellFixture::SetUp();
        writeComIni(1);
        ASSERT_EQ(startApp(), 0);
    }
    // A portable radio in the image, as after a read.
    void pretendRead() {
        auto& image = client()->image();
        image.setSerialNumber("1234567890");
        image.setModelNumber("T31S4NK1C7      ");
        image.setRadioType(1);
        image.setSoftpot(ROW_RADIO_INFO, 7, COL_SPACING_MASK);
        app->state().radioRead = true;
    }
    void registerFake(int command, int number, bool refuse = false) {
        client()->registry().add(command, [number, refuse](const screenRequest& r) -> QWidget* {
            return new fakeScreen(r.parent, r.context.state, number, refuse);
        });
    }
    int children() const { return static_cast<int>(client()->subWindowList().size()); }
    int stillOpenNotes() const {
        int n = 0;
        for (const auto& r : ui.shown)
            n += r.message.text == "Current window still open! Please close first!" &&
                 r.message.caption == " NOTE";
        return n;
    }
};

} // namespace

TEST_F(screenRulesTest, SetupPictureCountsAsTheOpenScreen) {
    client()->runCommand(CM_PORTABLE_SETUP);
    ASSERT_EQ(children(), 1);
    EXPECT_EQ(app->state().openScreenId, 41);
    EXPECT_TRUE(app->state().setupPictureOpen);
    auto* child = qobject_cast<TVeltraMDIChild*>(client()->subWindowList().front());
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(child->windowTitle(), "Radio Setup");
    auto* picture = qobject_cast<veltraSetupWindow*>(child->client());
    ASSERT_NE(picture, nullptr);
    EXPECT_TRUE(picture->hasPicture());
    saveScreenshot(*window(), "portable-setup-picture.png");

    // The same picture again: nothing; the other picture or a screen: the note.
    client()->runCommand(CM_PORTABLE_SETUP);
    EXPECT_EQ(stillOpenNotes(), 0);
    client()->runCommand(CM_MOBILE_SETUP);
    EXPECT_EQ(stillOpenNotes(), 1);
    pretendRead();
    registerFake(CM_REF_OSC_WARP, 1);
    client()->runCommand(CM_REF_OSC_WARP);
    EXPECT_EQ(stillOpenNotes(), 2);
    EXPECT_EQ(children(), 1);
    EXPECT_FALSE(client()->isCommandEnabled(CM_READ_RADIO));
    EXPECT_FALSE(client()->isCommandEnabled(CM_LOAD_ARCHIVE));

    delete child;
    EXPECT_EQ(app->state().openScreenId, 0);
    EXPECT_FALSE(app->state().setupPictureOpen);
    client()->runCommand(CM_MOBILE_SETUP);
    EXPECT_EQ(app->state().openScreenId, 42);
}

TEST_F(screenRulesTest, ScreenOpeningStepsThroughTheRegistry) {
    pretendRead();
    struct Case {
        const char* name;
        bool refuse;
        bool tuningAllowed;
        int childrenAfter;
    };
    const Case cases[] = {
        {"opens", false, true, 1},
        {"refuses to open: destroyed at once", true, true, 0},
        {"tuning blocked: closed at once", false, false, 0},
    };
    for (const auto& c : cases) {
        registerFake(CM_VCO_25, 8, c.refuse);
        app->state().tuningAllowed = c.tuningAllowed;
        // The rule is the table's; with tuning blocked the command is disabled,
        // so the steps are run directly as the menu would.
        client()->openScreen(*findCommand(CM_VCO_25));
        EXPECT_EQ(children(), c.childrenAfter) << c.name;
        EXPECT_EQ(fakeScreen::alive, c.childrenAfter) << c.name;
        if (c.childrenAfter) {
            EXPECT_EQ(client()->subWindowList().front()->windowTitle(), "VCO Attn. 25kHz") << c.name;
            EXPECT_EQ(app->state().openScreenId, 8);
            client()->runCommand(CM_VCO_25); // the same screen: nothing
            EXPECT_EQ(stillOpenNotes(), 0);
            EXPECT_EQ(children(), 1);
            delete client()->subWindowList().front();
        }
        EXPECT_EQ(app->state().openScreenId, 0) << c.name;
    }
}

TEST_F(screenRulesTest, CommandWithoutAScreenEntryStaysDisabled) {
    pretendRead();
    client()->registry() = screenRegistry();
    EXPECT_FALSE(client()->isCommandEnabled(CM_REF_OSC_WARP));
    registerFake(CM_REF_OSC_WARP, 1);
    EXPECT_TRUE(client()->isCommandEnabled(CM_REF_OSC_WARP));
}

TEST_F(screenRulesTest, TempCompAndSerialNumberHaveStepsOfTheirOwn) {
    pretendRead();
    registerFake(CM_TEMP_COMP_READ, 39);
    client()->runCommand(CM_PORTABLE_SETUP);
    client()->runCommand(CM_TEMP_COMP_READ);
    EXPECT_TRUE(shown("Please close all windows before reading Temp Comp data"));
    delete client()->subWindowList().front();

    // The shell stores 39 before it builds the window.
    client()->registry().add(CM_TEMP_COMP_READ, [](const screenRequest& r) -> QWidget* {
        EXPECT_EQ(r.context.state.openScreenId, 39);
        return new fakeScreen(r.parent, r.context.state, 39, false);
    });
    client()->runCommand(CM_TEMP_COMP_READ);
    EXPECT_EQ(app->state().openScreenId, 39);
    delete client()->subWindowList().front();

    registerFake(CM_PROGRAM_SERIAL, 30);
    client()->runCommand(CM_PROGRAM_SERIAL);
    EXPECT_TRUE(shown("Serial No. is not blank"));
    EXPECT_EQ(children(), 0);
    client()->image().setSerialNumber("          ");
    client()->runCommand(CM_PROGRAM_SERIAL);
    EXPECT_EQ(children(), 1);
    EXPECT_EQ(client()->subWindowList().front()->windowTitle(), "Program Radio Serial No.");
}

TEST_F(screenRulesTest, MenuHintsReplaceTheStatusTextWhileAMenuIsOpen) {
    QMenu* file = window()->menu(MENU_FILE);
    emit file->aboutToShow();
    EXPECT_EQ(window()->statusBarText(), "Perform file/radio related operations");
    emit file->hovered(window()->action(CM_READ_RADIO));
    EXPECT_EQ(window()->statusBarText(), "Reads all radio particulars into memory");
    QMenu* tx = window()->menu(MENU_TX_ALIGN);
    emit tx->hovered(window()->menu(CM_PA_BIAS_MENU)->menuAction());
    EXPECT_EQ(window()->statusBarText(), "Option for PA Bias High/Low Voltage");
    emit file->aboutToHide();
    EXPECT_EQ(window()->statusBarText(), "No archive file or radio is currently loaded or connected");
}

TEST_F(screenRulesTest, MenusShowTheirRulesWhenTheyOpen) {
    QMenu* file = window()->menu(MENU_FILE);
    emit file->aboutToShow();
    EXPECT_TRUE(window()->action(CM_READ_RADIO)->isEnabled());
    EXPECT_FALSE(window()->action(CM_SAVE_ARCHIVE)->isEnabled());
    pretendRead();
    emit file->aboutToShow();
    EXPECT_TRUE(window()->action(CM_SAVE_ARCHIVE)->isEnabled());
    for (int id : {CM_CASCADE, CM_TILE, CM_ARRANGE_ICONS, CM_CLOSE_ALL})
        EXPECT_FALSE(client()->isCommandEnabled(id)) << id;
}

TEST_F(screenRulesTest, F1OpensTheHelpOfTheOpenScreen) {
    client()->contextHelp();
    ASSERT_NE(client()->helpViewer(), nullptr);
    EXPECT_EQ(client()->helpViewer()->context(), 0);
    EXPECT_EQ(client()->helpViewer()->topicTitle(), "Contents");
    app->state().openScreenId = 2;
    client()->contextHelp();
    EXPECT_EQ(client()->helpViewer()->context(), 40002);
    EXPECT_EQ(client()->helpViewer()->topicTitle(), "Transmit Power");
    app->state().openScreenId = 41; // the setup picture has no context
    client()->contextHelp();
    EXPECT_EQ(client()->helpViewer()->context(), 0);
    app->state().openScreenId = 0;
    client()->showHelp(CM_READ_RADIO); // F1 on a highlighted item
    EXPECT_EQ(client()->helpViewer()->topicTitle(), "Read Radio Information and Softpots");
}

TEST_F(screenRulesTest, RadioInformationShowsWhatTheImageHolds) {
    QString serial, model;
    ui.onDialog = [&](QDialog& d) {
        auto* info = dynamic_cast<TRadioInfoDialog*>(&d);
        EXPECT_NE(info, nullptr);
        if (info) {
            serial = info->serialText();
            model = info->modelText();
            EXPECT_EQ(info->windowTitle(), "Radio Information");
        }
        return 1;
    };
    client()->runCommand(CM_RADIO_INFO);
    EXPECT_EQ(serial, "NULL      ");
    EXPECT_EQ(model, "NULL            ");
}

TEST_F(screenRulesTest, F1OnAHighlightedMenuItemOpensItsHelpInsteadOfTheCommand) {
    QMenu* file = window()->menu(MENU_FILE);
    file->popup(window()->mapToGlobal(QPoint(10, 20)));
    QApplication::processEvents();
    file->setActiveAction(window()->action(CM_READ_RADIO));
    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QCoreApplication::sendEvent(file, &f1);
    EXPECT_FALSE(file->isVisible());
    ASSERT_NE(client()->helpViewer(), nullptr);
    EXPECT_EQ(client()->helpViewer()->context(), CM_READ_RADIO);
    EXPECT_FALSE(app->state().radioRead); // the command did not run
    EXPECT_TRUE(ui.shown.empty());
}

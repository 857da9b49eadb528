// What every screen that talks to the radio shares, whatever its layout: its
// number in openScreenId, the connection per action (and the one a slider
// drag holds), the serial-number check with its mismatch prompt and re-read,
// the opening sequence around the screen's own radio steps, the messages of
// a failed exchange, the guard against actions that overlap, and the
// restore of the radio when the screen closes. TuningScreen builds the
// common rows of controls on it; screens with layouts of their own derive
// from it directly.
#pragma once

#include "screens/ScreenContext.h"
#include "screens/screenDescription.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <string_view>

class EnhancedSBEP;
class radioConnection;
class radioStorage;
class MessagePresenter;
struct ApplicationState;
struct UserMessage;

struct radioScreenIdentity {
    int number;                      // stored in openScreenId while the screen is open
    const char* title;               // the screen window's title
    const char* caption;             // the MDI child's caption
    std::string_view mismatchPrompt; // "Serial No. mismatch!! ..." or "Serial No. Mismatch!! ..."
    restoreRule restore;
};

class TRadioScreen : public QWidget {
    Q_OBJECT
public:
    TRadioScreen(const ScreenContext& context, const radioScreenIdentity& identity,
                 QWidget* parent = nullptr);
    // Restores the radio unless closing did already.
    ~TRadioScreen() override;

    int number() const { return identity_.number; }
    QString title() const { return QString::fromUtf8(identity_.title); }
    QString caption() const { return QString::fromUtf8(identity_.caption); }

    bool holdsConnection() const { return connectionOpen_; }
    bool isClosePending() const { return closePending_; }

    // Closing: openScreenId becomes 0; dekey and reset (or reset only) by the
    // screen's rule. Runs once.
    void restoreRadio();

protected:
    // Stores the screen's number in openScreenId (the screen is open from here on).
    void claimScreenNumber();
    // The opening sequence: a connection for the serial check (a mismatch
    // runs the prompt), a fresh connection for `enterRadio` (test mode and
    // first channel). A port that cannot be opened, or a failed exchange,
    // leaves openScreenId 0: the screen refused to open.
    void runOpeningSequence(const std::function<void(EnhancedSBEP&)>& enterRadio);

    // The connection of the current action: the one held, or a new one; a
    // port that cannot be opened shows the port message and gives false.
    bool openConnection();
    void closeConnection();
    // A thumb-track drag keeps its connection until the end of its scroll.
    void setClosePending() { closePending_ = true; }
    EnhancedSBEP& radio();

    // The serial check on the open connection; a mismatch closes the
    // connection, asks, and on OK re-reads the radio (refreshAfterRead).
    bool checkSerial();
    bool serialMatches();
    void onSerialMismatch();

    void report(const UserMessage& message) const;
    void showCommunicationError() const;

    // Actions must not overlap: a message box or the re-read's progress
    // window runs events while an action waits. beginAction refuses a
    // second one; endAction calls actionEnded.
    bool beginAction();
    void endAction();
    bool actionRunning() const { return busy_ != 0; }
    template <class F> void runAction(F&& action) {
        if (beginAction()) {
            action();
            endAction();
        }
    }

    // Hooks.
    virtual void connectionClosed() {}
    virtual void refreshAfterRead() {}
    virtual void actionEnded() {}
    virtual void aboutToClose() {}
    void closeEvent(QCloseEvent* event) override;

    const ScreenContext& context() const { return context_; }
    radioStorage& image() const { return context_.image; }
    ApplicationState& state() const { return context_.state; }
    MessagePresenter& presenter() const { return context_.presenter; }

private:
    ScreenContext context_;
    radioScreenIdentity identity_;
    std::unique_ptr<radioConnection> connection_;
    bool connectionOpen_ = false;
    bool closePending_ = false;
    bool opened_ = false;       // claimScreenNumber ran
    bool radioReached_ = false; // the opening sequence got a connection
    bool restored_ = false;
    int busy_ = 0;
};

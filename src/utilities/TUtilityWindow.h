// What the utility windows share with the tuning screens: a connection per
// action ("COM Port is currently in use by another application" when the
// port cannot be opened), the serial-number check with its mismatch prompt
// and re-read, the messages, the screen number in openScreenId (cleared when
// the window goes), and the screens' font and pixel places.
#pragma once

#include "operations/UserMessage.h"
#include "screens/ScreenContext.h"

#include <QRect>
#include <QWidget>

#include <memory>
#include <string_view>

class EnhancedSBEP;
class radioConnection;
struct UserMessage;

class TUtilityWindow : public QWidget {
    Q_OBJECT
public:
    TUtilityWindow(QWidget* parent, const ScreenContext& context, int screenNumber, const QString& title);
    // Sets openScreenId to 0 when it still holds this window's number.
    ~TUtilityWindow() override;

    int screenNumber() const { return number; }
    // The window gave up while opening (openScreenId no longer holds its number).
    bool refused() const;
    // Closes the MDI child around the window (or the window itself).
    void closeWindow();

protected:
    const ScreenContext& context() const { return ctx; }
    radioStorage& image() const { return ctx.image; }
    void report(const UserMessage& message) const;
    void reportCommunicationError() const;
    MessageAnswer ask(const UserMessage& message, MessageButtons buttons) const;
    void giveUp() const; // openScreenId to 0

    // The connection of the current action; false (message shown) when the
    // port cannot be opened.
    bool openConnection();
    void closeConnection();
    bool connected() const { return connection != nullptr; }
    EnhancedSBEP& radio();
    // radioOperations::verifySerialNo on the open connection (link errors pass).
    bool serialMatches();
    // The tuning screens' mismatch prompt: closes the connection, asks
    // `prompt` ("WARNING", OK and Cancel); OK runs Read Radio to its end.
    // True when the radio was read again.
    bool askReadNewRadio(std::string_view prompt);

    // Places as the window was laid out, grown with the font.
    QRect scaled(int x, int y, int w, int h) const;
    void placeWindow(int width, int height);
    // The wait cursor while a longer exchange runs.
    class busyCursor {
    public:
        busyCursor();
        ~busyCursor();
        busyCursor(const busyCursor&) = delete;
        busyCursor& operator=(const busyCursor&) = delete;
    };

private:
    ScreenContext ctx;
    int number;
    double scale = 1.0;
    std::unique_ptr<radioConnection> connection;
};

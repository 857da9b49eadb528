// Program Serial No.: writes a 10-character serial number into a radio that
// came back from repair without one. The radio image keeps its blank serial
// number, so every later serial check reports a changed radio until the
// radio is read again.
#pragma once

#include "utilities/TUtilityWindow.h"

#include <QLineEdit>

#include <stdexcept>

class QPushButton;
struct commandRow;
struct screenRequest;

// The entry field: at most 10 characters of the set A-Z a-z 0-9 and
// * # _ ~ ! @ % & ( ) - + = | { } [ ] ; : ' ? / < > , ` . ; Enter sends the
// value-entered notification (valueEntered) after the usual key handling.
class TSerialNoEdit : public QLineEdit {
    Q_OBJECT
public:
    static constexpr int MAX_CHARACTERS = 10;
    static constexpr int VALUE_ENTERED = 300;

    explicit TSerialNoEdit(QWidget* parent);
    static bool accepts(QChar c);

signals:
    void valueEntered(int code);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// Thrown by the factory when the radio on the line is not the one read: the
// shell asks the text ("WARNING", OK and Cancel) and re-reads on OK.
class radioChangedError : public std::runtime_error {
public:
    radioChangedError();
};

class TSerialProgramWindow : public TUtilityWindow {
    Q_OBJECT
public:
    static constexpr int SCREEN_NUMBER = 30;
    static constexpr int ENTRY_ID = 4000;
    static constexpr int UPDATE_COMMAND = 7001;
    static constexpr std::size_t SERIAL_LENGTH = 10;

    TSerialProgramWindow(QWidget* parent, const ScreenContext& context, const QString& title);

    // The opening check on its own connection. Mismatch: radioChangedError
    // (the window then holds no screen number). A communication failure or
    // a port that cannot be opened: the message is shown and false returned.
    bool open();

    // "Update" and Enter in the entry field.
    void program();

    TSerialNoEdit* entryField() const { return entry; }
    QPushButton* updateButton() const { return update; }

private:
    TSerialNoEdit* entry = nullptr;
    QPushButton* update = nullptr;
};

// The registry's factory: the window, opened; nullptr when it cannot open.
QWidget* makeSerialProgramWindow(const screenRequest& request);

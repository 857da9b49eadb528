// Temp Comp Data Read / Write: the radio's four temperature-compensation
// bytes as eight hexadecimal digits. Read mode reads them from the radio when
// the window is created (into ROW_RADIO_INFO columns 9..12) and shows them;
// write mode sends four new bytes and leaves the image as it is. Neither
// checks the radio's serial number.
#pragma once

#include "utilities/TUtilityWindow.h"

#include <array>
#include <cstdint>

class QLineEdit;
class QPushButton;
struct screenRequest;

class TTempCompWindow : public TUtilityWindow {
    Q_OBJECT
public:
    enum class mode { READ, WRITE };

    static constexpr int READ_SCREEN = 39;
    static constexpr int WRITE_SCREEN = 40;
    static constexpr int ENTRY_ID = 4000;
    static constexpr int BUTTON_COMMAND = 7001;
    static constexpr int DIGITS = 8;
    static constexpr int TEMP_COMP_TYPE = 1;
    static constexpr int MODE_STORE = 1;

    TTempCompWindow(QWidget* parent, const ScreenContext& context, const QString& title, mode m);

    // Read mode: the read and the display; false (message shown,
    // openScreenId 0) when the bytes could not be read. Write mode: true.
    bool open();

    // "Close" in read mode, "Program" in write mode.
    void buttonPressed();
    void programBytes();

    mode windowMode() const { return m; }
    QLineEdit* entryField() const { return entry; }
    QPushButton* button() const { return action; }

    // "0aff007c" for the bytes 0x0A 0xFF 0x00 0x7C.
    static QString displayText(const std::array<int, 4>& bytes);

private:
    bool readBytes();

    mode m;
    QLineEdit* entry = nullptr;
    QPushButton* action = nullptr;
};

QWidget* makeTempCompReadWindow(const screenRequest& request);
QWidget* makeTempCompWriteWindow(const screenRequest& request);

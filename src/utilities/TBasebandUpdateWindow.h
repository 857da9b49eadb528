// Update Baseband Offset: every offset of the chosen channel spacing with the
// value it had when the window opened, a choice list for a new one, and
// "Update" to send the choices to the radio. Radios that answer the
// baseband-offset requests keep the offsets in ROW_BBO (nine fixed labels)
// and are written offset by offset; all others keep them in a codeplug block
// that bbo.cfg located (the labels and the block address are in the radio
// image), changed in a buffer as the choices are made and written whole on
// "Update" (radios of group O also keep the 2-byte sum up to date).
#pragma once

#include "model/codeplugAccess.h"
#include "model/radioStorage.h"
#include "utilities/TUtilityWindow.h"
#include "utilities/bboOffsetCodes.h"

#include <array>
#include <functional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class TBasebandUpdateWindow : public TUtilityWindow {
    Q_OBJECT
public:
    static constexpr int SCREEN_NUMBER = 31;
    static constexpr int SPACING_GROUP_ID = 3100;
    static constexpr int FIRST_SPACING_COMMAND = 3101;
    static constexpr int FIRST_CHOICE_ID = 4100;
    static constexpr int FIRST_DEFAULT_ID = 4200;
    static constexpr int UPDATE_COMMAND = 7116;

    // `prepareAgain` repeats the command's preparation for the radio in the
    // image; it runs after the mismatch prompt has read another radio.
    TBasebandUpdateWindow(QWidget* parent, const ScreenContext& context, const QString& title,
                          std::function<bool()> prepareAgain = {});

    // The controls for the image's labels and the window setup. False when
    // the window refused to open (message shown, openScreenId 0).
    bool open();

    // The radio button of spacing g (0 = 12.5 kHz, 1 = 20, 2 = 25 kHz).
    void showSpacing(int g);
    // The close-up of choice list i with `text` chosen.
    void chooseValue(int label, const QString& text);
    // "Update".
    void updateRadio();

    bool usesRequests() const { return requests; }
    int labelCount() const { return static_cast<int>(labels.size()); }
    int shownSpacing() const { return shown; }
    std::uint8_t openingCode(int g, int label) const { return opening[g][label]; }
    std::uint8_t currentCode(int g, int label) const { return current[g][label]; }
    bool entryErrorSeen() const { return entryError; }
    const codeplugAccess& codeplug() const { return block; }
    std::uint16_t sum16() const { return sum; }

    QRadioButton* spacingButton(int g) const { return spacingButtons[g]; }
    QComboBox* choiceList(int label) const { return rows[label].choice; }
    QLineEdit* defaultField(int label) const { return rows[label].defaultValue; }
    QLabel* labelText(int label) const { return rows[label].text; }
    QLabel* radioTypeLine() const { return radioType; }
    QLabel* primarySystemLine() const { return primarySystem; }
    QPushButton* updateButton() const { return update; }

private:
    struct labelRow {
        QLabel* text = nullptr;
        QComboBox* choice = nullptr;
        QLineEdit* defaultValue = nullptr;
    };

    void buildControls();
    bool setupFields();
    bool readFromRequests();
    bool readFromCodeplug();
    // After another radio was read: the preparation again; false (window
    // closing) when it fails or its labels no longer fit these controls.
    bool refreshAfterReadRadio();
    void display(int g);
    void refuse();

    std::function<bool()> prepareAgain;
    bool requests = false;
    bool groupO = false;
    std::vector<bboLabel> labels;
    int blockAddress = 0;
    bboCodes::allCodes opening{};
    bboCodes::allCodes current{};
    int shown = -1;
    bool entryError = false;
    codeplugAccess block;
    std::uint16_t sum = 0;

    std::array<QRadioButton*, bboCodes::SPACINGS> spacingButtons{};
    std::vector<labelRow> rows;
    QLabel* radioType = nullptr;
    QLabel* primarySystem = nullptr;
    QPushButton* update = nullptr;
};

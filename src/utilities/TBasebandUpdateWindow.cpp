#include "utilities/TBasebandUpdateWindow.h"

#include "link/EnhancedSBEP.h"
#include "link/LinkErrors.h"
#include "model/radioStorage.h"
#include "model/radiomodel.h"
#include "operations/bboConfigFileModule.h"
#include "utilities/utilityTexts.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

constexpr int WINDOW_WIDTH = 625;
constexpr int ROW_PITCH = 40;
constexpr int LOW_NIBBLE_MASK = 15;
constexpr std::size_t MODEL_LETTER_PLACE = 8;

QString fromText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

int choiceIndex(std::uint8_t code) {
    const auto text = bboCodes::codeText(code);
    const auto& order = bboCodes::choiceOrder();
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (!text.empty() && order[i] == text)
            return static_cast<int>(i);
    }
    return -1;
}

void clearCodes(bboCodes::allCodes& codes) {
    for (auto& spacing : codes)
        spacing.fill(bboCodes::NO_VALUE);
}

} // namespace

TBasebandUpdateWindow::TBasebandUpdateWindow(QWidget* parent, const ScreenContext& context,
                                             const QString& title, std::function<bool()> again)
    : TUtilityWindow(parent, context, SCREEN_NUMBER, title), prepareAgain(std::move(again)) {
    clearCodes(opening);
    clearCodes(current);
}

bool TBasebandUpdateWindow::open() {
    requests = image().isBBOSupported();
    groupO = radiomodel().isModelGroupO(image());
    const auto stored = image().getBBOLabels();
    labels.assign(stored.begin(),
                  stored.begin() + std::min<std::size_t>(stored.size(), bboCodes::MAX_LABELS));
    blockAddress = image().getBBOEntryWord();
    buildControls();
    return setupFields();
}

void TBasebandUpdateWindow::buildControls() {
    const int count = labelCount();
    placeWindow(WINDOW_WIDTH, ROW_PITCH * count + 150);

    auto* group = new QGroupBox(fromText(utilityTexts::SPACING_GROUP), this);
    group->setObjectName(QStringLiteral("group%1").arg(SPACING_GROUP_ID));
    group->setGeometry(scaled(20, 20, 200, 100));
    auto* buttons = new QButtonGroup(this);
    for (int g = 0; g < bboCodes::SPACINGS; ++g) {
        auto* b =
            new QRadioButton(fromText(utilityTexts::SPACING_BUTTONS[static_cast<std::size_t>(g)]), this);
        b->setObjectName(QStringLiteral("command%1").arg(FIRST_SPACING_COMMAND + g));
        b->setGeometry(scaled(30, 40 + 25 * g, 170, 20));
        buttons->addButton(b, g);
        spacingButtons[static_cast<std::size_t>(g)] = b;
        connect(b, &QRadioButton::clicked, this, [this, g] { showSpacing(g); });
    }

    const std::string_view code = bboConfigFileModule::radioModelCode(image().getModelNumber());
    radioType = new QLabel(
        fromText(radiomodel().isPortableModelCode(code) ? utilityTexts::PORTABLE : utilityTexts::MOBILE),
        this);
    radioType->move(scaled(20, 135, 0, 0).topLeft());
    radioType->adjustSize();
    const int system =
        code.size() > MODEL_LETTER_PLACE ? radiomodel().primarySystemIndex(code[MODEL_LETTER_PLACE]) : -1;
    primarySystem =
        new QLabel(fromText(system >= 0 ? utilityTexts::PRIMARY_SYSTEMS[static_cast<std::size_t>(system)]
                                        : utilityTexts::PRIMARY_SYSTEM_OTHERS),
                   this);
    primarySystem->move(scaled(20, 155, 0, 0).topLeft());
    primarySystem->adjustSize();

    auto* newValue = new QLabel(fromText(utilityTexts::NEW_VALUE_CAPTION), this);
    newValue->move(scaled(410, 25, 0, 0).topLeft());
    auto* defaultValue = new QLabel(fromText(utilityTexts::DEFAULT_VALUE_CAPTION), this);
    defaultValue->move(scaled(520, 25, 0, 0).topLeft());

    rows.resize(labels.size());
    for (int i = 0; i < count; ++i) {
        labelRow& r = rows[static_cast<std::size_t>(i)];
        const int y = ROW_PITCH * i;
        r.text = new QLabel(QString::fromLatin1(labels[static_cast<std::size_t>(i)].label()), this);
        r.text->setGeometry(scaled(240, y + 42, 165, 20));
        r.choice = new QComboBox(this);
        r.choice->setObjectName(QStringLiteral("choice%1").arg(FIRST_CHOICE_ID + i));
        for (const auto text : bboCodes::choiceOrder())
            r.choice->addItem(fromText(text));
        r.choice->setCurrentIndex(-1);
        r.choice->setGeometry(scaled(410, y + 40, 80, 23));
        connect(r.choice, &QComboBox::activated, this, [this, i](int index) {
            chooseValue(i, rows[static_cast<std::size_t>(i)].choice->itemText(index));
        });
        r.defaultValue = new QLineEdit(this);
        r.defaultValue->setObjectName(QStringLiteral("default%1").arg(FIRST_DEFAULT_ID + i));
        r.defaultValue->setReadOnly(true);
        r.defaultValue->setGeometry(scaled(520, y + 40, 70, 23));
    }

    update = new QPushButton(fromText(utilityTexts::UPDATE_BUTTON), this);
    update->setObjectName(QStringLiteral("command%1").arg(UPDATE_COMMAND));
    update->setGeometry(scaled(400, ROW_PITCH * count + 70, 100, 30));
    connect(update, &QPushButton::clicked, this, &TBasebandUpdateWindow::updateRadio);
}

void TBasebandUpdateWindow::refuse() {
    closeConnection();
    giveUp();
}

bool TBasebandUpdateWindow::setupFields() {
    clearCodes(opening);
    clearCodes(current);
    entryError = false;
    if (!(requests ? readFromRequests() : readFromCodeplug()))
        return false;
    shown = -1;
    spacingButtons[0]->setChecked(true);
    showSpacing(0);
    return true;
}

bool TBasebandUpdateWindow::readFromRequests() {
    if (!openConnection()) {
        giveUp();
        return false;
    }
    try {
        if (!serialMatches() && askReadNewRadio(utilityTexts::BBO_MISMATCH_PROMPT) &&
            !refreshAfterReadRadio())
            return false;
    } catch (const Exception&) {
        refuse();
        reportCommunicationError();
        return false;
    }
    closeConnection();
    opening = bboCodes::fromBBORow(image());
    current = opening;
    return true;
}

bool TBasebandUpdateWindow::readFromCodeplug() {
    if (!openConnection()) {
        giveUp();
        return false;
    }
    bool ok = block.load(radio(), blockAddress);
    for (int g = 0; ok && g < bboCodes::SPACINGS; ++g) {
        for (std::size_t i = 0; ok && i < labels.size(); ++i) {
            std::uint8_t byte = 0;
            ok = block.readByte(byte, 0, g, labels[i].byteOffset);
            opening[static_cast<std::size_t>(g)][i] = bboCodes::codeIn(byte, labels[i].mask);
        }
    }
    if (!ok) {
        refuse();
        report(utilityTexts::BBO_INIT_FAILED);
        return false;
    }
    // Without the radio's sum every change would write a wrong one back.
    if (groupO && !codeplugAccess::readSum16(radio(), sum)) {
        refuse();
        reportCommunicationError();
        return false;
    }
    closeConnection();
    current = opening;
    return true;
}

bool TBasebandUpdateWindow::refreshAfterReadRadio() {
    const bool fits = prepareAgain && prepareAgain() && image().isBBOSupported() == requests &&
                      static_cast<int>(image().getBBOLabels().size()) == labelCount();
    if (!fits) {
        refuse();
        closeWindow();
        return false;
    }
    groupO = radiomodel().isModelGroupO(image());
    const auto stored = image().getBBOLabels();
    labels.assign(stored.begin(), stored.end());
    for (std::size_t i = 0; i < labels.size(); ++i)
        rows[i].text->setText(QString::fromLatin1(labels[i].label()));
    blockAddress = image().getBBOEntryWord();
    return true;
}

void TBasebandUpdateWindow::showSpacing(int g) {
    if (g < 0 || g >= bboCodes::SPACINGS || g == shown)
        return;
    shown = g;
    spacingButtons[static_cast<std::size_t>(g)]->setChecked(true);
    display(g);
}

void TBasebandUpdateWindow::display(int g) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        rows[i].defaultValue->setText(fromText(bboCodes::codeText(opening[static_cast<std::size_t>(g)][i])));
        rows[i].choice->setCurrentIndex(choiceIndex(current[static_cast<std::size_t>(g)][i]));
    }
}

void TBasebandUpdateWindow::chooseValue(int label, const QString& text) {
    if (shown < 0 || label < 0 || label >= labelCount())
        return;
    const auto i = static_cast<std::size_t>(label);
    const std::uint8_t code = bboCodes::codeOfText(text.toStdString());
    current[static_cast<std::size_t>(shown)][i] = code;
    if (code == bboCodes::NO_VALUE) {
        rows[i].choice->setCurrentIndex(-1);
        return; // nothing to put into the block
    }
    if (requests)
        return;
    const bboLabel& l = labels[i];
    std::uint8_t old = 0;
    bool ok = block.readByte(old, 0, shown, l.byteOffset);
    if (ok) {
        const std::uint8_t changed = bboCodes::withCode(old, code, l.mask);
        ok = groupO ? block.writeByteSum16(changed, 0, shown, l.byteOffset, sum)
                    : block.writeByte(changed, 0, shown, l.byteOffset);
    }
    if (!ok) {
        entryError = true;
        report(utilityTexts::BBO_ENTRY_ERROR);
    }
}

void TBasebandUpdateWindow::updateRadio() {
    if (!requests && entryError &&
        ask(utilityTexts::BBO_UPDATE_ANYWAY, MessageButtons::OkCancel) != MessageAnswer::Ok)
        return;
    if (!openConnection())
        return;
    bool done = false;
    try {
        if (!serialMatches()) {
            // A window that cannot show the radio read now goes.
            if (askReadNewRadio(utilityTexts::BBO_MISMATCH_PROMPT) && refreshAfterReadRadio() &&
                !setupFields())
                closeWindow();
            return;
        }
        busyCursor wait;
        if (requests) {
            std::array<int, bboCodes::ROW_VALUES> values{};
            for (int i = 0; i < bboCodes::ROW_VALUES; ++i)
                values[static_cast<std::size_t>(i)] =
                    bboCodes::bboRowValue(current, i, image().getSoftpot(ROW_BBO, i));
            for (int i = 0; i < bboCodes::ROW_VALUES; ++i) {
                const int k = i % bboCodes::VALUES_PER_SPACING;
                radio().writeBBO(values[static_cast<std::size_t>(i)],
                                 bboCodes::ITEMS[static_cast<std::size_t>(k)],
                                 bboCodes::WRITE_GROUP_BASE + i / bboCodes::VALUES_PER_SPACING);
            }
            // The image follows only what the radio took.
            for (int i = 0; i < bboCodes::ROW_VALUES; ++i)
                image().setSoftpot(ROW_BBO, values[static_cast<std::size_t>(i)], i);
            done = true;
        } else {
            done = block.store(radio(), blockAddress);
            if (done && groupO)
                done = codeplugAccess::writeSum16(radio(), sum);
            radio().resetRadio();
        }
    } catch (const Exception&) {
        done = false;
    }
    closeConnection();
    if (!done) {
        reportCommunicationError();
        return;
    }
    opening = current;
    if (shown >= 0)
        display(shown);
    report(requests ? utilityTexts::BBO_UPDATED_REQUESTS : utilityTexts::BBO_UPDATED_CODEPLUG);
}

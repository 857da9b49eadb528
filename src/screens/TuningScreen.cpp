// Construction, layout and the Qt side of the tuning pattern: how slider,
// spinner, field and button events reach the pattern's operations.
#include "screens/TuningScreen.h"

#include "model/RF_Frequency.h"
#include "model/radioStorage.h"
#include "operations/ApplicationState.h"
#include "screens/ScreenTexts.h"
#include "screens/TTuningSlider.h"
#include "screens/TVeltraEditBox.h"
#include "screens/TVeltraSpinner.h"
#include "screens/screenPictures.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace {

constexpr int FONT_PIXELS = 12;
constexpr int FIELD_HEIGHT = 20;
constexpr int WINDOW_X = 50;
constexpr int WINDOW_Y = 50;
constexpr int WINDOW_WIDTH = 700;
constexpr int ROW_PITCH = 30;

QFont makeScreenFont() {
    // The screens were laid out for Times New Roman; Liberation Serif has the
    // same metrics and is what a Linux desktop usually has instead.
    QFont font;
    const QStringList families = QFontDatabase::families();
    for (const char* family : {"Times New Roman", "Liberation Serif"}) {
        if (families.contains(QString::fromLatin1(family))) {
            font.setFamily(QString::fromLatin1(family));
            break;
        }
    }
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(FONT_PIXELS);
    return font;
}

QString fromText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

TuningScreen::TuningScreen(const ScreenContext& context, const screenDescription& description,
                           QWidget* parent)
    : TRadioScreen(context,
                   {description.number, description.title, description.caption, description.mismatchPrompt,
                    description.restore},
                   parent),
      description_(description), minimum_(description.minimum), maximum_(description.maximum),
      font_(makeScreenFont()) {
    // A font larger than the one the places were made for would not fit the
    // 20-pixel fields; everything grows by the same factor then.
    const QFontMetrics metrics(font_);
    scale_ = std::max(1.0, (metrics.height() + 6) / static_cast<double>(FIELD_HEIGHT));
    thumbTimer_.setSingleShot(true);
    thumbTimer_.setInterval(0);
    connect(&thumbTimer_, &QTimer::timeout, this, &TuningScreen::runQueuedThumbTrack);
}

TuningScreen::~TuningScreen() {
    thumbTimer_.stop();
    queuedThumbRow_.reset();
}

QRect TuningScreen::windowRect() const {
    return scaled(WINDOW_X, WINDOW_Y, WINDOW_WIDTH, description_.layout.windowHeight);
}

QRect TuningScreen::scaled(int x, int y, int w, int h) const {
    const auto s = [this](int v) { return static_cast<int>(std::lround(v * scale_)); };
    return {s(x), s(y), s(w), s(h)};
}

bool TuningScreen::open() {
    buildControls();
    move(windowRect().topLeft());
    claimScreenNumber();
    prepareRadio();
    setupFields();
    return state().openScreenId != 0;
}

std::string TuningScreen::formatText(const char* format) const {
    char buffer[160];
    std::snprintf(buffer, sizeof buffer, format, maximum_);
    return buffer;
}

void TuningScreen::buildControls() {
    setFont(font_);
    const QRect window = windowRect();
    resize(window.size());
    setMinimumSize(window.size());

    const screenLayout& layout = description_.layout;
    const auto caption = [this](std::string_view text, int x) {
        auto* label = new QLabel(fromText(text), this);
        label->move(scaled(x, 10, 0, 0).topLeft());
        label->adjustSize();
    };
    caption(screenTexts::FREQUENCY_CAPTION, 20);
    caption(screenTexts::DEFAULT_CAPTION, 190);
    caption(screenTexts::WORKING_CAPTION, layout.workingCaptionX);

    for (int row = 0; row < rowCount(); ++row)
        buildRow(row);

    const bool sevenPoint = description_.kind == screenKind::SEVEN_POINT;
    if (description_.transmit()) {
        pttButton_ = new QPushButton(fromText(screenTexts::PTT_BUTTON), this);
        pttButton_->setGeometry(scaled(20, layout.buttonY, 100, 30));
        pttButton_->setIcon(pttPicture());
        connect(pttButton_, &QPushButton::clicked, this, [this] { runAction([&] { togglePTT(); }); });
    }
    programButton_ = new QPushButton(fromText(screenTexts::PROGRAM_BUTTON), this);
    const int programX = description_.transmit() ? 130 : 20;
    programButton_->setGeometry(scaled(programX, layout.buttonY, 100, 30));
    programButton_->setIcon(programPicture());
    for (QPushButton* button : {pttButton_, programButton_}) {
        if (button)
            button->setIconSize(scaled(0, 0, 25, 25).size());
    }
    connect(programButton_, &QPushButton::clicked, this, [this] { runAction([&] { program(); }); });

    statusLine_ = new QLineEdit(this);
    statusLine_->setReadOnly(true);
    statusLine_->setFocusPolicy(Qt::NoFocus);
    statusLine_->setGeometry(
        scaled(layout.statusX, sevenPoint ? 280 : layout.statusY, 600, layout.statusHeight));

    if (noteText_.isEmpty())
        noteText_ = QString::fromStdString(formatText(description_.noteLine));
    noteLine_ = new QLabel(noteText_, this);
    noteLine_->setGeometry(scaled(10, layout.noteY, layout.noteWidth, 20));

    buildExtras();
}

void TuningScreen::buildRow(int row) {
    const int y = 30 + ROW_PITCH * row;
    rowControls& c = rows_[row];

    c.frequency = new QLineEdit(this);
    c.frequency->setGeometry(scaled(10, y, 150, FIELD_HEIGHT));
    c.frequency->setEnabled(false);

    c.defaultValue = new QLineEdit(this);
    c.defaultValue->setGeometry(scaled(200, y, 40, FIELD_HEIGHT));
    c.defaultValue->setReadOnly(true);
    c.defaultValue->setEnabled(false);

    c.slider = new TTuningSlider(this);
    c.slider->setGeometry(scaled(250, y, 300, FIELD_HEIGHT));
    c.slider->setRange(minimum_, maximum_);
    c.slider->setSingleStep(1);
    c.slider->setPageStep(10);
    c.slider->setEnabled(false);

    c.working = new TVeltraEditBox(presenter(), *c.slider, minimum_, maximum_, this);
    // (560, y, 60, 20) less the part the spinner takes at its right edge, as an
    // up-down control narrows the field it is attached to.
    c.working->setGeometry(scaled(560, y, 49, FIELD_HEIGHT));
    c.working->setEnabled(false);

    c.spinner = new TVeltraSpinner(*c.working, this);
    c.spinner->setGeometry(scaled(609, y, 20, FIELD_HEIGHT));
    c.spinner->setRange(minimum_, maximum_);
    c.spinner->setEnabled(false);
    c.spinner->raise();

    connect(c.slider, &QScrollBar::actionTriggered, this,
            [this, row](int action) { sliderAction(row, action); });
    connect(c.slider, &TTuningSlider::thumbRepeated, this, [this, row] { queueThumbTrack(row); });
    connect(c.slider, &QScrollBar::sliderReleased, this, [this, row] {
        flushThumbTrack();
        runAction([&] { onEndScroll(row); });
    });
    connect(c.spinner, &TVeltraSpinner::endScroll, this, [this, row] {
        flushThumbTrack();
        runAction([&] { onSpinnerEnd(row); });
    });
    connect(c.working, &TVeltraEditBox::valueEntered, this, [this, row] {
        flushThumbTrack();
        runAction([&] { onValueEntered(row); });
    });
}

// ---- Events to operations ---------------------------------------------------

void TuningScreen::aboutToClose() {
    flushThumbTrack();
    thumbTimer_.stop();
}

void TuningScreen::sliderAction(int row, int action) {
    sliderCode code = sliderCode::OTHER;
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
        code = sliderCode::LINE_UP;
        break;
    case QAbstractSlider::SliderSingleStepAdd:
        code = sliderCode::LINE_DOWN;
        break;
    case QAbstractSlider::SliderPageStepSub:
        code = sliderCode::PAGE_UP;
        break;
    case QAbstractSlider::SliderPageStepAdd:
        code = sliderCode::PAGE_DOWN;
        break;
    case QAbstractSlider::SliderMove:
        if (rows_[row].slider->isSliderDown()) {
            queueThumbTrack(row);
            return;
        }
        // The mouse wheel moves without a drag: one step at a time.
        code = sliderCode::LINE_DOWN;
        break;
    default:
        return;
    }
    flushThumbTrack();
    runAction([&] { onSlider(row, code); });
}

void TuningScreen::queueThumbTrack(int row) {
    if (queuedThumbRow_ && *queuedThumbRow_ != row)
        flushThumbTrack();
    queuedThumbRow_ = row;
    if (!thumbTimer_.isActive())
        thumbTimer_.start();
}

void TuningScreen::runQueuedThumbTrack() {
    if (!queuedThumbRow_)
        return;
    if (actionRunning())
        return; // picked up again when the running action ends
    const int row = *queuedThumbRow_;
    queuedThumbRow_.reset();
    runAction([&] { onSlider(row, sliderCode::THUMB_TRACK); });
}

void TuningScreen::flushThumbTrack() {
    thumbTimer_.stop();
    runQueuedThumbTrack();
}

void TuningScreen::actionEnded() {
    // Only the drag timer can arrive while an action runs (message boxes and
    // the read's progress window run events); it is picked up here.
    if (queuedThumbRow_ && !thumbTimer_.isActive())
        thumbTimer_.start();
}

// ---- Small helpers ------------------------------------------------------------

int TuningScreen::storedValue(int row) const {
    return image().getSoftpot(description_.softpotRow, cellColumn(row));
}

void TuningScreen::storeValue(int row, int value) {
    image().setSoftpot(description_.softpotRow, value, cellColumn(row));
}

void TuningScreen::showDefault(int row, int value) {
    rows_[row].defaultValue->setText(QString::number(value));
}

double TuningScreen::frequencyMHz(int code) const {
    RF_Frequency frequency;
    const int base = image().getSoftpot(ROW_RADIO_INFO, COL_FREQUENCY_BASE);
    return frequency.toMHz(static_cast<std::uint16_t>(base), static_cast<std::uint16_t>(code));
}

void TuningScreen::setStatus(const QString& text) {
    statusLine_->setText(text);
}

QString TuningScreen::keyedText(int row) const {
    return QString::asprintf(screenTexts::KEYED_AT, frequencyMHz(points_[row].txCode));
}

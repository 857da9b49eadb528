// The tuning pattern every alignment screen follows, run from the screen's
// row of data (screenDescription): the rows of controls, the working field
// and its slider and spinner, "PTT Toggle" and "Program", keying, live and
// program writes. The connection handling, the serial check with its
// mismatch prompt, the opening sequence and the restore on close come from
// TRadioScreen. A screen class overrides the hooks below only where its
// procedure departs from the pattern.
#pragma once

#include "screens/TRadioScreen.h"
#include "screens/screenDescription.h"

#include <QRect>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <array>
#include <memory>
#include <optional>
#include <string>

class EnhancedSBEP;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class TTuningSlider;
class TVeltraEditBox;
class TVeltraSpinner;
struct UserMessage;

// The frequency point a row tunes at, as the radio image holds it.
struct tuningPoint {
    int index = 0;  // 1..7, 0 when the radio has no such point
    int txCode = 0; // codes sent with the channel requests
    int rxCode = 0;
    bool present = false;
};

class TuningScreen : public TRadioScreen {
    Q_OBJECT
public:
    enum class sliderCode { LINE_UP, LINE_DOWN, PAGE_UP, PAGE_DOWN, THUMB_TRACK, OTHER };

    static constexpr int MAX_ROWS = 7;

    TuningScreen(const ScreenContext& context, const screenDescription& description,
                 QWidget* parent = nullptr);
    ~TuningScreen() override;

    // Builds the controls, stores the screen number in openScreenId, runs the
    // opening sequence and the window setup. False when the screen refused to
    // open (openScreenId is then 0).
    bool open();

    const screenDescription& description() const { return description_; }
    // Place and size of the screen inside the main window's work area.
    QRect windowRect() const;

    // The operations of the pattern. The controls call them; so can tests.
    void setupFields();
    void onSlider(int row, sliderCode code);
    void onEndScroll(int row);
    void onSpinnerEnd(int row);
    void onValueEntered(int row);
    void togglePTT();
    void program();

    int rowCount() const { return description_.rows(); }
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    bool isKeyed() const { return keyed_; }
    int selectedPoint() const { return point(selectedRow_).index; }
    int currentValue() const { return currentValue_; }
    const tuningPoint& point(int row) const { return points_[row]; }

    TTuningSlider* slider(int row) const { return rows_[row].slider; }
    TVeltraEditBox* workingField(int row) const { return rows_[row].working; }
    TVeltraSpinner* spinner(int row) const { return rows_[row].spinner; }
    QLineEdit* defaultField(int row) const { return rows_[row].defaultValue; }
    QLineEdit* frequencyField(int row) const { return rows_[row].frequency; }
    QLineEdit* statusLine() const { return statusLine_; }
    QLabel* noteLabel() const { return noteLine_; }
    QPushButton* pttButton() const { return pttButton_; }
    QPushButton* programButton() const { return programButton_; }

protected:
    // ---- Hooks -----------------------------------------------------------
    // The screen's test mode, through its softpot data object.
    virtual void enterTestMode(EnhancedSBEP& radio) = 0;
    // Live write of a tuning value; default (type, 2, value, size).
    virtual void liveWrite(EnhancedSBEP& radio, int value);
    // Program write of one point after its channel was set; default
    // (type, 1, value, size). False when the radio refused the value: it is
    // then neither stored nor shown, and Program goes on.
    virtual bool programPoint(EnhancedSBEP& radio, int row, int value);
    // Right after the serial check of Program, before the commit question.
    virtual void beforeCommitQuestion(EnhancedSBEP&) {}
    // After the last point is written, before values are stored after all points.
    virtual void afterProgramPoints(EnhancedSBEP&) {}
    // The point of a row; default by the description's point and receive rules.
    virtual tuningPoint choosePoint(int row) const;
    // More controls, built after the rows; and their part of the setup.
    virtual void buildExtras() {}
    virtual void setupExtras() {}

    // ---- Helpers for screen classes ---------------------------------------
    // Only before open(): a range or note line decided from the radio.
    void setMaximum(int maximum) { maximum_ = maximum; }
    void setNoteText(const QString& text) { noteText_ = text; }
    QRect scaled(int x, int y, int w, int h) const;
    QFont screenFont() const { return font_; }

    void prepareRadio();
    void preparePoint(EnhancedSBEP& radio, int row);
    void setChannel(EnhancedSBEP& radio, int row, channelCall call);
    bool validateValue(int value, bool fieldEmpty);

    int cellColumn(int row) const { return description_.firstColumn + row; }
    int storedValue(int row) const;
    void storeValue(int row, int value);
    void showDefault(int row, int value);
    double frequencyMHz(int code) const;
    void setStatus(const QString& text);
    QString keyedText(int row) const;
    int selectedRow() const { return selectedRow_; }

private:
    struct rowControls {
        QLineEdit* frequency = nullptr;
        QLineEdit* defaultValue = nullptr;
        TTuningSlider* slider = nullptr;
        TVeltraEditBox* working = nullptr;
        TVeltraSpinner* spinner = nullptr;
    };

    void buildControls();
    void buildRow(int row);
    void refreshPoints();
    void setInitialChannel(EnhancedSBEP& radio);
    std::string formatText(const char* format) const;
    bool programRows(EnhancedSBEP& radio);
    void onValueChosen(int row, bool fromSpinner);

    // Qt side: slider actions become pattern operations; thumb-track
    // positions are coalesced so that a fast drag sends only the newest one.
    void sliderAction(int row, int action);
    void queueThumbTrack(int row);
    void runQueuedThumbTrack();
    void flushThumbTrack();

    void connectionClosed() override;
    void refreshAfterRead() override;
    void actionEnded() override;
    void aboutToClose() override;

    const screenDescription& description_;
    int minimum_;
    int maximum_;
    QString noteText_;
    QFont font_;
    double scale_ = 1.0;

    std::array<rowControls, MAX_ROWS> rows_{};
    std::array<tuningPoint, MAX_ROWS> points_{};
    QLineEdit* statusLine_ = nullptr;
    QLabel* noteLine_ = nullptr;
    QPushButton* pttButton_ = nullptr;
    QPushButton* programButton_ = nullptr;

    bool keyed_ = false;
    int selectedRow_ = 0;
    int keyedRow_ = 0;
    int currentValue_ = 0;
    std::array<int, MAX_ROWS> lastValue_{};
    std::array<bool, MAX_ROWS> pointPrepared_{};
    QString keyedStatusText_;
    bool setupDone_ = false;

    QTimer thumbTimer_;
    std::optional<int> queuedThumbRow_;
};

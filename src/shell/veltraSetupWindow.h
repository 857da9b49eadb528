// A radio setup picture: how a portable or a mobile radio and the test set
// are connected. Counts as the open screen (41 portable, 42 mobile) while it
// is shown, so that no tuning screen opens beside it.
#pragma once

#include <QWidget>

struct ApplicationState;

class veltraSetupWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int PORTABLE_SCREEN = 41;
    static constexpr int MOBILE_SCREEN = 42;
    static constexpr int WIDTH = 600;
    static constexpr int HEIGHT = 500;

    // A missing picture leaves the window empty.
    veltraSetupWindow(QWidget* parent, ApplicationState& state, bool portable, const QString& picturePath);
    ~veltraSetupWindow() override;

    bool isPortable() const { return portable; }
    bool hasPicture() const { return !picture.isNull(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ApplicationState& state;
    bool portable;
    QPixmap picture;
};

// Pictures of a seven-point and a one-point screen after a read of the
// simulated radio, for a reviewer to look at (build/screenshots/).
#include "screenHarness.h"

#include "screens/tuningScreens.h"

#include <QDir>
#include <QPixmap>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace screentest;

namespace {

void save(QWidget& screen, const char* name) {
    const QString directory = QStringLiteral(VELTRA_BINARY_DIR "/screenshots");
    QDir().mkpath(directory);
    screen.show();
    QApplication::processEvents();
    const QPixmap picture = screen.grab();
    ASSERT_FALSE(picture.isNull());
    EXPECT_TRUE(picture.save(directory + "/" + name));
}

} // namespace

TEST(screenshots, SevenPointAndOnePointScreens) {
    {
        harness h(sim::radioProfile::builtIn("portable"));
        auto screen = h.open<TTransmitLowPowerWindow>();
        save(*screen, "transmit-low-power.png");
    }
    {
        harness h(withTxPoints(sim::radioProfile::builtIn("portable"), {5, 1200, 0, 3800, 5000, 0, 7595}));
        auto screen = h.open<TTransmitHighPowerWindow>();
        screen->pttButton()->click();
        save(*screen, "transmit-high-power-keyed-absent-points.png");
    }
    {
        harness h(sim::radioProfile::builtIn("portable"));
        auto screen = h.open<TRefOscWarpWindow>();
        screen->pttButton()->click();
        save(*screen, "reference-oscillator-warp.png");
    }
    {
        harness h(withModel(sim::radioProfile::builtIn("portable"), "V42R5DKDC1"));
        auto screen = h.open<TFrontEndFilterWindow>();
        save(*screen, "front-end-filter-rssi-dac.png");
    }
}

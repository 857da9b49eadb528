// Pictures of the serial number and temp comp windows for a reviewer
// (build/screenshots/); the baseband offset pictures come from its tests.
#include "utilityHarness.h"

#include "shell/commandTable.h"
#include "shell/screenRegistry.h"
#include "utilities/TSerialProgramWindow.h"
#include "utilities/TTempCompWindow.h"

#include <QDir>
#include <QPixmap>

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace utilitytest;

void save(QWidget& w, const char* name) {
    const QString directory = QStringLiteral(VELTRA_BINARY_DIR "/screenshots");
    QDir().mkpath(directory);
    w.show();
    QApplication::processEvents();
    EXPECT_TRUE(w.grab().save(directory + "/" + name));
}

TEST(utilityScreenshots, SerialNumberAndTempCompWindows) {
    auto p = sim::radioProfile::builtIn("portable");
    p.serial = std::string(10, ' ');
    harness h(p);
    {
        std::unique_ptr<QWidget> w(
            makeSerialProgramWindow(screenRequest{nullptr, h.context(), *findCommand(CM_PROGRAM_SERIAL)}));
        ASSERT_TRUE(w);
        typeText(static_cast<TSerialProgramWindow*>(w.get())->entryField(), "752TKL0413");
        save(*w, "program-serial-number.png");
    }
    {
        std::unique_ptr<QWidget> w(
            makeTempCompReadWindow(screenRequest{nullptr, h.context(), *findCommand(CM_TEMP_COMP_READ)}));
        ASSERT_TRUE(w);
        save(*w, "temp-comp-read.png");
    }
    {
        std::unique_ptr<QWidget> w(
            makeTempCompWriteWindow(screenRequest{nullptr, h.context(), *findCommand(CM_TEMP_COMP_WRITE)}));
        ASSERT_TRUE(w);
        typeText(static_cast<TTempCompWindow*>(w.get())->entryField(), "0aff007c");
        save(*w, "temp-comp-write.png");
    }
}

} // namespace

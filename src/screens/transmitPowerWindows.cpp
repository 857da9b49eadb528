#include "screens/transmitPowerWindows.h"

#include "model/radiomodel.h"
#include "operations/UserMessage.h"
#include "screens/screenTable.h"

#include <cstdio>

namespace {

constexpr int HIGH_POWER_MAX_WIDE = 255;
constexpr int LOW_POWER_COLUMN_OF_F1 = 7;

// The refusal texts, one per point; the digit is the point number. The
// high-power texts of the maximum-power case lose their trailing blank from
// point 2 on, as the technician has always seen them.
constexpr const char* LOW_REFUSED =
    "Program softpot %d aborted for Transmit Low Power!! softpot value above max value allowed";
constexpr const char* HIGH_REFUSED =
    "Program softpot %d aborted for Transmit High Power!! softpot value above max value allowed ";
constexpr const char* HIGH_REFUSED_NO_BLANK =
    "Program softpot %d aborted for Transmit High Power!! softpot value above max value allowed";

} // namespace

TTransmitPowerWindow::TTransmitPowerWindow(const ScreenContext& context, const screenDescription& description,
                                           QWidget* parent, int level)
    : TuningScreen(context, description, parent), level_(level) {}

void TTransmitPowerWindow::enterTestMode(EnhancedSBEP& radio) {
    data.bandwidthCode(image());
    data.enterTestMode(level_, radio, true, false);
}

void TTransmitPowerWindow::liveWrite(EnhancedSBEP& radio, int value) {
    data.liveWrite(static_cast<std::uint32_t>(value), radio);
}

void TTransmitPowerWindow::writeChecked(EnhancedSBEP& radio, int value) {
    radio.writeSoftpotChecked(image(), TX_POWER_TYPE, WRITE_STORE, static_cast<std::uint32_t>(value), 1);
}

bool TTransmitPowerWindow::lastWriteAccepted() const {
    return image().isSupported(FLAG_LAST_WRITE_ACCEPTED);
}

bool TTransmitPowerWindow::radioReportsMaximum() const {
    return image().isSupported(FLAG_TX_POWER_MAX);
}

void TTransmitPowerWindow::showRefusal(const char* format, int point) {
    char text[128];
    std::snprintf(text, sizeof text, format, point);
    report({text, "ERROR", MessageIcon::Exclamation});
}

TTransmitHighPowerWindow::TTransmitHighPowerWindow(const ScreenContext& context, QWidget* parent)
    : TTransmitPowerWindow(context, TX_HIGH_POWER_SCREEN, parent, POWER_HIGH) {
    const radiomodel model;
    groupG_ = model.isModelGroupG(image());
    // Fixed for the life of the screen, also when the mismatch prompt reads
    // another radio.
    if (model.isModelGroupE(image()) || model.isModelGroupF(image()) || model.isModelGroupJ(image()))
        setMaximum(HIGH_POWER_MAX_WIDE);
}

bool TTransmitHighPowerWindow::programPoint(EnhancedSBEP& radio, int row, int value) {
    const int point = row + 1;
    if (radioReportsMaximum()) {
        // The radio checks its own limits, so a group G radio writes first as
        // well: the accepted flag then speaks of this value.
        writeChecked(radio, value);
        if (lastWriteAccepted())
            return true;
        showRefusal(point == 1 ? HIGH_REFUSED : HIGH_REFUSED_NO_BLANK, point);
        return false;
    }
    if (groupG_) {
        const int lowPower = image().getSoftpot(ROW_TX_POWER, LOW_POWER_COLUMN_OF_F1 + row);
        if (value > lowPower) {
            showRefusal(HIGH_REFUSED, point);
            return false;
        }
    }
    writeChecked(radio, value);
    return true;
}

TTransmitLowPowerWindow::TTransmitLowPowerWindow(const ScreenContext& context, QWidget* parent)
    : TTransmitPowerWindow(context, TX_LOW_POWER_SCREEN, parent, POWER_LOW) {}

bool TTransmitLowPowerWindow::programPoint(EnhancedSBEP& radio, int row, int value) {
    writeChecked(radio, value);
    if (!radioReportsMaximum() || lastWriteAccepted())
        return true;
    showRefusal(LOW_REFUSED, row + 1);
    return false;
}

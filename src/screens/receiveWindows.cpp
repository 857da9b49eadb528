#include "screens/receiveWindows.h"

#include "model/RF_Frequency.h"
#include "model/radiomodel.h"
#include "screens/TTuningSlider.h"
#include "screens/TVeltraEditBox.h"
#include "screens/TVeltraSpinner.h"
#include "screens/screenTable.h"

#include <QLabel>
#include <QLineEdit>

namespace {

constexpr int MOBILE_RADIO = 2;
constexpr int RSSI_DAC_READINGS = 5;

bool inGroupsAToD(const radioStorage& s) {
    const radiomodel model;
    return model.isModelGroupA(s) || model.isModelGroupB(s) || model.isModelGroupC(s) ||
           model.isModelGroupD(s);
}

} // namespace

// ---- Front end filter -----------------------------------------------------------

TFrontEndFilterWindow::TFrontEndFilterWindow(const ScreenContext& context, QWidget* parent)
    : TuningScreen(context, FRONT_END_FILTER_SCREEN, parent) {
    // Decided once, when the screen is built.
    if (radiomodel().isModelGroupI(image())) {
        rssiDacMode_ = true;
        setMaximum(255);
        setNoteText(QStringLiteral("Note : Valid Softpot values will range from 255-0"));
    } else if (image().getRadioType() == MOBILE_RADIO) {
        setMaximum(127);
        setNoteText(QStringLiteral("Note : Valid Softpot values will range from 0-127"));
    }
}

void TFrontEndFilterWindow::enterTestMode(EnhancedSBEP& radio) {
    if (rssiDacMode_) {
        data.setSpacingCode(BANDWIDTH_25_KHZ);
        data.enterTestMode(radio);
        data.readRSSICalibration(image(), radio);
        return;
    }
    data.bandwidthCode(image());
    data.enterTestMode(radio);
}

void TFrontEndFilterWindow::liveWrite(EnhancedSBEP& radio, int value) {
    data.liveWrite(static_cast<std::uint32_t>(value), radio);
    if (!rssiDacMode_)
        return;
    int sum = 0;
    for (int i = 0; i < RSSI_DAC_READINGS; ++i) {
        data.readRSSICalibration(image(), radio);
        sum += image().getSoftpot(ROW_RSSI, rxFEBPData::RSSI_CALIBRATION_COLUMN);
    }
    rssiDacField_->setText(QString::asprintf("%.1f", static_cast<double>(sum / RSSI_DAC_READINGS)));
}

bool TFrontEndFilterWindow::programPoint(EnhancedSBEP& radio, int, int value) {
    data.program(static_cast<std::uint32_t>(value), radio);
    return true;
}

void TFrontEndFilterWindow::buildExtras() {
    if (!rssiDacMode_)
        return;
    auto* label = new QLabel(QStringLiteral("RSSI DAC"), this);
    label->setGeometry(scaled(350, 240, 140, 20));
    rssiDacField_ = new QLineEdit(this);
    rssiDacField_->setGeometry(scaled(410, 240, 40, 20));
    rssiDacField_->setReadOnly(true);
    rssiDacField_->setEnabled(false);
}

void TFrontEndFilterWindow::setupExtras() {
    if (rssiDacField_) {
        const int value = image().getSoftpot(ROW_RSSI, rxFEBPData::RSSI_CALIBRATION_COLUMN);
        rssiDacField_->setText(QString::asprintf("%.1f", static_cast<double>(value)));
    }
}

// ---- Rated volume -----------------------------------------------------------------

TRatedVolumeBaseWindow::TRatedVolumeBaseWindow(const ScreenContext& context,
                                               const screenDescription& description, QWidget* parent,
                                               ratedVolumeVariant variant)
    : TuningScreen(context, description, parent), variant_(variant) {}

void TRatedVolumeBaseWindow::enterTestMode(EnhancedSBEP& radio) {
    data.bandwidthCode(image());
    data.enterTestMode(radio, variant_);
}

void TRatedVolumeBaseWindow::liveWrite(EnhancedSBEP& radio, int value) {
    data.liveWrite(static_cast<std::uint32_t>(value), radio);
}

bool TRatedVolumeBaseWindow::programPoint(EnhancedSBEP& radio, int, int value) {
    data.program(static_cast<std::uint32_t>(value), radio);
    return true;
}

void TRatedVolumeBaseWindow::setupExtras() {
    // The rated point's frequency is always shown; what the technician can
    // move depends on the transmit side, as it always has.
    const tuningPoint& p = point(0);
    frequencyField(0)->setText(QString::asprintf("%f", frequencyMHz(p.rxCode)));
    const int value = storedValue(0);
    workingField(0)->setText(QString::number(value));
    defaultField(0)->setText(QString::number(value));
    spinner(0)->setPosition(value);
    slider(0)->setValue(value);
    const bool anyTransmitPoint = RF_Frequency().lastTxPoint(image()) != 0;
    slider(0)->setEnabled(anyTransmitPoint);
    workingField(0)->setEnabled(anyTransmitPoint);
    spinner(0)->setEnabled(true);
}

TRatedVolumeWindow::TRatedVolumeWindow(const ScreenContext& context, QWidget* parent)
    : TRatedVolumeBaseWindow(context, RATED_VOLUME_SCREEN, parent, ratedVolumeVariant::CARRIER_SQUELCH) {}

tuningPoint TRatedVolumeWindow::choosePoint(int row) const {
    if (!inGroupsAToD(image()))
        return TuningScreen::choosePoint(row);
    tuningPoint p;
    p.index = 1;
    p.txCode = RF_Frequency::txCode(image(), 1);
    p.rxCode = RF_Frequency::rxCode(image(), 1);
    p.present = p.rxCode != 0;
    return p;
}

TRatedVolumeSonaroWindow::TRatedVolumeSonaroWindow(const ScreenContext& context, QWidget* parent)
    : TRatedVolumeBaseWindow(context, RATED_VOLUME_SONARO_SCREEN, parent, ratedVolumeVariant::SONARO) {}

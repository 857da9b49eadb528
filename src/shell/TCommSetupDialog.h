// "User COM Port Selection": the COM port the radio hangs on (COM 1..4, kept
// in com.ini) and, beside each COM number, the serial device that number
// opens on this computer (kept in serialports.ini). The device lists are
// scanned again every time one is opened, so a USB cable plugged in while the
// dialog is up appears at once.
#pragma once

#include "link/SerialPortMap.h"

#include <QComboBox>
#include <QDialog>

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// An editable list of the serial devices present; the text is a device path.
class serialDeviceCombo : public QComboBox {
    Q_OBJECT
public:
    explicit serialDeviceCombo(int portNumber, QWidget* parent = nullptr);
    void rescan();
    QString devicePath() const;
    void setDevicePath(const QString& path);
    void showPopup() override;

private:
    int port;
};

class TCommSetupDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int PORTS = 4;

    explicit TCommSetupDialog(QWidget* parent = nullptr);

    int selectedPort() const { return port; }
    QString statusText() const;
    QCheckBox* portBox(int n) const { return boxes.at(static_cast<std::size_t>(n - 1)); }
    serialDeviceCombo* deviceBox(int n) const { return devices.at(static_cast<std::size_t>(n - 1)); }
    QPushButton* applyButton() const { return apply; }
    QPushButton* cancelButton() const { return cancel; }

    // Writes com.ini with the kept port (also -1) and the device of each COM
    // number into serialports.ini, then closes.
    void applySettings();

private:
    void select(int n);
    void showSelected(int n);

    int port = -1;
    std::array<QCheckBox*, PORTS> boxes{};
    std::array<serialDeviceCombo*, PORTS> devices{};
    QPushButton* apply = nullptr;
    QPushButton* cancel = nullptr;
    QLineEdit* status = nullptr;
    QLabel* overrides = nullptr;
    SerialPortMap fileMap;
};

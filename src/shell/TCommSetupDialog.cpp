#include "shell/TCommSetupDialog.h"

#include "link/ComIni.h"
#include "shell/dialogUnits.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QString selectedText(int n) {
    return QStringLiteral("COM Port %1 currently selected").arg(n);
}

QString deviceItemText(const SerialDeviceInfo& d) {
    const auto path = QString::fromStdString(d.path);
    return d.description.empty()
               ? path
               : path + QStringLiteral("   (") + QString::fromStdString(d.description) + ')';
}

} // namespace

serialDeviceCombo::serialDeviceCombo(int portNumber, QWidget* parent) : QComboBox(parent), port(portNumber) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setToolTip(
        tr("The serial device COM %1 opens. Choose one of the devices present, or type any other path.")
            .arg(portNumber));
    // The list shows descriptions; the field keeps only the path.
    connect(this, &QComboBox::activated, this,
            [this](int index) { setEditText(itemData(index).toString()); });
    rescan();
}

void serialDeviceCombo::rescan() {
    const QString current = devicePath();
    clear();
    const auto fallback = QString::fromStdString(defaultComDevicePath(port));
    addItem(fallback + tr("   (default for COM %1)").arg(port), fallback);
    for (const auto& d : listSerialDevices())
        if (QString::fromStdString(d.path) != fallback)
            addItem(deviceItemText(d), QString::fromStdString(d.path));
    setEditText(current);
}

QString serialDeviceCombo::devicePath() const {
    return currentText().trimmed();
}

void serialDeviceCombo::setDevicePath(const QString& path) {
    setEditText(path);
}

void serialDeviceCombo::showPopup() {
    rescan();
    QComboBox::showPopup();
}

TCommSetupDialog::TCommSetupDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("User COM Port Selection"));
    const dialogUnits du(*this);
    // The port selection keeps its own place on the left; the device of each
    // COM number follows on the same line.
    constexpr int width = 380;
    setFixedSize(du.size(width, 150));

    auto* frame = new QFrame(this);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame->setGeometry(du.rect(8, 4, width - 16, 68));

    fileMap = readSerialPortMap(serialPortMapPath());
    for (int n = 1; n <= PORTS; ++n) {
        const int y = 10 + 15 * (n - 1);
        auto* box = new QCheckBox(QStringLiteral("    COM %1").arg(n), this);
        box->setGeometry(du.rect(20, y, 50, 10));
        connect(box, &QCheckBox::clicked, this, [this, n](bool checked) {
            if (checked)
                select(n);
        });
        boxes[static_cast<std::size_t>(n - 1)] = box;

        auto* combo = new serialDeviceCombo(n, this);
        combo->setGeometry(du.rect(75, y - 2, width - 75 - 16, 13));
        const auto known = fileMap.find(n);
        combo->setDevicePath(
            QString::fromStdString(known != fileMap.end() ? known->second : defaultComDevicePath(n)));
        devices[static_cast<std::size_t>(n - 1)] = combo;
    }

    // Where the environment or the simulated radio decides the device, the
    // file's entry does not apply for this run; say so.
    QStringList notes;
    QString firstActive;
    bool allSame = true;
    for (int n = 1; n <= PORTS; ++n) {
        const auto active = QString::fromStdString(comDevicePath(n));
        if (active != devices[static_cast<std::size_t>(n - 1)]->devicePath())
            notes << tr("COM %1 opens %2").arg(n).arg(active);
        if (n == 1)
            firstActive = active;
        allSame = allSame && active == firstActive;
    }
    QString note = tr("Beside each COM port: the serial device it opens on this computer.");
    if (notes.size() == PORTS && allSame)
        note = tr("In this run every COM port opens %1.").arg(firstActive);
    else if (!notes.isEmpty())
        note = tr("In this run: %1.").arg(notes.join(QStringLiteral("; ")));
    overrides = new QLabel(note, this);
    overrides->setWordWrap(true);
    overrides->setGeometry(du.rect(10, 73, width - 20, 12));
    overrides->setToolTip(note);

    apply = new QPushButton(QStringLiteral("Apply "), this);
    apply->setGeometry(du.rect(10, 86, 50, 15));
    connect(apply, &QPushButton::clicked, this, &TCommSetupDialog::applySettings);

    cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setGeometry(du.rect(75, 86, 50, 15));
    cancel->setDefault(true); // the dialog's OK button: Enter closes without writing
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    status = new QLineEdit(this);
    status->setGeometry(du.rect(8, 110, 192, 22));
    status->setMaxLength(50);
    status->setEnabled(false);

    port = readComIni();
    if (port >= 1 && port <= PORTS)
        showSelected(port);
    else if (port == -1)
        status->setText(QStringLiteral("COM Port profile is not currently configured"));
}

QString TCommSetupDialog::statusText() const {
    return status->text();
}

void TCommSetupDialog::select(int n) {
    port = n;
    showSelected(n);
}

void TCommSetupDialog::showSelected(int n) {
    for (int i = 1; i <= PORTS; ++i)
        portBox(i)->setChecked(i == n);
    status->setText(selectedText(n));
}

void TCommSetupDialog::applySettings() {
    writeComIni(port);
    SerialPortMap map = fileMap;
    for (int n = 1; n <= PORTS; ++n) {
        const auto path = deviceBox(n)->devicePath().toStdString();
        if (path.empty() || path == defaultComDevicePath(n))
            map.erase(n);
        else
            map[n] = path;
    }
    if (map != fileMap)
        writeSerialPortMap(serialPortMapPath(), map);
    accept();
}

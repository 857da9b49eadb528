#include "shell/TVeltraMainWindow.h"

#include "link/SerialTrace.h"
#include "shell/THelpViewer.h"
#include "shell/TVeltraMDIClient.h"
#include "shell/commandTable.h"
#include "shell/shellResources.h"
#include "shell/shellTexts.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

namespace {

QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

struct toolButton {
    int id; // 0: separator
    const char* icon;
};

// Left to right; two separators in a row make the double gap.
constexpr toolButton TOOL_BUTTONS[] = {
    {CM_LOAD_ARCHIVE, ":/icons/loadarchive.png"},
    {CM_SAVE_ARCHIVE, ":/icons/savearchive.png"},
    {CM_READ_RADIO, ":/icons/readradio.png"},
    {CM_PROGRAM_ALL, ":/icons/programall.png"},
    {0, nullptr},
    {0, nullptr},
    {CM_PRINT_PREVIEW, ":/icons/print.png"},
    {0, nullptr},
    {CM_COMM_SETTINGS, ":/icons/comsettings.png"},
    {0, nullptr},
    {CM_HELP_INDEX, ":/icons/help.png"},
};

constexpr int ID_ROLE = Qt::UserRole;

} // namespace

TVeltraMainWindow::TVeltraMainWindow(ApplicationState& state, const shellServices& services,
                                     const std::string& programDirectory, bool simulated,
                                     const QString& simulatedDevice) {
    ensureShellResources();
    setWindowTitle(qs(shellTexts::APPLICATION_TITLE) +
                   (simulated ? qs(shellTexts::SIMULATED_SUFFIX) : QString()));
    setWindowIcon(QIcon(QStringLiteral(":/icons/veltra.png")));

    mdiClient = new TVeltraMDIClient(this, state, services, programDirectory);
    mdiClient->setSimulated(simulated);
    setCentralWidget(mdiClient);

    statusField = new QLabel(this);
    statusField->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    statusField->setTextFormat(Qt::PlainText);
    statusBar()->addWidget(statusField, 1);
    statusBar()->setSizeGripEnabled(false);
    if (simulated) {
        auto* sim = new QLabel(qs(shellTexts::SIMULATED_STATUS).arg(simulatedDevice), this);
        sim->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        sim->setStyleSheet(QStringLiteral("QLabel { color: #b03a00; font-weight: bold; }"));
        statusBar()->addPermanentWidget(sim);
    }
    mdiClient->setStatusField(statusField);

    buildMenus();
    buildToolBar();

    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, mdiClient, &TVeltraMDIClient::contextHelp);

    idle = new QTimer(this);
    idle->setSingleShot(true);
    idle->setInterval(0);
    connect(idle, &QTimer::timeout, this, &TVeltraMainWindow::updateCommands);
    connect(mdiClient, &TVeltraMDIClient::commandsChanged, this, &TVeltraMainWindow::scheduleUpdate);
    qApp->installEventFilter(this);
    updateCommands();
}

TVeltraMainWindow::~TVeltraMainWindow() {
    qApp->removeEventFilter(this);
}

void TVeltraMainWindow::buildMenus() {
    for (const auto& m : menuBarTable()) {
        auto* top = menuBar()->addMenu(QString::fromUtf8(m.text));
        top->menuAction()->setData(m.id);
        menus[m.id] = top;
        connect(top, &QMenu::aboutToShow, this, [this, top, id = m.id] {
            updateMenu(top);
            showHint(id);
        });
        connect(top, &QMenu::aboutToHide, this, [this] { statusBar()->clearMessage(); });
    }
    for (const auto& row : commandTable()) {
        QMenu* parent = menus.at(row.parent);
        switch (row.kind) {
        case entryKind::SEPARATOR:
            parent->addSeparator();
            break;
        case entryKind::SUBMENU: {
            auto* sub = parent->addMenu(QString::fromUtf8(row.text));
            sub->menuAction()->setData(row.id);
            menus[row.id] = sub;
            connect(sub, &QMenu::aboutToShow, this, [this, sub] { updateMenu(sub); });
            break;
        }
        case entryKind::ITEM: {
            // The tab of "E&xit\tAlt+F4" names the shortcut.
            const auto text = QString::fromUtf8(row.text);
            auto* a = parent->addAction(text.section('\t', 0, 0));
            a->setData(row.id);
            if (text.contains('\t'))
                a->setShortcut(QKeySequence(text.section('\t', 1)));
            if (row.id == CM_SERIAL_TRACE)
                a->setCheckable(true);
            connect(a, &QAction::triggered, mdiClient, [this, id = row.id] { mdiClient->runCommand(id); });
            actions[row.id] = a;
            break;
        }
        }
    }
    for (auto& [id, m] : menus) {
        connect(m, &QMenu::hovered, this, [this](QAction* a) { showHint(a->data().toInt()); });
    }
}

void TVeltraMainWindow::buildToolBar() {
    tools = addToolBar(qs(shellTexts::TOOLBAR_CAPTION));
    tools->setObjectName(QStringLiteral("Toolbar"));
    QFont f = tools->font();
    f.setPointSize(10);
    tools->setFont(f);
    tools->setMovable(false);
    tools->setIconSize(QSize(24, 24));
    for (const auto& b : TOOL_BUTTONS) {
        if (!b.id) {
            tools->addSeparator();
            continue;
        }
        QAction* a = actions.at(b.id);
        a->setIcon(QIcon(QString::fromLatin1(b.icon)));
        // The hint appears when the mouse enters the button.
        if (const auto hint = hintFor(b.id))
            a->setStatusTip(qs(*hint));
        tools->addAction(a);
    }
}

QAction* TVeltraMainWindow::action(int id) const {
    const auto it = actions.find(id);
    return it == actions.end() ? nullptr : it->second;
}

QMenu* TVeltraMainWindow::menu(int id) const {
    const auto it = menus.find(id);
    return it == menus.end() ? nullptr : it->second;
}

QString TVeltraMainWindow::statusFieldText() const {
    return statusField->text();
}

QString TVeltraMainWindow::statusBarText() const {
    const QString message = statusBar()->currentMessage();
    return message.isEmpty() ? statusField->text() : message;
}

void TVeltraMainWindow::showHint(int id) {
    const auto hint = hintFor(id);
    statusBar()->showMessage(hint ? qs(*hint) : QString());
}

void TVeltraMainWindow::updateMenu(QMenu* m) {
    for (QAction* a : m->actions()) {
        if (a->isSeparator())
            continue;
        a->setEnabled(mdiClient->isCommandEnabled(a->data().toInt()));
    }
}

void TVeltraMainWindow::updateCommands() {
    for (auto& [id, a] : actions)
        a->setEnabled(mdiClient->isCommandEnabled(id));
    for (auto& [id, m] : menus)
        if (id > 0)
            m->menuAction()->setEnabled(mdiClient->isCommandEnabled(id));
    if (QAction* trace = action(CM_SERIAL_TRACE))
        trace->setChecked(SerialTrace::enabled());
}

void TVeltraMainWindow::scheduleUpdate() {
    idle->start();
}

bool TVeltraMainWindow::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto* m = qobject_cast<QMenu*>(watched);
        auto* key = static_cast<QKeyEvent*>(event);
        if (m && key->key() == Qt::Key_F1 && !(key->modifiers() & Qt::ShiftModifier)) {
            // F1 on a highlighted item: help on the command instead of the command.
            const QAction* active = m->activeAction();
            const int id = active ? active->data().toInt() : 0;
            while (QWidget* popup = QApplication::activePopupWidget())
                popup->close();
            if (id > 0)
                mdiClient->showHelp(id);
            return true;
        }
        break;
    }
    case QEvent::MouseButtonRelease:
    case QEvent::KeyRelease:
        // The user has acted: evaluate the rules once the events are done.
        scheduleUpdate();
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TVeltraMainWindow::closeEvent(QCloseEvent* event) {
    // A read or program under way runs to its end first.
    if (mdiClient->busy()) {
        event->ignore();
        return;
    }
    mdiClient->closeAllSubWindows();
    if (!mdiClient->subWindowList().isEmpty()) {
        event->ignore();
        return;
    }
    if (THelpViewer* help = mdiClient->helpViewer())
        help->close();
    event->accept();
}

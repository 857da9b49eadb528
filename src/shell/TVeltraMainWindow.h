// The main window: menu bar built from the command table, tool bar, the MDI
// client and the one-field status bar. It shows the hint of the highlighted
// menu item in the status bar while a menu is open, evaluates the enabling
// rules when a menu opens and when the application goes idle, and turns F1
// into context help.
#pragma once

#include "operations/ApplicationState.h"
#include "shell/shellServices.h"

#include <QMainWindow>

#include <map>
#include <string>

class QAction;
class QLabel;
class QMenu;
class QTimer;
class QToolBar;
class TVeltraMDIClient;

class TVeltraMainWindow : public QMainWindow {
    Q_OBJECT
public:
    TVeltraMainWindow(ApplicationState& state, const shellServices& services,
                      const std::string& programDirectory, bool simulated = false,
                      const QString& simulatedDevice = {});
    ~TVeltraMainWindow() override;

    TVeltraMDIClient* client() const { return mdiClient; }
    QAction* action(int commandId) const;
    QMenu* menu(int menuOrSubMenuId) const;
    QToolBar* toolBar() const { return tools; }
    QString statusFieldText() const;
    // The text the status bar shows now (a menu hint while a menu is open).
    QString statusBarText() const;

    // Evaluates every rule now (the idle update does the same later).
    void updateCommands();
    // Evaluates the rules of one menu, as when it opens.
    void updateMenu(QMenu* menu);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void buildToolBar();
    void scheduleUpdate();
    void showHint(int id);

    TVeltraMDIClient* mdiClient = nullptr;
    QLabel* statusField = nullptr;
    QToolBar* tools = nullptr;
    QTimer* idle = nullptr;
    std::map<int, QAction*> actions;
    std::map<int, QMenu*> menus;
};

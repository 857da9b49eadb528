// The veltra executable: the window application.
#include "shell/TVeltraApp.h"
#include "shell/TVeltraMainWindow.h"
#include "shell/qtPresenter.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Veltra"));
    qtServices ui;
    TVeltraApp app(parseVeltraArguments(QApplication::arguments().mid(1)), ui.services);
    if (const int failed = app.start())
        return failed;
    ui.setParent(app.mainWindow());
    app.mainWindow()->showMaximized();
    const int status = QApplication::exec();
    app.shutDown();
    return status;
}

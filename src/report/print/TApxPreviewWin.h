// The print preview: a top-level window over the printer object and one
// printout, with its own tool bar. Two pages side by side follow the book
// layout of the page view: page 1 alone, then 2 and 3, 4 and 5, and so on.
#pragma once

#include "report/print/TApxPrintout.h"

#include <QDialog>

class QAction;
class QLabel;
class QPrintPreviewWidget;
class QPrinter;
class QToolBar;

class TApxPreviewWin : public QDialog {
    Q_OBJECT
public:
    // The tool bar commands, numbered as the menu commands are.
    enum Command {
        CM_PREVPAGE = 24500,
        CM_NEXTPAGE = 24501,
        CM_ONEPAGE = 24502,
        CM_TWOPAGE = 24503,
        CM_PRINT = 24337,
        CM_DONE = 24505,
    };

    TApxPreviewWin(QPrinter& printer, const TApxPrintout& printout, QWidget* parent = nullptr);

    QAction* action(Command command) const;
    QString pageText() const;
    int pageCount() const;
    int firstShownPage() const { return shown; }
    bool showsTwoPages() const { return twoPages; }
    const TApxPrintout& printout() const { return job; }

signals:
    // The Print button: print this preview's printout with the print dialog.
    void printRequested();

private:
    void previousPage();
    void nextPage();
    void setTwoPages(bool two);
    void showPage(int page);
    int lastShownPage() const;
    void updateControls();

    const TApxPrintout& job;
    QPrintPreviewWidget* view = nullptr;
    QToolBar* tools = nullptr;
    QLabel* pageLabel = nullptr;
    QAction* previous = nullptr;
    QAction* next = nullptr;
    QAction* onePage = nullptr;
    QAction* twoPage = nullptr;
    QAction* printAction = nullptr;
    QAction* done = nullptr;
    int shown = 1;
    bool twoPages = false;
};

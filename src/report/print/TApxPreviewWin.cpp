#include "report/print/TApxPreviewWin.h"

#include "report/print/printMessages.h"

#include <QAction>
#include <QKeySequence>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QShortcut>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>

TApxPreviewWin::TApxPreviewWin(QPrinter& printer, const TApxPrintout& printout, QWidget* parent)
    : QDialog(parent, Qt::Window), job(printout) {
    setWindowTitle(QString::fromLatin1(printMessages::PREVIEW_TITLE));
    setObjectName(QStringLiteral("TApxPreviewWin"));

    tools = new QToolBar(this);
    tools->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    auto add = [&](Command id, const char* text, QStyle::StandardPixmap icon) {
        QAction* a = tools->addAction(style()->standardIcon(icon), QString::fromLatin1(text));
        a->setData(static_cast<int>(id));
        return a;
    };
    previous = add(CM_PREVPAGE, "Previous Page", QStyle::SP_ArrowLeft);
    next = add(CM_NEXTPAGE, "Next Page", QStyle::SP_ArrowRight);
    onePage = add(CM_ONEPAGE, "One Page", QStyle::SP_FileIcon);
    twoPage = add(CM_TWOPAGE, "Two Pages", QStyle::SP_FileDialogDetailedView);
    tools->addSeparator();
    pageLabel = new QLabel(tools);
    pageLabel->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("Page 8888 - 8888")));
    pageLabel->setAlignment(Qt::AlignCenter);
    tools->addWidget(pageLabel);
    tools->addSeparator();
    printAction = add(CM_PRINT, "Print", QStyle::SP_DialogSaveButton);
    done = add(CM_DONE, "Done", QStyle::SP_DialogCloseButton);

    view = new QPrintPreviewWidget(&printer, this);
    connect(view, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter* p) { job.paintAll(*p); });
    connect(view, &QPrintPreviewWidget::previewChanged, this, &TApxPreviewWin::updateControls);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tools);
    layout->addWidget(view, 1);

    connect(previous, &QAction::triggered, this, &TApxPreviewWin::previousPage);
    connect(next, &QAction::triggered, this, &TApxPreviewWin::nextPage);
    connect(onePage, &QAction::triggered, this, [this] { setTwoPages(false); });
    connect(twoPage, &QAction::triggered, this, [this] { setTwoPages(true); });
    connect(printAction, &QAction::triggered, this, &TApxPreviewWin::printRequested);
    connect(done, &QAction::triggered, this, &QDialog::accept);
    // Esc is the dialog's own; Alt+C is the preview's old close key.
    auto* closeKey = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_C), this);
    connect(closeKey, &QShortcut::activated, this, &QDialog::accept);

    view->setViewMode(QPrintPreviewWidget::SinglePageView);
    view->setZoomMode(QPrintPreviewWidget::FitInView);
    view->updatePreview(); // the pages are drawn once, when the preview opens
    updateControls();
}

QAction* TApxPreviewWin::action(Command command) const {
    switch (command) {
    case CM_PREVPAGE:
        return previous;
    case CM_NEXTPAGE:
        return next;
    case CM_ONEPAGE:
        return onePage;
    case CM_TWOPAGE:
        return twoPage;
    case CM_PRINT:
        return printAction;
    case CM_DONE:
        return done;
    }
    return nullptr;
}

int TApxPreviewWin::pageCount() const {
    return std::max(1, view->pageCount());
}

QString TApxPreviewWin::pageText() const {
    return pageLabel->text();
}

// Page 1 stands alone in the two-page view; after it the pairs are 2-3, 4-5.
int TApxPreviewWin::lastShownPage() const {
    if (!twoPages || shown == 1)
        return shown;
    return std::min(shown + 1, pageCount());
}

void TApxPreviewWin::previousPage() {
    if (twoPages)
        showPage(shown <= 2 ? 1 : shown - 2);
    else
        showPage(shown - 1);
}

void TApxPreviewWin::nextPage() {
    showPage(twoPages ? lastShownPage() + 1 : shown + 1);
}

void TApxPreviewWin::setTwoPages(bool two) {
    if (two && pageCount() < 2)
        return;
    twoPages = two;
    view->setViewMode(two ? QPrintPreviewWidget::FacingPagesView : QPrintPreviewWidget::SinglePageView);
    view->fitInView();
    showPage(shown);
}

void TApxPreviewWin::showPage(int page) {
    page = std::clamp(page, 1, pageCount());
    if (twoPages && page > 1 && page % 2 == 1)
        page -= 1; // the pair that holds this page
    shown = page;
    view->setCurrentPage(page);
    updateControls();
}

void TApxPreviewWin::updateControls() {
    const int last = lastShownPage();
    pageLabel->setText(last != shown ? QString::fromLatin1(printMessages::PAGE_TWO).arg(shown).arg(last)
                                     : QString::fromLatin1(printMessages::PAGE_ONE).arg(shown));
    previous->setEnabled(shown > 1);
    next->setEnabled(last < pageCount());
    twoPage->setEnabled(pageCount() >= 2);
}

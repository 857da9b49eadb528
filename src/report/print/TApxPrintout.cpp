#include "report/print/TApxPrintout.h"

#include "report/pages/reportPageLayout.h"
#include "report/print/printMessages.h"

#include <QPainter>
#include <QPrinter>

#include <algorithm>

int TApxPrintout::pageCount(const QPaintDevice& device) const {
    return reportPageLayout(report, device).pageCount();
}

bool TApxPrintout::print(QPrinter& printer, int from, int to) const {
    printer.setDocName(QString::fromLatin1(printMessages::DOCUMENT_NAME));
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const reportPageLayout pages(report, printer);
    from = std::max(1, from);
    to = std::min(pages.pageCount(), to);
    for (int page = from; page <= to; ++page) {
        if (page > from)
            printer.newPage();
        pages.drawPage(painter, page);
    }
    return painter.end() && printer.printerState() != QPrinter::Error;
}

void TApxPrintout::paintAll(QPrinter& printer) const {
    QPainter painter(&printer);
    const reportPageLayout pages(report, printer);
    for (int page = 1; page <= pages.pageCount(); ++page) {
        if (page > 1)
            printer.newPage();
        pages.drawPage(painter, page);
    }
}

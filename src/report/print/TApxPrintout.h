// One print job of the softpot report: the report text as it was when the
// job began (a preview keeps its own, so Print from the preview prints what
// the preview shows) and the pages it makes on a printer.
#pragma once

#include <QString>

class QPaintDevice;
class QPrinter;

class TApxPrintout {
public:
    explicit TApxPrintout(QString reportText) : report(std::move(reportText)) {}

    const QString& text() const { return report; }
    int pageCount(const QPaintDevice& device) const;

    // Prints pages from..to (clamped to the pages there are). False when the
    // printer could not be started or reported an error.
    bool print(QPrinter& printer, int from, int to) const;
    // Draws every page onto the printer, for the preview.
    void paintAll(QPrinter& printer) const;

private:
    QString report;
};

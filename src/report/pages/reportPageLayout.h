// The softpot report laid out on pages: one font, a fixed line height, tabs
// at the default stops, as many whole lines per page as the printable height
// holds. Printing, the print preview and the PDF copy all draw through this
// one layout, so they show the same pages.
#pragma once

#include <QFont>
#include <QSizeF>
#include <QString>
#include <QStringList>

class QPaintDevice;
class QPainter;

class reportPageLayout {
public:
    // `device` is the page device (printer or PDF writer) with its page size
    // and margins already set; its printable height decides the paging.
    reportPageLayout(const QString& text, const QPaintDevice& device);
    // The same with the printable area given in device units (a picture of
    // a page, where the device is the whole sheet).
    reportPageLayout(const QString& text, const QPaintDevice& device, QSizeF printable);

    int linesPerPage() const { return perPage; }
    // Whole pages and a last partial one: no line of the report is left out.
    int pageCount() const;
    double lineHeight() const { return height; }
    const QFont& font() const { return reportFont; }

    // Draws page `page` (1-based) with the painter's origin at the top left
    // of the printable area. A page outside 1..pageCount() draws nothing.
    void drawPage(QPainter& painter, int page) const;

    // Font family and size of the report, as the report has always been
    // printed: "Times New Roman" (a metric-compatible serif where it is not
    // installed) at a character height of 10 screen pixels, medium weight.
    static QFont makeFont();

private:
    QStringList lines;
    QFont reportFont;
    double height = 0;
    double tabStop = 0;
    double ascent = 0;
    int perPage = 1;
};

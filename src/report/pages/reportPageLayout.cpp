#include "report/pages/reportPageLayout.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// The report's character height was given in screen pixels, which Windows
// measured at 96 per inch: 10 pixels are 7.5 points on any device.
constexpr double SCREEN_DPI = 96.0;
constexpr double CHARACTER_HEIGHT_PIXELS = 10.0;
// Used when the font gives no usable metrics.
constexpr double FALLBACK_LINE_PIXELS = 10.0;
// Default tab stops of a text window: every eight average characters.
constexpr int TAB_STOP_CHARACTERS = 8;

} // namespace

QFont reportPageLayout::makeFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")});
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(CHARACTER_HEIGHT_PIXELS * 72.0 / SCREEN_DPI);
    font.setWeight(QFont::Medium);
    return font;
}

reportPageLayout::reportPageLayout(const QString& text, const QPaintDevice& device)
    : reportPageLayout(text, device, QSizeF(device.width(), device.height())) {}

reportPageLayout::reportPageLayout(const QString& text, const QPaintDevice& device, QSizeF printable)
    : reportFont(makeFont()) {
    lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast(); // the line end of the last line opens no new line

    const QFontMetricsF metrics(reportFont, &device);
    height = metrics.height() + std::max(0.0, metrics.leading());
    if (!(height > 0))
        height = FALLBACK_LINE_PIXELS * device.logicalDpiY() / SCREEN_DPI;
    ascent = metrics.ascent();
    tabStop = TAB_STOP_CHARACTERS * metrics.averageCharWidth();
    if (!(tabStop > 0))
        tabStop = TAB_STOP_CHARACTERS * height / 2;
    perPage = std::max(1, static_cast<int>(std::floor(printable.height() / height)));
}

int reportPageLayout::pageCount() const {
    const int count = static_cast<int>((lines.size() + perPage - 1) / perPage);
    return std::max(1, count);
}

void reportPageLayout::drawPage(QPainter& painter, int page) const {
    if (page < 1 || page > pageCount())
        return;
    painter.save();
    painter.setFont(reportFont);
    painter.setPen(Qt::black);
    // Tabs are expanded here rather than by the text engine, which scales
    // tab distances with the device resolution.
    const QFontMetricsF metrics(reportFont, painter.device());
    const qsizetype first = static_cast<qsizetype>(page - 1) * perPage;
    const qsizetype end = std::min<qsizetype>(lines.size(), first + perPage);
    for (qsizetype i = first; i < end; ++i) {
        const double baseline = static_cast<double>(i - first) * height + ascent;
        double x = 0;
        const QStringList pieces = lines[i].split(QLatin1Char('\t'));
        for (qsizetype k = 0; k < pieces.size(); ++k) {
            if (k > 0)
                x = (std::floor(x / tabStop + 1e-9) + 1) * tabStop;
            if (!pieces[k].isEmpty()) {
                painter.drawText(QPointF(x, baseline), pieces[k]);
                x += metrics.horizontalAdvance(pieces[k]);
            }
        }
    }
    painter.restore();
}

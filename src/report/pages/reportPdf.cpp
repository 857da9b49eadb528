#include "report/pages/reportPdf.h"

#include "report/pages/reportPageLayout.h"

#include <QGuiApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <memory>
#include <system_error>

namespace {

// A4 with the margins a printer's unprintable edge usually leaves.
QPageLayout defaultLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                       QPageLayout::Millimeter);
}

// Fonts need a GUI application; the command-line tool has none.
std::unique_ptr<QGuiApplication> offscreenApplicationIfNeeded() {
    if (QCoreApplication::instance() != nullptr)
        return nullptr;
    static int argc = 3;
    static char name[] = "veltra";
    static char option[] = "-platform";
    static char platform[] = "offscreen";
    static char* argv[] = {name, option, platform, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace

reportPdfResult writeReportPdf(const std::string& text, const std::filesystem::path& path,
                               const QPageLayout* layout) {
    reportPdfResult result;
    const auto application = offscreenApplicationIfNeeded();
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
        result.message = "PDF output needs the window system libraries, which are not running";
        return result;
    }

    std::filesystem::path temporary = path;
    temporary += ".tmp";
    {
        QPdfWriter writer(QString::fromStdString(temporary.string()));
        writer.setPageLayout(layout != nullptr ? *layout : defaultLayout());
        writer.setTitle(QStringLiteral("Document"));
        writer.setCreator(QStringLiteral("Veltra"));
        QPainter painter;
        if (!painter.begin(&writer)) {
            result.message = "The PDF file " + path.string() + " could not be created";
            return result;
        }
        const reportPageLayout pages(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())),
                                     writer);
        result.pages = pages.pageCount();
        for (int page = 1; page <= result.pages; ++page) {
            if (page > 1)
                writer.newPage();
            pages.drawPage(painter, page);
        }
        if (!painter.end()) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            result.message = "The PDF file " + path.string() + " could not be written";
            return result;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temporary, path, ec);
    if (ec) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        result.message = "The PDF file " + path.string() + " could not be written: " + ec.message();
        return result;
    }
    result.ok = true;
    return result;
}

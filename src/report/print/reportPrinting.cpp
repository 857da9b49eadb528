#include "report/print/reportPrinting.h"

#include "operations/ApplicationState.h"
#include "report/pages/reportPdf.h"
#include "report/previewFileModule.h"
#include "report/print/TApxPreviewWin.h"
#include "report/print/printMessages.h"
#include "shell/infoDialogs.h"

#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

#include <algorithm>

namespace {

// The report is plain 8-bit text; identity bytes above 127 are shown as the
// Latin-1 characters they are rather than dropped as broken UTF-8.
QString reportString(const std::string& report) {
    return QString::fromLatin1(report.data(), static_cast<qsizetype>(report.size()));
}

} // namespace

bool printSystem::selectInstalledPrinter(QPrinter& printer) {
    const QStringList names = QPrinterInfo::availablePrinterNames();
    if (names.isEmpty())
        return false;
    if (names.contains(printer.printerName()))
        return true;
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
        return true; // "print to file" chosen in the print dialog stays chosen
    const QString fallback = QPrinterInfo::defaultPrinterName();
    printer.setPrinterName(fallback.isEmpty() ? names.front() : fallback);
    return true;
}

QString printSystem::defaultPrinterName() {
    return QPrinterInfo::defaultPrinterName();
}

bool printSystem::runPrintDialog(QPrinter& printer, const TApxPrintout&, int pages, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setMinMax(1, pages);
    dialog.setFromTo(1, pages);
    return dialog.exec() == QDialog::Accepted;
}

void printSystem::runPreview(TApxPreviewWin& preview) {
    preview.setWindowState(preview.windowState() | Qt::WindowMaximized);
    preview.exec();
}

reportPrinting::reportPrinting(shellServices s, std::unique_ptr<printSystem> platform)
    : services(s), system(platform ? std::move(platform) : std::make_unique<printSystem>()),
      reportFile(REPORT_FILE_NAME) {}

reportPrinting::~reportPrinting() = default;

std::optional<std::string> reportPrinting::writeReport(const radioStorage& image,
                                                       const ApplicationState& state) {
    if (state.openScreenId != 0) {
        services.messages.show(printMessages::closeAllWindows());
        return std::nullopt;
    }
    previewFileModule report(image);
    std::string text = report.reportText();
    const reportWriteResult written = previewFileModule::writeText(text, reportFile);
    if (!written) {
        services.messages.show(printMessages::reportNotWritten(written.message));
        return std::nullopt;
    }
    return text;
}

QPrinter& reportPrinting::printerObject() {
    const QString systemDefault = system->defaultPrinterName();
    if (!veltraPrinter) {
        veltraPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    } else if (systemDefault != lastDefaultPrinter && !systemDefault.isEmpty()) {
        // The system's default printer was changed since the last job.
        veltraPrinter->setPrinterName(systemDefault);
    }
    lastDefaultPrinter = systemDefault;
    return *veltraPrinter;
}

bool reportPrinting::printerReady(const std::string& report) {
    if (system->selectInstalledPrinter(printerObject()))
        return true;
    services.messages.show(printMessages::noDefaultPrinter());
    if (services.messages.ask(printMessages::offerPdfInstead(), MessageButtons::YesNo) == MessageAnswer::Yes)
        savePdf(report);
    return false;
}

void reportPrinting::notifyFirstPage(QWidget* parent) {
    TVeltraNotifyDlg notification(parent);
    services.dialogs.run(notification);
}

void reportPrinting::printJob(const TApxPrintout& printout, QWidget* parent) {
    QPrinter& p = printerObject();
    if (!system->runPrintDialog(p, printout, printout.pageCount(p), parent))
        return;
    // The dialog may have changed the paper, and with it the paging.
    const int pages = printout.pageCount(p);
    int from = 1;
    int to = pages;
    if (p.printRange() == QPrinter::PageRange && p.fromPage() > 0) {
        from = p.fromPage();
        to = std::min(pages, p.toPage() > 0 ? p.toPage() : pages);
    }
    if (from > to)
        return;
    notifyFirstPage(parent);
    if (!printout.print(p, from, to))
        services.messages.show(printMessages::printingFailed());
}

void reportPrinting::printerSetup(const radioStorage& image, const ApplicationState& state, QWidget* parent) {
    const auto report = writeReport(image, state);
    if (!report || !printerReady(*report))
        return;
    const TApxPrintout printout(reportString(*report));
    printJob(printout, parent);
}

void reportPrinting::printPreview(const radioStorage& image, const ApplicationState& state,
                                  QWidget* mainWindow) {
    const auto report = writeReport(image, state);
    if (!report || !printerReady(*report))
        return;
    const TApxPrintout printout(reportString(*report));
    notifyFirstPage(mainWindow); // the preview draws its pages as it opens

    TApxPreviewWin preview(printerObject(), printout, nullptr);
    QObject::connect(&preview, &TApxPreviewWin::printRequested, &preview,
                     [this, &preview] { printJob(preview.printout(), &preview); });
    if (mainWindow != nullptr) {
        preview.setWindowTitle(mainWindow->windowTitle() +
                               QString::fromLatin1(printMessages::PREVIEW_CAPTION_SUFFIX));
        preview.setWindowIcon(mainWindow->windowIcon());
        preview.setGeometry(mainWindow->geometry());
        mainWindow->hide();
    }
    system->runPreview(preview);
    if (mainWindow != nullptr) {
        mainWindow->setGeometry(preview.geometry());
        mainWindow->showMaximized();
    }
}

void reportPrinting::saveReportPdf(const radioStorage& image, const ApplicationState& state, QWidget*) {
    if (const auto report = writeReport(image, state))
        savePdf(*report);
}

void reportPrinting::savePdf(const std::string& report) {
    fileDialogRequest request;
    request.caption = printMessages::PDF_DIALOG_CAPTION;
    request.filterName = "PDF files (*.pdf)";
    request.pattern = "*.pdf";
    request.defaultExtension = "pdf";
    const auto path = services.files.saveFileName(request);
    if (!path)
        return;
    QPageLayout layout;
    if (veltraPrinter)
        layout = veltraPrinter->pageLayout();
    const reportPdfResult result = writeReportPdf(report, *path, veltraPrinter ? &layout : nullptr);
    if (result)
        services.messages.show(printMessages::pdfSaved(*path));
    else
        services.messages.show(printMessages::pdfFailed(result.message));
}

// Printing, previewing and keeping the softpot report: the actions behind
// File / "&Printer Setup" (24338), File / "P&rint/Printout Preview" (24340),
// the preview's Print button (24337) and "save the report as PDF".
//
// The shell creates one reportPrinting for the life of the process and calls
// the command functions with the radio image, the application state and the
// window to open dialogs over. Every job regenerates display.txt first.
// Messages go through the MessagePresenter, the notification dialog through
// the dialogRunner and the PDF file name through the fileDialogPresenter; the
// platform's print dialog, preview loop and printer list through printSystem.
#pragma once

#include "report/print/TApxPrintout.h"
#include "shell/shellServices.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include <QString>

class QPrinter;
class QWidget;
class TApxPreviewWin;
class radioStorage;
struct ApplicationState;

// The platform's printing facilities; tests replace them.
class printSystem {
public:
    virtual ~printSystem() = default;
    // Points `printer` at an installed printer (the default one when the
    // current choice is gone); false when the system has none.
    virtual bool selectInstalledPrinter(QPrinter& printer);
    virtual QString defaultPrinterName();
    // The print dialog for a job of `pages` pages (page range 1..pages);
    // true when the user chose to print.
    virtual bool runPrintDialog(QPrinter& printer, const TApxPrintout& printout, int pages, QWidget* parent);
    // Runs the preview, maximised and modal, until the user ends it.
    virtual void runPreview(TApxPreviewWin& preview);
};

class reportPrinting {
public:
    explicit reportPrinting(shellServices services, std::unique_ptr<printSystem> system = nullptr);
    ~reportPrinting();
    reportPrinting(const reportPrinting&) = delete;
    reportPrinting& operator=(const reportPrinting&) = delete;

    // 24338: the print dialog, then the report page by page.
    void printerSetup(const radioStorage& image, const ApplicationState& state, QWidget* parent);
    // 24340: the full-window preview; `mainWindow` is hidden while it runs.
    void printPreview(const radioStorage& image, const ApplicationState& state, QWidget* mainWindow);
    // Keeps the report as a PDF file, asking for its name; needs no printer.
    void saveReportPdf(const radioStorage& image, const ApplicationState& state, QWidget* parent);

    // The application's printer object: null until the first job, then kept
    // (with the printer and page settings last chosen) until this object goes.
    QPrinter* printer() const { return veltraPrinter.get(); }

    // Where the report file is written; "display.txt" in the current directory.
    void setReportFile(std::filesystem::path path) { reportFile = std::move(path); }
    const std::filesystem::path& reportFilePath() const { return reportFile; }

private:
    // The close-windows rule, then display.txt; the report text, or nullopt
    // when the job must stop (the message has been shown).
    std::optional<std::string> writeReport(const radioStorage& image, const ApplicationState& state);
    QPrinter& printerObject();
    bool printerReady(const std::string& report);
    void printJob(const TApxPrintout& printout, QWidget* parent);
    void notifyFirstPage(QWidget* parent);
    void savePdf(const std::string& report);

    shellServices services;
    std::unique_ptr<printSystem> system;
    std::unique_ptr<QPrinter> veltraPrinter;
    QString lastDefaultPrinter;
    std::filesystem::path reportFile;
};

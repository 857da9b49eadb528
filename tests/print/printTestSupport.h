// A stand-in for the platform's printing: the printer is a PDF file in the
// test's directory, the print dialog and the preview loop are scripted.
#pragma once

#include "report/print/TApxPreviewWin.h"
#include "report/print/reportPrinting.h"

#include <QPrinter>

#include <functional>
#include <string>
#include <vector>

struct printDialogCall {
    QString text; // the printout's report text
    int pages = 0;
};

class fakePrintSystem final : public printSystem {
public:
    bool selectInstalledPrinter(QPrinter& printer) override {
        if (!installed)
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(outputFile);
        return true;
    }
    QString defaultPrinterName() override { return defaultName; }
    bool runPrintDialog(QPrinter&, const TApxPrintout& printout, int pages, QWidget*) override {
        printDialogs.push_back({printout.text(), pages});
        return acceptPrintDialog;
    }
    void runPreview(TApxPreviewWin& preview) override {
        ++previews;
        if (onPreview)
            onPreview(preview);
    }

    bool installed = true;
    bool acceptPrintDialog = true;
    QString outputFile;
    QString defaultName;
    std::vector<printDialogCall> printDialogs;
    int previews = 0;
    std::function<void(TApxPreviewWin&)> onPreview;
};

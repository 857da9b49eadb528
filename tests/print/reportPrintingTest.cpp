#include "operations/ApplicationState.h"
#include "printTestSupport.h"
#include "report/pages/reportPageLayout.h"
#include "report/previewFileModule.h"
#include "report/print/printMessages.h"
#include "shell/scriptedPresenter.h"

#include "../report/reportImages.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QKeyEvent>
#include <QMainWindow>
#include <QPainter>
#include <QPixmap>
#include <QShortcut>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

QApplication& application() {
    static QApplication* app = [] {
        static int argc = 1;
        static char name[] = "test_print";
        static char* argv[] = {name, nullptr};
        return new QApplication(argc, argv);
    }();
    return *app;
}

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Page objects of a PDF written by Qt ("/Type /Page" but not "/Pages").
int pdfPageCount(const std::string& pdf) {
    int pages = 0;
    for (std::size_t at = pdf.find("/Type /Page"); at != std::string::npos;
         at = pdf.find("/Type /Page", at + 1)) {
        if (pdf.compare(at, 12, "/Type /Pages") != 0)
            ++pages;
    }
    return pages;
}

std::filesystem::path screenshotDirectory() {
    const std::filesystem::path dir = std::filesystem::path(VELTRA_BINARY_DIR) / "screenshots";
    std::filesystem::create_directories(dir);
    return dir;
}

class ReportPrinting : public testing::Test {
protected:
    void SetUp() override {
        application();
        dir = std::filesystem::temp_directory_path() /
              ("veltra-print-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        auto owned = std::make_unique<fakePrintSystem>();
        platform = owned.get();
        platform->outputFile = QString::fromStdString((dir / "printed.pdf").string());
        printing = std::make_unique<reportPrinting>(presenter.services(), std::move(owned));
        printing->setReportFile(dir / REPORT_FILE_NAME);
        reportImages::portable(image);
        state.radioRead = true;
        presenter.onDialog = [this](QDialog& dialog) {
            if (dialog.windowTitle() == QStringLiteral("Print Notifcation")) {
                ++notifications;
                pagesBeforeNotification += std::filesystem::exists(printedFile()) ? 1 : 0;
            }
            return 1;
        };
    }
    void TearDown() override {
        printing.reset();
        std::filesystem::remove_all(dir);
    }

    std::filesystem::path printedFile() const { return platform->outputFile.toStdString(); }
    std::filesystem::path reportFile() const { return dir / REPORT_FILE_NAME; }
    std::string expectedReport() { return previewFileModule(image).reportText(); }

    std::filesystem::path dir;
    scriptedPresenter presenter;
    fakePrintSystem* platform = nullptr;
    std::unique_ptr<reportPrinting> printing;
    radioStorage image;
    ApplicationState state;
    int notifications = 0;
    int pagesBeforeNotification = 0;
};

struct CommandCase {
    const char* name;
    void (*run)(reportPrinting&, const radioStorage&, const ApplicationState&, QWidget*);
};

const CommandCase commandCases[] = {
    {"PrinterSetup", [](reportPrinting& p, const radioStorage& i, const ApplicationState& s,
                        QWidget* w) { p.printerSetup(i, s, w); }},
    {"PrintPreview", [](reportPrinting& p, const radioStorage& i, const ApplicationState& s,
                        QWidget* w) { p.printPreview(i, s, w); }},
    {"SaveReportPdf", [](reportPrinting& p, const radioStorage& i, const ApplicationState& s,
                         QWidget* w) { p.saveReportPdf(i, s, w); }},
};

class EveryReportCommand : public ReportPrinting, public testing::WithParamInterface<CommandCase> {};

TEST_P(EveryReportCommand, OpenScreenGivesTheCloseWindowsNoteAndLeavesTheReportFileAlone) {
    std::ofstream(reportFile()) << "earlier report";
    state.openScreenId = 4;
    GetParam().run(*printing, image, state, nullptr);
    ASSERT_EQ(presenter.shown.size(), 1u);
    EXPECT_EQ(presenter.shown[0].message.text, "Please close all windows before printing");
    EXPECT_EQ(presenter.shown[0].message.caption, "Note");
    EXPECT_EQ(presenter.shown[0].message.icon, MessageIcon::Information);
    EXPECT_EQ(readFile(reportFile()), "earlier report");
    EXPECT_EQ(printing->printer(), nullptr);
    EXPECT_EQ(notifications, 0);
    EXPECT_TRUE(platform->printDialogs.empty());
    EXPECT_EQ(platform->previews, 0);
}

TEST_P(EveryReportCommand, ReportFileThatCannotBeWrittenStopsTheJobWithTheReason) {
    printing->setReportFile(dir / "missing" / REPORT_FILE_NAME);
    presenter.files.push_back((dir / "copy.pdf").string());
    GetParam().run(*printing, image, state, nullptr);
    ASSERT_EQ(presenter.shown.size(), 1u);
    EXPECT_EQ(presenter.shown[0].message.caption, "ERROR");
    EXPECT_NE(presenter.shown[0].message.text.find("could not be written"), std::string::npos);
    EXPECT_EQ(notifications, 0);
    EXPECT_TRUE(platform->printDialogs.empty());
    EXPECT_EQ(platform->previews, 0);
    EXPECT_FALSE(std::filesystem::exists(dir / "copy.pdf"));
}

INSTANTIATE_TEST_SUITE_P(Print, EveryReportCommand, testing::ValuesIn(commandCases),
                         [](const auto& info) { return std::string(info.param.name); });

class PrinterCommand : public ReportPrinting, public testing::WithParamInterface<CommandCase> {};

TEST_P(PrinterCommand, WithoutPrinterNoteThenPdfOfferDeclined) {
    platform->installed = false;
    presenter.answers.push_back(MessageAnswer::No);
    GetParam().run(*printing, image, state, nullptr);
    ASSERT_EQ(presenter.shown.size(), 2u);
    EXPECT_EQ(presenter.shown[0].message.text, "Please install Default Printer Device !!");
    EXPECT_EQ(presenter.shown[0].message.caption, "NOTE");
    EXPECT_FALSE(presenter.shown[0].question);
    EXPECT_TRUE(presenter.shown[1].question);
    EXPECT_TRUE(presenter.fileRequests.empty());
    EXPECT_EQ(notifications, 0);
    EXPECT_TRUE(platform->printDialogs.empty());
    EXPECT_EQ(platform->previews, 0);
    EXPECT_EQ(readFile(reportFile()), expectedReport()); // written before the printer is looked for
}

TEST_P(PrinterCommand, WithoutPrinterTheReportCanBeKeptAsPdf) {
    platform->installed = false;
    presenter.answers.push_back(MessageAnswer::Yes);
    const auto pdf = dir / "kept.pdf";
    presenter.files.push_back(pdf.string());
    GetParam().run(*printing, image, state, nullptr);
    ASSERT_EQ(presenter.shown.size(), 3u);
    EXPECT_EQ(presenter.shown[2].message.text, "The softpot report has been saved as " + pdf.string());
    EXPECT_EQ(readFile(pdf).substr(0, 5), "%PDF-");
    EXPECT_EQ(platform->previews, 0);
}

INSTANTIATE_TEST_SUITE_P(Print, PrinterCommand, testing::ValuesIn(commandCases, commandCases + 2),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReportPrinting, PrintShowsTheNotificationOncePerJobBeforeItsFirstPage) {
    printing->printerSetup(image, state, nullptr);
    EXPECT_EQ(notifications, 1);
    EXPECT_EQ(pagesBeforeNotification, 0);
    ASSERT_EQ(platform->printDialogs.size(), 1u);
    EXPECT_EQ(platform->printDialogs[0].text.toStdString(), expectedReport());
    const std::string printed = readFile(printedFile());
    ASSERT_EQ(printed.substr(0, 5), "%PDF-");
    EXPECT_EQ(pdfPageCount(printed), platform->printDialogs[0].pages);
    EXPECT_GE(platform->printDialogs[0].pages, 2);
    EXPECT_TRUE(presenter.shown.empty());

    QPrinter* first = printing->printer();
    std::filesystem::remove(printedFile());
    printing->printerSetup(image, state, nullptr);
    EXPECT_EQ(notifications, 2);
    EXPECT_EQ(pagesBeforeNotification, 0);
    EXPECT_EQ(printing->printer(), first) << "the printer object lives from the first job on";
}

TEST_F(ReportPrinting, CancelledPrintDialogPrintsNothingAndGivesNoNotification) {
    platform->acceptPrintDialog = false;
    printing->printerSetup(image, state, nullptr);
    EXPECT_EQ(platform->printDialogs.size(), 1u);
    EXPECT_EQ(notifications, 0);
    EXPECT_FALSE(std::filesystem::exists(printedFile()));
}

TEST_F(ReportPrinting, PageRangeChosenInTheDialogIsPrinted) {
    printing->printerSetup(image, state, nullptr); // creates the printer object
    QPrinter* printer = printing->printer();
    ASSERT_NE(printer, nullptr);
    std::filesystem::remove(printedFile());
    printer->setPrintRange(QPrinter::PageRange);
    printer->setFromTo(2, 2);
    printing->printerSetup(image, state, nullptr);
    EXPECT_EQ(pdfPageCount(readFile(printedFile())), 1);
}

TEST_F(ReportPrinting, PreviewPagesAndPrintFromThePreview) {
    QMainWindow mainWindow;
    mainWindow.setWindowTitle(QStringLiteral("Veltra"));
    mainWindow.resize(900, 700);
    mainWindow.show();
    const std::string openedWith = expectedReport();
    bool mainHiddenDuringPreview = false;

    platform->onPreview = [&](TApxPreviewWin& preview) {
        mainHiddenDuringPreview = !mainWindow.isVisible();
        EXPECT_EQ(preview.windowTitle(), QStringLiteral("Veltra (Preview Window)"));
        EXPECT_EQ(notifications, 1) << "shown as the preview opens";
        preview.showMaximized();
        QApplication::processEvents();
        const int pages = preview.pageCount();
        ASSERT_GE(pages, 3);
        EXPECT_EQ(preview.pageText(), QStringLiteral("Page 1"));
        auto* previous = preview.action(TApxPreviewWin::CM_PREVPAGE);
        auto* next = preview.action(TApxPreviewWin::CM_NEXTPAGE);
        EXPECT_FALSE(previous->isEnabled());
        EXPECT_TRUE(next->isEnabled());
        EXPECT_TRUE(preview.action(TApxPreviewWin::CM_TWOPAGE)->isEnabled());
        preview.grab().save(QString::fromStdString((screenshotDirectory() / "print-preview.png").string()));

        next->trigger();
        EXPECT_EQ(preview.pageText(), QStringLiteral("Page 2"));
        EXPECT_TRUE(previous->isEnabled());
        preview.action(TApxPreviewWin::CM_TWOPAGE)->trigger();
        QApplication::processEvents();
        EXPECT_EQ(preview.pageText(), QStringLiteral("Page 2 - 3"));
        preview.grab().save(
            QString::fromStdString((screenshotDirectory() / "print-preview-two-pages.png").string()));
        for (int i = 0; i < pages; ++i)
            next->trigger();
        EXPECT_FALSE(next->isEnabled());
        EXPECT_EQ(preview.firstShownPage() + (pages % 2 == 1 ? 1 : 0), pages)
            << preview.pageText().toStdString();
        preview.action(TApxPreviewWin::CM_ONEPAGE)->trigger();
        EXPECT_EQ(preview.pageText(), QStringLiteral("Page %1").arg(preview.firstShownPage()));

        // The image changes behind the preview's back (another command, a
        // load): Print still prints the report the preview shows.
        image.setSerialNumber("CHANGED000");
        preview.action(TApxPreviewWin::CM_PRINT)->trigger();
        preview.action(TApxPreviewWin::CM_DONE)->trigger();
    };
    printing->printPreview(image, state, &mainWindow);

    EXPECT_EQ(platform->previews, 1);
    EXPECT_TRUE(mainHiddenDuringPreview);
    EXPECT_TRUE(mainWindow.isVisible());
    ASSERT_EQ(platform->printDialogs.size(), 1u);
    EXPECT_EQ(platform->printDialogs[0].text.toStdString(), openedWith);
    EXPECT_EQ(notifications, 2) << "one for the preview, one for the print job started from it";
    EXPECT_EQ(pagesBeforeNotification, 0);
    EXPECT_EQ(readFile(printedFile()).substr(0, 5), "%PDF-");
}

TEST_F(ReportPrinting, EscapeAndAltCEndThePreview) {
    bool escaped = false;
    platform->onPreview = [&](TApxPreviewWin& preview) {
        QObject::connect(&preview, &QDialog::finished, [&] { escaped = true; });
        preview.open();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(&preview, &press);
    };
    printing->printPreview(image, state, nullptr);
    EXPECT_TRUE(escaped);

    bool closedByAltC = false;
    platform->onPreview = [&](TApxPreviewWin& preview) {
        QObject::connect(&preview, &QDialog::finished, [&] { closedByAltC = true; });
        preview.open();
        const auto shortcuts = preview.findChildren<QShortcut*>();
        ASSERT_EQ(shortcuts.size(), 1);
        EXPECT_EQ(shortcuts[0]->key(), QKeySequence(Qt::ALT | Qt::Key_C));
        emit shortcuts[0]->activated();
    };
    printing->printPreview(image, state, nullptr);
    EXPECT_TRUE(closedByAltC);
}

TEST_F(ReportPrinting, PdfOfTheReportAndItsFirstPageForReview) {
    const auto pdf = dir / "report.pdf";
    presenter.files.push_back(pdf.string());
    image = radioStorage();
    reportImages::mobileGroupF(image);
    printing->saveReportPdf(image, state, nullptr);
    ASSERT_EQ(presenter.shown.size(), 1u);
    EXPECT_EQ(presenter.shown[0].message.caption, "NOTE");
    ASSERT_EQ(presenter.fileRequests.size(), 1u);
    EXPECT_EQ(presenter.fileRequests[0].pattern, "*.pdf");
    const std::string written = readFile(pdf);
    ASSERT_EQ(written.substr(0, 5), "%PDF-");
    EXPECT_EQ(readFile(reportFile()), expectedReport());
    EXPECT_EQ(notifications, 0) << "a PDF is no print job";

    // The first page as the PDF has it: A4 with 10 mm margins. The picture
    // has 150 pixels per inch but tells the painter 1200, the PDF writer's
    // resolution, so that the fonts are measured and the lines fall as in
    // the PDF; the painter scales the result down to the picture.
    constexpr double pictureDpi = 150;
    constexpr double pdfDpi = 1200;
    constexpr double scale = pictureDpi / pdfDpi;
    QImage page(QSize(1240, 1754), QImage::Format_RGB32);
    page.setDotsPerMeterX(static_cast<int>(pdfDpi / 0.0254));
    page.setDotsPerMeterY(static_cast<int>(pdfDpi / 0.0254));
    page.fill(Qt::white);
    const double margin = 10 / 25.4 * pdfDpi;
    const QSizeF printable(210 / 25.4 * pdfDpi - 2 * margin, 297 / 25.4 * pdfDpi - 2 * margin);
    const reportPageLayout layout(QString::fromStdString(expectedReport()), page, printable);
    EXPECT_EQ(pdfPageCount(written), layout.pageCount());
    QPainter painter(&page);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(scale, scale);
    painter.translate(margin, margin);
    layout.drawPage(painter, 1);
    painter.end();
    EXPECT_TRUE(page.save(QString::fromStdString((screenshotDirectory() / "report-page1.png").string())));
}

TEST_F(ReportPrinting, PdfThatCannotBeWrittenIsReported) {
    presenter.files.push_back((dir / "missing" / "report.pdf").string());
    printing->saveReportPdf(image, state, nullptr);
    ASSERT_EQ(presenter.shown.size(), 1u);
    EXPECT_EQ(presenter.shown[0].message.caption, "ERROR");
    EXPECT_FALSE(std::filesystem::exists(dir / "missing"));
}

TEST_F(ReportPrinting, CancelledPdfDialogWritesNoPdf) {
    printing->saveReportPdf(image, state, nullptr); // no file queued: the dialog is cancelled
    EXPECT_TRUE(presenter.shown.empty());
    EXPECT_EQ(presenter.fileRequests.size(), 1u);
}

// Paging: whole lines per page, and a last partial page is a page of its own.
struct PagingCase {
    const char* name;
    double pageLines; // printable height in line heights
    int textLines;
    int pages;
    int perPage;
};

class Paging : public testing::TestWithParam<PagingCase> {};

TEST_P(Paging, CountsWholeLinesAndThePartialLastPage) {
    application();
    QImage device(QSize(800, 800), QImage::Format_RGB32);
    const double h = reportPageLayout(QString(), device).lineHeight();
    ASSERT_GT(h, 0);
    QString text;
    for (int i = 0; i < GetParam().textLines; ++i)
        text += QStringLiteral("line\t%1\n").arg(i);
    const reportPageLayout layout(text, device, QSizeF(800, h * GetParam().pageLines));
    EXPECT_EQ(layout.linesPerPage(), GetParam().perPage);
    EXPECT_EQ(layout.pageCount(), GetParam().pages);
}

INSTANTIATE_TEST_SUITE_P(Print, Paging,
                         testing::Values(PagingCase{"ExactlyOnePage", 3.5, 3, 1, 3},
                                         PagingCase{"OneLineOver", 3.5, 4, 2, 3},
                                         PagingCase{"EmptyReportStillOnePage", 3.5, 0, 1, 3},
                                         PagingCase{"PageSmallerThanALine", 0.5, 2, 2, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PagingFont, TimesNewRomanOrItsMetricTwinAtTheReportSize) {
    application();
    const QFont font = reportPageLayout::makeFont();
    EXPECT_EQ(font.families().value(0), QStringLiteral("Times New Roman"));
    EXPECT_EQ(font.families().value(1), QStringLiteral("Liberation Serif"));
    EXPECT_DOUBLE_EQ(font.pointSizeF(), 7.5);
    EXPECT_EQ(font.weight(), QFont::Medium);
    const QString resolved = QFontInfo(font).family();
    EXPECT_TRUE(resolved == QStringLiteral("Times New Roman") ||
                resolved == QStringLiteral("Liberation Serif"))
        << resolved.toStdString();
}

} // namespace

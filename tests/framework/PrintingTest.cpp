#include "DialogSeam.h"
#include "FrameworkTestSupport.h"
#include "OpenPrinterDialog.h"
#include "PrintedPage.h"
#include "PrinterSetup.h"
#include "RuntimeException.h"

#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class PrintingTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { EnsureApplication(); }
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
    void TearDown() override { fw::DialogSeam::reset(); }

    /// Answers the print dialog by printing to a PDF file.
    void PrintToPdf(const QString& path)
    {
        fw::DialogSeam::print = [path](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path);
            return true;
        };
    }

    static QByteArray Contents(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    /// Width and height of the first page box of a PDF, in points.
    static QSizeF MediaBox(const QByteArray& pdf)
    {
        const QRegularExpression box(R"(/MediaBox\s*\[\s*0\s+0\s+([\d.]+)\s+([\d.]+)\s*\])");
        const auto match = box.match(QString::fromLatin1(pdf));
        return match.hasMatch() ? QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble())
                                : QSizeF();
    }

    QTemporaryDir dir_;
};

TEST_F(PrintingTest, PrintsAPageToPdfWithOrWithoutASetUp)
{
    const QString portrait = dir_.filePath("portrait.pdf");
    PrintToPdf(portrait);
    {
        const auto page = fw::OpenPrinterDialog(nullptr);
        ASSERT_NE(page, nullptr);
        // One unit of the page is 1/96 inch.
        EXPECT_DOUBLE_EQ(page->Painter().worldTransform().m11(),
                         page->Printer().resolution() / 96.0);
        page->Surface().DrawRect(0, 0, 96, 96);
        page->Surface().TextSize(12.0f);
        page->Surface().DrawString("3100202", 10, 50);
    }
    const QByteArray pdf = Contents(portrait);
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_LT(MediaBox(pdf).width(), MediaBox(pdf).height());

    auto setup = std::make_shared<fw::PrinterSetup>();
    setup->SetLandscape(true);
    const QString landscape = dir_.filePath("landscape.pdf");
    PrintToPdf(landscape);
    fw::OpenPrinterDialog(setup).reset();
    EXPECT_GT(MediaBox(Contents(landscape)).width(), MediaBox(Contents(landscape)).height());
}

TEST_F(PrintingTest, CancelledDialogsGiveNothingAndChangeNothing)
{
    const QString path = dir_.filePath("never.pdf");
    fw::DialogSeam::print = [path](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        return false;
    };
    EXPECT_EQ(fw::OpenPrinterDialog(nullptr), nullptr);
    EXPECT_FALSE(QFile::exists(path));

    fw::PrinterSetup setup;
    setup.SetLandscape(true);
    fw::DialogSeam::pageSetup = [](QPrinter& printer) {
        printer.setPageOrientation(QPageLayout::Portrait);
        return false;
    };
    EXPECT_FALSE(setup.PageSetupDialog());
    EXPECT_TRUE(setup.Landscape());

    fw::DialogSeam::pageSetup = [](QPrinter& printer) {
        EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
        printer.setPageOrientation(QPageLayout::Portrait);
        return true;
    };
    EXPECT_TRUE(setup.PageSetupDialog());
    EXPECT_FALSE(setup.Landscape());
}

TEST_F(PrintingTest, AnUnwritableOutputIsAnIOException)
{
    PrintToPdf(dir_.filePath("no/such/folder/page.pdf"));
    EXPECT_THROW(fw::OpenPrinterDialog(nullptr), fw::IOException);
}

} // namespace

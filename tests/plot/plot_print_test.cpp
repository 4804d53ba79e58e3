#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

#include <cerrno>
#include <cstring>

#include "plot/DruckDlg.h"
#include "plot/PrintAboutDlg.h"
#include "plot_interaction_support.h"
#include "support/WriteFailures.h"

namespace {

// The first page of a PDF file rendered at the printer's resolution.
QImage renderPage(const QString& pdf, int dpi)
{
    QTemporaryDir dir;
    const QString prefix = dir.filePath("page");
    const int rc = QProcess::execute("pdftoppm", {"-r", QString::number(dpi), "-png", "-singlefile", "-f", "1",
                                                  pdf, prefix});
    EXPECT_EQ(rc, 0) << "pdftoppm (poppler-utils) renders the printed page; scripts/setup.sh installs it";
    return QImage(prefix + ".png").convertToFormat(QImage::Format_RGB32);
}

bool isBlue(QRgb c) { return qBlue(c) > 200 && qRed(c) < 80 && qGreen(c) < 80; }
bool isWhite(QRgb c) { return qRed(c) > 235 && qGreen(c) > 235 && qBlue(c) > 235; }
bool isDark(QRgb c) { return qGray(c) < 128; }

struct PrintSetup {
    ShownPlot s;
    ScopedGuiServices services;
    QTemporaryDir dir;
    QString pdf = dir.filePath("plot.pdf");
    QPrinter& printer = services.gui.printer();

    PrintSetup()
    {
        // A blue border round the plot shows where the bitmap lies on paper.
        s.plot.SetColor(RGBColor(0, 0, 255));
        s.plot.Bitmap();
        printer.setOutputFileName(pdf);
        printer.setPageOrientation(QPageLayout::Portrait);
    }
    TDruckDlg& dlg() { return s.plot.DruckDlg(); }
    // Where the page rectangle lies on the rendered paper.
    QRect pageOnPaper(bool landscape)
    {
        printer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
        const QRect area = printer.pageRect(QPrinter::DevicePixel).toRect();
        const QRect paper = printer.paperRect(QPrinter::DevicePixel).toRect();
        printer.setPageOrientation(QPageLayout::Portrait);
        const TRect r = PrintPageRect(area.width(), area.height(), landscape);
        return QRect(r.Left, r.Top, r.Width(), r.Height()).translated(area.topLeft() - paper.topLeft());
    }
};

}  // namespace

TEST(PlotPrint, PageRectangleTurnsItsWideMarginWithThePaper)
{
    EXPECT_EQ(PrintPageRect(4960, 7016, false), (TRect{595, 140, 4662, 6806}));
    EXPECT_EQ(PrintPageRect(7016, 4960, true), (TRect{140, 595, 6806, 4662}));
}

TEST(PlotPrint, PageHoldsTheCommentAboveTheStretchedBitmap)
{
    PrintSetup p;
    p.dlg().Orientation = 0;
    p.s.plot.Printkommentar = "Veltrane Version 3.02 [untitled]:  07.12.2026 08:00:00   gold film";
    ASSERT_EQ(p.s.plot.PrintPlot(false), TPrintResult::Printed);
    EXPECT_EQ(p.printer.pageLayout().orientation(), QPageLayout::Portrait);

    const QImage page = renderPage(p.pdf, p.printer.resolution());
    const QRect r = p.pageOnPaper(false);
    ASSERT_LT(page.width(), page.height());
    ASSERT_TRUE(page.rect().contains(r.adjusted(-6, -30, 6, 6)));
    for (QPoint corner : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()}) {
        const int dx = corner.x() == r.left() ? 1 : -1, dy = corner.y() == r.top() ? 1 : -1;
        EXPECT_TRUE(isBlue(page.pixel(corner + QPoint(6 * dx, 6 * dy)))) << corner.x() << "," << corner.y();
        EXPECT_TRUE(isWhite(page.pixel(corner - QPoint(4 * dx, 4 * dy)))) << corner.x() << "," << corner.y();
    }
    // The stretched bitmap, scaled back, is the plot's bitmap.
    const QImage back = page.copy(r).scaled(600, 400, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage bitmap = p.s.plot.Bitmap().convertToFormat(QImage::Format_RGB32);
    long diff = 0;
    for (int y = 0; y < 400; y += 4)
        for (int x = 0; x < 600; x += 4)
            diff += std::abs(qGray(back.pixel(x, y)) - qGray(bitmap.pixel(x, y)));
    EXPECT_LT(diff / (150 * 100), 12);

    // The comment stands in the band that ends 5 pixels above the top edge.
    int inBand = 0, above = 0;
    for (int y = 0; y < r.top(); ++y)
        for (int x = r.left(); x < r.right(); ++x)
            if (isDark(page.pixel(x, y)))
                (y < r.top() - 5 ? inBand : above) += 1;
    EXPECT_GT(inBand, 100);
    EXPECT_EQ(above, 0);
}

// A plot that places its boxes keeps them off its peak on paper as well:
// the peak lies where the legend stands by default, and the page shows it.
TEST(PlotPrint, PlacedBoxesLeaveThePeakInSightOnThePage)
{
    PrintSetup p;
    TLinePlot& plot = p.s.plot;
    auto curve = [&plot](double x0, double top) {
        plot.Setrepaintcomp(false);
        plot.DeleteAllCol();
        const int c = plot.AddCol();
        plot.SetLineColor(c, pcRed);
        for (int i = 0; i <= 400; ++i) {
            const double x = i * 0.25, u = (x - x0) / 1.5;
            plot.AddData(c, x, 0.1 + (top - 0.1) / (1.0 + u * u), true);
        }
        plot.SetXY1Axislimit(0, 100, 0, 1.05);
        plot.Setrepaintcomp(true);
    };
    curve(50.0, 1.0);
    const TRect legend = plot.LegendRect();
    ASSERT_FALSE(legend.IsEmpty());
    // Beside the legend's text, clear of its red line sample.
    const int px = legend.Right - 6, py = (legend.Top + legend.Bottom) / 2;
    ASSERT_TRUE(plot.AutoPlaceBoxes) << "every plot places its boxes unless told not to";
    curve(plot.XAxis().Pkt2kord(px), plot.Y1Axis().Pkt2kord(py));
    const QImage bitmap = plot.Bitmap();
    ASSERT_FALSE(plot.LegendRect().Contains(px, py));

    p.dlg().Orientation = 0;
    ASSERT_EQ(plot.PrintPlot(false), TPrintResult::Printed);
    const QImage page = renderPage(p.pdf, p.printer.resolution());
    const QRect r = p.pageOnPaper(false);
    const double sx = double(r.width()) / bitmap.width(), sy = double(r.height()) / bitmap.height();
    const QPoint onPaper(r.left() + int((px + 0.5) * sx), r.top() + int((py + 0.5) * sy));
    int red = 0;
    for (int dy = -int(2 * sy + 1); dy <= int(2 * sy + 1); ++dy)
        for (int dx = -int(2 * sx + 1); dx <= int(2 * sx + 1); ++dx) {
            const QRgb c = page.pixel(onPaper + QPoint(dx, dy));
            // A thin red line, blended with white where the page scales it.
            red += qRed(c) > qGreen(c) + 60 && qRed(c) > qBlue(c) + 60;
        }
    EXPECT_GT(red, 0) << "the peak is hidden on the page";

}

TEST(PlotPrint, LandscapeChosenInTheDialogPrintsLandscapeAndThePrinterStaysPortrait)
{
    PrintSetup p;
    QTimer::singleShot(0, [&] {
        EXPECT_EQ(QApplication::activeModalWidget(), &p.dlg());
        p.dlg().LandscapeItem->click();
        p.dlg().PrinterOKBtn->click();
    });
    EXPECT_EQ(p.s.plot.PrintPlot(true), TPrintResult::Printed);
    EXPECT_EQ(p.printer.pageLayout().orientation(), QPageLayout::Portrait);
    const QImage page = renderPage(p.pdf, p.printer.resolution());
    EXPECT_GT(page.width(), page.height());
    const QRect r = p.pageOnPaper(true);
    EXPECT_TRUE(isBlue(page.pixel(r.topLeft() + QPoint(6, 6))));
    // No comment: nothing dark above the picture.
    for (int y = 0; y < r.top() - 2; y += 2)
        for (int x = r.left(); x < r.right(); x += 2)
            ASSERT_FALSE(isDark(page.pixel(x, y)));

    QTimer::singleShot(0, [&] { p.dlg().PrinterCancelBtn->click(); });
    EXPECT_EQ(p.s.plot.PrintPlot(true), TPrintResult::NotStarted);
}

// A job cancelled in the status box draws nothing more, leaves no file and
// says so; the printer's orientation is back.
TEST(PlotPrint, CancelInTheStatusBoxIsReportedAndLeavesNoPage)
{
    PrintSetup p;
    p.s.plot.Printkommentar = "comment";
    QTimer::singleShot(0, [&] {
        ASSERT_NE(p.dlg().StatusBox(), nullptr);
        p.dlg().StatusBox()->PrintabCancelBtn->click();
    });
    EXPECT_EQ(p.s.plot.PrintPlot(false), TPrintResult::Cancelled);
    EXPECT_FALSE(QFile::exists(p.pdf));
    EXPECT_EQ(p.printer.pageLayout().orientation(), QPageLayout::Portrait);
    EXPECT_EQ(p.dlg().StatusBox(), nullptr);
    EXPECT_FALSE(p.s.plot.Printing());
}

// While the status box is up nothing else reaches the plot: a second print
// is refused and the box cannot be closed.
TEST(PlotPrint, StatusBoxKeepsOtherCommandsOutUntilTheJobReturns)
{
    PrintSetup p;
    TPrintResult second = TPrintResult::Printed;
    bool closed = true;
    QTimer::singleShot(0, [&] {
        TPrintAboutDlg* box = p.dlg().StatusBox();
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->windowModality(), Qt::ApplicationModal);
        EXPECT_EQ(QApplication::activeModalWidget(), box);
        EXPECT_TRUE(p.s.plot.Printing());
        second = p.s.plot.PrintPlot(false);
        closed = box->close();
        QTest::keyClick(box, Qt::Key_Escape);
        EXPECT_TRUE(box->isVisible());
    });
    EXPECT_EQ(p.s.plot.PrintPlot(false), TPrintResult::Printed);
    EXPECT_EQ(second, TPrintResult::Busy);
    EXPECT_FALSE(closed);
    EXPECT_TRUE(QFile::exists(p.pdf));
}

TEST(PlotPrint, FailureIsShownAndTheOrientationRestored)
{
    PrintSetup p;
    p.printer.setOutputFileName(p.dir.filePath("no/such/folder/plot.pdf"));
    EXPECT_EQ(p.s.plot.PrintPlot(false), TPrintResult::Failed);
    ASSERT_EQ(p.s.script.boxes.size(), 1u);
    EXPECT_EQ(p.s.script.boxes[0].caption, "I/O Error");
    EXPECT_EQ(p.printer.pageLayout().orientation(), QPageLayout::Portrait);
    EXPECT_FALSE(p.s.plot.Printing());
}

// Without any printer the dialog says so and the plot goes to a PDF file.
TEST(PlotPrint, NoPrinterInstalledOffersAPdfFile)
{
    PrintSetup p;
    p.services.gui.printers.clear();
    p.dlg().FormShow();
    EXPECT_EQ(p.dlg().LPrinter2->text().toStdString(), NoPrinterText);

    const QString chosen = p.dir.filePath("chosen.pdf");
    p.s.script.saveAnswers = {chosen.toStdString(), std::nullopt};
    EXPECT_EQ(p.s.plot.PrintPlot(false), TPrintResult::Printed);
    ASSERT_EQ(p.s.script.saveRequests.size(), 1u);
    EXPECT_EQ(p.s.script.saveRequests[0].defaultExt, "pdf");
    QFile f(chosen);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.read(4), "%PDF");

    EXPECT_EQ(p.s.plot.PrintPlot(false), TPrintResult::NotStarted);
    EXPECT_EQ(p.s.script.saveRequests.size(), 2u);
}

// A PDF file that cannot be written is an "I/O Error" with its reason, and
// the device named as the file stays the device.
TEST(PlotPrint, APdfThatCannotBeWrittenIsAnIoError)
{
    PrintSetup p;
    p.services.gui.printers.clear();
    veltrane::test::DeviceNode full;
    p.s.script.saveAnswers = {full.path()};
    EXPECT_EQ(p.s.plot.PrintPlot(false), TPrintResult::Failed);
    ASSERT_EQ(p.s.script.boxes.size(), 1u);
    EXPECT_EQ(p.s.script.boxes[0].caption, "I/O Error");
    EXPECT_NE(p.s.script.boxes[0].text.find(std::strerror(ENOSPC)), std::string::npos) << p.s.script.boxes[0].text;
    EXPECT_TRUE(full.intact());
    EXPECT_FALSE(p.s.plot.Printing());
}

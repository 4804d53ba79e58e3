// Printing the plot's bitmap on one page: orientation, page rectangle,
// comment line, the stretched bitmap, and the status box whose Cancel stops
// the job.

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <memory>

#include "plot/DruckDlg.h"
#include "plot/Lineplot.h"
#include "plot/PrintAboutDlg.h"
#include "platform/qt/GuiServices.h"
#include "platform/qt/PrintJob.h"

namespace {

// Puts back what a print job changes, whichever way it ends.
class JobScope {
public:
    JobScope(QPrinter& printer, bool& printing) : printer_(printer), printing_(printing)
    {
        orientation_ = printer.pageLayout().orientation();
        printing_ = true;
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~JobScope()
    {
        printer_.setPageOrientation(orientation_);
        QGuiApplication::restoreOverrideCursor();
        printing_ = false;
    }
    JobScope(const JobScope&) = delete;
    JobScope& operator=(const JobScope&) = delete;

private:
    QPrinter& printer_;
    bool& printing_;
    QPageLayout::Orientation orientation_;
};

}  // namespace

bool TDruckDlg::PumpMessages()
{
    QCoreApplication::processEvents();
    return !(status_ && status_->Cancelled());
}

TPrintResult TDruckDlg::PrintPlot(const std::string& comment)
{
    if (printing_)
        return TPrintResult::Busy;
    QPrinter& printer = veltrane::guiServices().printer();
    if (veltrane::guiServices().printerNames().empty() && !veltrane::ChoosePdfFile(printer))
        return TPrintResult::NotStarted;

    JobScope scope(printer, printing_);
    auto status = std::make_unique<TPrintAboutDlg>(this);
    status->Sprache = Sprache;
    status_ = status.get();
    status->show();

    const bool landscape = Orientation != 0;
    printer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    const QRect area = printer.pageRect(QPrinter::DevicePixel).toRect();
    const TRect page = PrintPageRect(area.width(), area.height(), landscape);

    veltrane::PrintJob job(printer);
    QPainter painter;
    if (!job.begin(painter, "plot"))
        return TPrintResult::Failed;
    if (!comment.empty()) {
        QFont font("Courier New");
        font.setPointSize(10);
        painter.setFont(font);
        QFontMetrics fm(font, &printer);
        painter.setPen(Qt::black);
        painter.drawText(QPoint(page.Left, PrintCommentTop(page, fm.height()) + fm.ascent()),
                         QString::fromStdString(comment));
    }
    bool go = PumpMessages();
    if (go) {
        QImage bitmap;
        plot_.GetPlotBitmap(bitmap);
        go = PrintBitmap(painter, page, bitmap);
    }
    if (!go) {
        // Nothing more goes on the page, and no PDF file is written.
        job.abort(painter);
        return TPrintResult::Cancelled;
    }
    return job.finish(painter) ? TPrintResult::Printed : TPrintResult::Failed;
}

bool TDruckDlg::PrintBitmap(QPainter& painter, const TRect& r, const QImage& bitmap)
{
    if (!PumpMessages())
        return false;
    if (bitmap.isNull())
        return true;
    const QImage pixels = bitmap.convertToFormat(QImage::Format_RGB32);
    if (!PumpMessages())
        return false;
    // Stretched to fill the rectangle: the plot's aspect ratio is not kept.
    painter.drawImage(QRect(r.Left, r.Top, r.Width(), r.Height()), pixels);
    return true;
}

#include "gui/fit/TextPrint.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

#include "platform/Platform.h"
#include "platform/qt/GuiServices.h"

namespace veltrane {
namespace {

bool choosePdfFile(QPrinter& printer)
{
    SaveFileRequest req;
    req.title = "No printer is installed: print to a PDF file";
    req.filter = "PDF files (*.pdf)|*.pdf";
    req.defaultExt = "pdf";
    const std::optional<std::string> file = platform().chooseSaveFile(req);
    if (!file || file->empty())
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(*file));
    return true;
}

}  // namespace

bool PrintTextLines(const std::vector<std::string>& lines)
{
    QPrinter& printer = guiServices().printer();
    if (guiServices().printerNames().empty() && !choosePdfFile(printer))
        return false;
    QPainter painter;
    if (!painter.begin(&printer)) {
        showError("Error", "The text could not be printed: the printer could not be started.");
        return false;
    }
    QFont font("Courier New");
    font.setPointSize(10);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QFontMetrics fm(font, &printer);
    const QRect page = printer.pageRect(QPrinter::DevicePixel).toRect().translated(
        -printer.pageRect(QPrinter::DevicePixel).toRect().topLeft());
    int y = page.top();
    for (const std::string& line : lines) {
        if (y + fm.height() > page.bottom() && y > page.top()) {
            printer.newPage();
            y = page.top();
        }
        painter.drawText(QPoint(page.left(), y + fm.ascent()), QString::fromStdString(line));
        y += fm.height();
    }
    if (!painter.end()) {
        showError("Error", "The text could not be printed: the print job could not be finished.");
        return false;
    }
    return true;
}

}  // namespace veltrane

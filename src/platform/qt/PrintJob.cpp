#include "platform/qt/PrintJob.h"

#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

#include "platform/Platform.h"
#include "platform/SaveFileBytes.h"

namespace veltrane {
namespace {

std::string s(const QString& q) { return q.toUtf8().toStdString(); }

// The job goes to a file when the printer writes PDF under a name.
QString pdfFileOf(const QPrinter& printer)
{
    return printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : QString();
}

}  // namespace

bool ChoosePdfFile(QPrinter& printer)
{
    const std::optional<std::string> file = platform().chooseSaveFile(saveFileRequest(
        "No printer is installed: print to a PDF file", "PDF files (*.pdf)|*.pdf", "pdf", s(pdfFileOf(printer))));
    if (!file || file->empty())
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(*file));
    return true;
}

bool PdfComplete(const QByteArray& bytes)
{
    if (!bytes.startsWith("%PDF-"))
        return false;
    const QByteArray tail = bytes.right(64).trimmed();
    if (!tail.endsWith("%%EOF"))
        return false;
    const qsizetype at = bytes.lastIndexOf("startxref");
    if (at < 0)
        return false;
    const QList<QByteArray> words = bytes.mid(at).simplified().split(' ');
    bool ok = false;
    const qlonglong offset = words.size() > 1 ? words[1].toLongLong(&ok) : -1;
    if (!ok || offset <= 0 || offset >= at)
        return false;
    // A table or a cross-reference stream object starts there.
    const QByteArray there = bytes.mid(offset, 4);
    return there == "xref" || (!there.isEmpty() && there[0] >= '0' && there[0] <= '9');
}

PrintJob::PrintJob(QPrinter& printer) : printer_(printer), target_(pdfFileOf(printer)) {}

PrintJob::~PrintJob()
{
    if (!target_.isEmpty())
        printer_.setOutputFileName(target_);
}

bool PrintJob::begin(QPainter& painter, const std::string& what)
{
    if (!target_.isEmpty()) {
        dir_ = std::make_unique<QTemporaryDir>();
        if (!dir_->isValid()) {
            showError("I/O Error", "Cannot create file \"" + s(target_) + "\". No temporary folder for the page: " +
                                       s(dir_->errorString()));
            return false;
        }
        draft_ = dir_->filePath("page.pdf");
        // Qt's PDF engine keeps a failed write in the state of its stream,
        // and every later job of that engine would come out empty. Changing
        // the PDF version is what makes the printer build a fresh engine
        // (with the printer's settings): there and back, once per job.
        const QPrinter::PdfVersion version = printer_.pdfVersion();
        printer_.setPdfVersion(version == QPrinter::PdfVersion_1_4 ? QPrinter::PdfVersion_1_6
                                                                   : QPrinter::PdfVersion_1_4);
        printer_.setPdfVersion(version);
        printer_.setOutputFileName(draft_);
    }
    if (!painter.begin(&printer_)) {
        const QString name = target_.isEmpty() ? printer_.printerName() : target_;
        showError("Error", "The " + what + " could not be printed: the printer \"" + s(name) + "\" could not be started.");
        return false;
    }
    return true;
}

bool PrintJob::finish(QPainter& painter)
{
    const bool ended = painter.end();
    if (target_.isEmpty()) {
        if (!ended)
            showError("Error", "The print job could not be finished.");
        return ended;
    }
    // The painter's word is not enough: a disk that filled up during the
    // job leaves it content with a file that was cut short.
    QFile draft(draft_);
    QByteArray bytes;
    if (draft.open(QIODevice::ReadOnly))
        bytes = draft.readAll();
    if (!ended || draft.error() != QFileDevice::NoError || !PdfComplete(bytes)) {
        showError("I/O Error", "Cannot write file \"" + s(target_) + "\". The printed page could not be written in full to \"" +
                                   s(draft_) + "\"; the disk may be full.");
        return false;
    }
    if (const std::optional<std::string> error = saveFileBytes(s(target_), {bytes.constData(), std::size_t(bytes.size())})) {
        showError("I/O Error", *error);
        return false;
    }
    return true;
}

void PrintJob::abort(QPainter& painter)
{
    printer_.abort();
    painter.end();
}

}  // namespace veltrane

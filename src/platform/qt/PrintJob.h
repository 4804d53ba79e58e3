#pragma once
// One print job on the shared printer, for the plot and the text prints
// alike. A job that goes to a PDF file (no printer is installed, or the
// printer is set to a file) is painted into a private temporary file first;
// only a complete PDF is then put under the chosen name, by the writer that
// writes every file of the program. A job whose output cannot be written
// thus says why under "I/O Error" and leaves no empty or partial file, and a
// cancelled job leaves an earlier file of that name as it was.

#include <QByteArray>
#include <QString>
#include <memory>
#include <string>

class QPainter;
class QPrinter;
class QTemporaryDir;

namespace veltrane {

// On a machine without any printer the page goes to a PDF file: asks for
// its name, proposing the last one. False when the user gave none.
bool ChoosePdfFile(QPrinter& printer);

class PrintJob {
public:
    explicit PrintJob(QPrinter& printer);
    // Points the printer back at the chosen file.
    ~PrintJob();
    PrintJob(const PrintJob&) = delete;
    PrintJob& operator=(const PrintJob&) = delete;

    // Starts painting. False, with the reason shown, when the job cannot
    // start; what names the printed thing in that message ("plot", "text").
    bool begin(QPainter& painter, const std::string& what);
    // Ends painting and delivers the page. False, with the reason shown,
    // when it could not be written.
    bool finish(QPainter& painter);
    // Ends a cancelled job: nothing more is printed or written.
    void abort(QPainter& painter);

private:
    QPrinter& printer_;
    QString target_;  // the PDF file asked for; empty for a printer
    std::unique_ptr<QTemporaryDir> dir_;
    QString draft_;  // the temporary PDF file inside dir_
};

// A whole PDF file: its header, and a trailer that ends with "%%EOF" and
// whose cross-reference offset lies inside the file where the table
// starts. A file cut short or missing a block fails.
bool PdfComplete(const QByteArray& bytes);

}  // namespace veltrane

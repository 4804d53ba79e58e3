#include "platform/qt/QtPlatform.h"

#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>

#include "platform/qt/FileFilter.h"
#include "platform/qt/HelpWindow.h"
#include "platform/qt/OpenFileDialog.h"
#include "platform/qt/PlainText.h"
#include "platform/qt/SaveFileDialog.h"

namespace veltrane {
namespace {

QString q(const std::string& s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }
std::string s(const QString& q) { return q.toUtf8().toStdString(); }

QMessageBox::Icon qtIcon(BoxIcon icon)
{
    switch (icon) {
    case BoxIcon::Stop: return QMessageBox::Critical;
    case BoxIcon::Warning: return QMessageBox::Warning;
    case BoxIcon::Information: return QMessageBox::Information;
    case BoxIcon::Question: return QMessageBox::Question;
    case BoxIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace


QtPlatform::QtPlatform() = default;
QtPlatform::~QtPlatform()
{
    if (help_)
        delete help_.data();
}

BoxAnswer QtPlatform::message(const MessageRequest& r)
{
    QMessageBox box(qtIcon(r.icon), plainWindowTitle(q(r.caption)), q(r.text), QMessageBox::NoButton,
                    QApplication::activeWindow());
    // Boxes name files, scans and comments: what they hold is shown as
    // written, never read as markup.
    box.setTextFormat(Qt::PlainText);
    switch (r.buttons) {
    case BoxButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case BoxButtons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case BoxButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case BoxButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Ok: return BoxAnswer::Ok;
    case QMessageBox::Yes: return BoxAnswer::Yes;
    case QMessageBox::No: return BoxAnswer::No;
    default: return BoxAnswer::Cancel;
    }
}

std::vector<std::string> QtPlatform::chooseOpenFiles(const OpenFileRequest& r)
{
    OpenFileDialog dlg(*this, QApplication::activeWindow(), q(r.title), q(r.initialDir), qtFilter(r.filter));
    dlg.setOption(QFileDialog::HideNameFilterDetails);
    dlg.setAcceptMode(QFileDialog::AcceptOpen);
    dlg.setFileMode(r.multiSelect ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    dlg.setDefaultExtension(q(r.defaultExt));
    if (!r.fileName.empty())
        dlg.selectFile(q(r.fileName));
    std::vector<std::string> out;
    if (dlg.exec() == QDialog::Accepted)
        for (const QString& f : dlg.chosenFiles())
            out.push_back(s(f));
    return out;
}

std::optional<std::string> QtPlatform::chooseSaveFile(const SaveFileRequest& r)
{
    SaveFileDialog dlg(QApplication::activeWindow(), q(r.title), q(r.initialDir), qtFilter(r.filter));
    dlg.setOption(QFileDialog::HideNameFilterDetails);
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setFileMode(QFileDialog::AnyFile);
    dlg.setDefaultExtension(q(r.defaultExt));
    if (!r.promptOverwrite)
        dlg.setOption(QFileDialog::DontConfirmOverwrite);
    if (!r.fileName.empty())
        dlg.selectFile(q(r.fileName));
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return std::nullopt;
    return s(dlg.selectedFiles().first());
}

void QtPlatform::showHelp(const std::string& keyword)
{
    if (!help_) {
        help_ = new QTextBrowser;
        help_->setWindowFlags(Qt::Dialog | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
        help_->setAttribute(Qt::WA_DeleteOnClose);
        // Closing the main window ends the program, help or not.
        help_->setAttribute(Qt::WA_QuitOnClose, false);
        // Shown again for a new owner when a dialog closes, it must not take
        // the focus from that owner; asked for, it is activated below.
        help_->setAttribute(Qt::WA_ShowWithoutActivating);
        help_->setWindowTitle("Veltrane Help");
        help_->resize(640, 480);
    }
    // One page per keyword; a folder of the program's resources (":/help")
    // is read through the "qrc" scheme.
    const QString page = helpFolder_ + "/" + q(keyword) + ".html";
    if (!helpFolder_.isEmpty() && QFileInfo::exists(page)) {
        help_->setSearchPaths({helpFolder_});
        help_->setSource(page.startsWith(':') ? QUrl("qrc" + page) : QUrl::fromLocalFile(page));
    } else {
        help_->setHtml("<h2>Veltrane</h2><p>Help topic " + q(keyword).toHtmlEscaped() + "</p>");
    }
    PresentHelpWindow(*help_);
}

void QtPlatform::beep() { QApplication::beep(); }

std::string QtPlatform::dateText()
{
    return s(QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
}

std::string QtPlatform::dateTimeText()
{
    return s(QLocale::system().toString(QDateTime::currentDateTime(), QLocale::ShortFormat));
}

void QtPlatform::setClipboardText(const std::string& utf8) { QApplication::clipboard()->setText(q(utf8)); }

char QtPlatform::decimalSeparator() const
{
    QString p = QLocale::system().decimalPoint();
    return (p.size() == 1 && p[0].unicode() < 128) ? char(p[0].unicode()) : '.';
}


void QtPlatform::setClipboardImage(const QImage& image) { QApplication::clipboard()->setImage(image); }

QPrinter& QtPlatform::printer()
{
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

bool QtPlatform::setupPrinter(QWidget* parent)
{
    // Qt's print dialog serves as the set-up: it chooses and sets up the
    // printer and prints nothing, so it neither says "Print" nor offers a
    // file to print to (which would ask to overwrite one).
    QPrintDialog dlg(&printer(), parent);
    dlg.setOption(QAbstractPrintDialog::PrintToFile, false);
    if (auto* buttons = dlg.findChild<QDialogButtonBox*>())
        if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok))
            ok->setText("OK");
    return dlg.exec() == QDialog::Accepted;
}

std::vector<std::string> QtPlatform::printerNames()
{
    std::vector<std::string> names;
    for (const QString& n : QPrinterInfo::availablePrinterNames())
        names.push_back(s(n));
    return names;
}

}  // namespace veltrane

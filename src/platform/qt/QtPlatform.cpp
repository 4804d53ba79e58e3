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
#include <QScreen>
#include <QTimer>
#include <QUrl>
#include <QWindow>
#include <algorithm>

#include "platform/qt/OpenFileDialog.h"

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

// "*.[eE][lL][lL]" for "*.ell".
QString anyCase(const QString& pattern)
{
    QString out;
    for (QChar c : pattern)
        out += c.toLower() != c.toUpper() ? QString('[') + c.toLower() + c.toUpper() + ']' : QString(c);
    return out;
}

// Patterns listed in several cases ("*.ell;*.ELL") mean every case: one
// pattern that also matches "*.Ell", where a chooser matches with case.
QStringList caseMergedPatterns(const QStringList& patterns)
{
    QStringList out, spelled;
    for (const QString& p : patterns) {
        qsizetype same = 0;
        while (same < spelled.size() && spelled[same].compare(p, Qt::CaseInsensitive) != 0)
            ++same;
        if (same == spelled.size()) {
            spelled << p;
            out << p;
        } else if (spelled[same] != p && !p.contains('[')) {
            out[same] = anyCase(p);
        }
    }
    return out;
}

}  // namespace

QString qtFilter(const std::string& filter)
{
    QStringList parts = q(filter).split('|');
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString desc = parts[i].trimmed();
        const QStringList patterns = parts[i + 1].split(';', Qt::SkipEmptyParts);
        const QString listed = patterns.join(' ');
        if (!desc.contains('(') || !desc.contains(listed))
            desc += " (" + listed + ")";
        // Qt reads the patterns from the last parentheses; the choosers
        // hide them, so the description shows what it lists.
        out << desc + " (" + caseMergedPatterns(patterns).join(' ') + ")";
    }
    return out.join(";;");
}

QtPlatform::QtPlatform() = default;
QtPlatform::~QtPlatform()
{
    if (help_)
        delete help_.data();
}

BoxAnswer QtPlatform::message(const MessageRequest& r)
{
    QMessageBox box(qtIcon(r.icon), q(r.caption), q(r.text), QMessageBox::NoButton,
                    QApplication::activeWindow());
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
    OpenFileDialog dlg(QApplication::activeWindow(), q(r.title), q(r.initialDir), qtFilter(r.filter));
    dlg.setOption(QFileDialog::HideNameFilterDetails);
    dlg.setAcceptMode(QFileDialog::AcceptOpen);
    dlg.setFileMode(r.multiSelect ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    if (!r.defaultExt.empty())
        dlg.setDefaultSuffix(q(r.defaultExt));
    if (!r.fileName.empty())
        dlg.selectFile(q(r.fileName));
    std::vector<std::string> out;
    if (dlg.exec() == QDialog::Accepted)
        for (const QString& f : dlg.selectedFiles())
            out.push_back(s(f));
    return out;
}

std::optional<std::string> QtPlatform::chooseSaveFile(const SaveFileRequest& r)
{
    QFileDialog dlg(QApplication::activeWindow(), q(r.title), q(r.initialDir), qtFilter(r.filter));
    dlg.setOption(QFileDialog::HideNameFilterDetails);
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setFileMode(QFileDialog::AnyFile);
    if (!r.defaultExt.empty())
        dlg.setDefaultSuffix(q(r.defaultExt));
    if (!r.promptOverwrite)
        dlg.setOption(QFileDialog::DontConfirmOverwrite);
    if (!r.fileName.empty())
        dlg.selectFile(q(r.fileName));
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return std::nullopt;
    return s(dlg.selectedFiles().first());
}

namespace {

// The window manager reads a window's owner only when the window maps, and
// then keeps it in front of that owner. The owner it was told is kept by
// window id: a dialog's native window may be made anew for each showing.
WId ownerId(const QWidget& help)
{
    const QWindow* owner = help.windowHandle() ? help.windowHandle()->transientParent() : nullptr;
    return owner ? owner->winId() : 0;
}
bool ownerKnown(const QWidget& help) { return help.property("mappedOwner").value<WId>() == ownerId(help); }
void showForOwner(QWidget& help)
{
    help.show();
    help.setProperty("mappedOwner", QVariant::fromValue(ownerId(help)));
}

// Gives the help window to the window it was asked from, for Qt's
// modality. A modal dialog blocks every window but its own, so the help
// window asked for from a dialog becomes the dialog's: a transient, not a
// child, so that it outlives the dialog. When the dialog goes, the help
// window passes to the window then in front (another dialog that was open
// below, or the dialog's owner) and stays usable and in view.
void attachHelp(QWidget* help, QWidget* owner)
{
    if (owner && owner->window() == help)
        return;
    QWindow* ownerWindow = owner ? owner->window()->windowHandle() : nullptr;
    help->winId();
    QWindow* window = help->windowHandle();
    if (QWindow* old = window->transientParent())
        QObject::disconnect(old, &QWindow::visibleChanged, help, nullptr);
    window->setTransientParent(ownerWindow);
    if (!ownerWindow || !owner->isModal())
        return;
    QPointer<QWidget> back = owner->parentWidget() ? owner->parentWidget()->window() : nullptr;
    QObject::connect(ownerWindow, &QWindow::visibleChanged, help, [help, back](bool visible) {
        if (visible)
            return;
        QTimer::singleShot(0, help, [help, back] {
            QWidget* modal = QApplication::activeModalWidget();
            attachHelp(help, modal ? modal : back.data());
            if (help->isVisible() && !ownerKnown(*help)) {
                help->hide();
                showForOwner(*help);
            }
        });
    });
}

// Puts the help window beside the dialog, where it never covers the
// dialog's buttons: right of it, else left, below or above, whichever side
// first has room for a readable page; else the side with the most room. It
// shrinks to its room.
void placeBeside(QWidget& help, const QWidget& dialog)
{
    const QRect d = dialog.frameGeometry();
    const QRect area = dialog.screen()->availableGeometry();
    // The help window's frame is not known before the window manager maps
    // it; the dialog's is the best guess. Qt places an unmapped window by
    // its client area, so the frame is added by hand.
    const QMargins frame(dialog.geometry().left() - d.left(), dialog.geometry().top() - d.top(),
                         d.right() - dialog.geometry().right(), d.bottom() - dialog.geometry().bottom());
    const QSize framing(frame.left() + frame.right(), frame.top() + frame.bottom());
    const QSize want = QSize(640, 480) + framing;
    const QSize readable = QSize(400, 300) + framing;
    const QRect rooms[] = {
        QRect(QPoint(d.right() + 1, area.top()), area.bottomRight()),
        QRect(area.topLeft(), QPoint(d.left() - 1, area.bottom())),
        QRect(QPoint(area.left(), d.bottom() + 1), area.bottomRight()),
        QRect(area.topLeft(), QPoint(area.right(), d.top() - 1)),
    };
    long areas[4];
    int side = -1;
    for (int i = 0; i < 4; ++i) {
        const QSize fit = want.boundedTo(rooms[i].size()).expandedTo(QSize(0, 0));
        areas[i] = long(fit.width()) * fit.height();
        if (side < 0 && fit.width() >= readable.width() && fit.height() >= readable.height())
            side = i;
    }
    if (side < 0)
        side = int(std::max_element(areas, areas + 4) - areas);
    const QRect room = rooms[side];
    const QSize size = want.boundedTo(room.size()).expandedTo(QSize(240, 180) + framing);
    const int x = std::clamp(d.left(), room.left(), std::max(room.left(), room.right() + 1 - size.width()));
    const int y = std::clamp(d.top(), room.top(), std::max(room.top(), room.bottom() + 1 - size.height()));
    QPoint at;
    switch (side) {
    case 0: at = {room.left(), y}; break;
    case 1: at = {room.right() + 1 - size.width(), y}; break;
    case 2: at = {x, room.top()}; break;
    default: at = {x, room.bottom() + 1 - size.height()}; break;
    }
    help.setGeometry(QRect(at, size).marginsRemoved(frame));
}

}  // namespace

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
    QWidget* dialog = QApplication::activeModalWidget();
    attachHelp(help_, dialog ? dialog : QApplication::activeWindow());
    const bool shown = help_->isVisible();
    if (shown && !ownerKnown(*help_))
        help_->hide();
    if (dialog && (!shown || help_->frameGeometry().intersects(dialog->frameGeometry())))
        placeBeside(*help_, *dialog);
    showForOwner(*help_);
    help_->raise();
    help_->activateWindow();
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

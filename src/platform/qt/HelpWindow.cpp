#include "platform/qt/HelpWindow.h"

#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QVariant>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace veltrane {
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

void PresentHelpWindow(QWidget& help)
{
    QWidget* dialog = QApplication::activeModalWidget();
    attachHelp(&help, dialog ? dialog : QApplication::activeWindow());
    const bool shown = help.isVisible();
    if (shown && !ownerKnown(help))
        help.hide();
    if (dialog && (!shown || help.frameGeometry().intersects(dialog->frameGeometry())))
        placeBeside(help, *dialog);
    showForOwner(help);
    help.raise();
    help.activateWindow();
}

}  // namespace veltrane

#include "gui/simulation/ManualGrid.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QMouseEvent>
#include <QStyleOptionHeader>
#include <QStylePainter>

TManualGrid::TManualGrid(QWidget* parent) : QTableWidget(parent)
{
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    // Tab leaves the grid for the buttons; the arrows move inside it.
    setTabKeyNavigation(false);
    setWordWrap(false);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setSectionsClickable(false);
    verticalHeader()->setHighlightSections(false);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    // A click on the corner would select every cell at once.
    setCornerButtonEnabled(false);
    corner_ = findChild<QAbstractButton*>();
    if (corner_)
        corner_->installEventFilter(this);
}

void TManualGrid::SetCornerText(const QString& text)
{
    cornerText_ = text;
    if (corner_)
        corner_->update();
}

void TManualGrid::PlaceCursor(int row, int col)
{
    if (row >= 1 && col >= 1 && row <= rowCount() && col <= columnCount())
        setCurrentCell(row - 1, col - 1);
}

bool TManualGrid::Allowed(const QModelIndex& index) const
{
    if (!index.isValid() || !OnSelectCell)
        return true;
    return OnSelectCell(index.row() + 1, index.column() + 1);
}

QModelIndex TManualGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex to = QTableWidget::moveCursor(action, modifiers);
    if (to.isValid() && to != currentIndex() && !Allowed(to))
        return currentIndex();
    return to;
}

void TManualGrid::mousePressEvent(QMouseEvent* event)
{
    const QModelIndex at = indexAt(event->position().toPoint());
    if (at.isValid() && !Allowed(at)) {
        setFocus(Qt::MouseFocusReason);
        event->accept();
        return;
    }
    QTableWidget::mousePressEvent(event);
}

void TManualGrid::mouseMoveEvent(QMouseEvent* event)
{
    // Dragging with a button held would move the cursor past the owner.
    if (event->buttons() != Qt::NoButton) {
        event->accept();
        return;
    }
    QTableWidget::mouseMoveEvent(event);
}

void TManualGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
    const QModelIndex at = indexAt(event->position().toPoint());
    if (at.isValid() && at == currentIndex() && OnDblClick)
        OnDblClick();
}

bool TManualGrid::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == corner_ && event->type() == QEvent::Paint) {
        QStylePainter p(corner_);
        QStyleOptionHeader opt;
        opt.initFrom(corner_);
        // The button is disabled only so that it cannot be clicked; it
        // looks like the other titles.
        if (isEnabled()) {
            opt.state |= QStyle::State_Enabled;
            opt.palette.setCurrentColorGroup(QPalette::Active);
        }
        opt.rect = corner_->rect();
        opt.text = cornerText_;
        opt.textAlignment = Qt::AlignCenter;
        opt.position = QStyleOptionHeader::OnlyOneSection;
        opt.orientation = Qt::Horizontal;
        p.drawControl(QStyle::CE_Header, opt);
        return true;
    }
    return QTableWidget::eventFilter(watched, event);
}

// The line plot under the mouse: the read-out, the cursors, the double-click
// zones, dragging the legend and the text boxes, and the zoom rectangle.
// Rubber band and drag frames go on the screen image only; the composed
// bitmap, which is saved and printed, never sees them.

#include <QPainter>
#include <QLabel>
#include <QMouseEvent>

#include "plot/Lineplot.h"
#include "plot/PlotCursors.h"
#include "plot/XorFrame.h"
#include "platform/Platform.h"

TPlotElements TLinePlot::Elements() const
{
    TPlotElements el;
    el.Legend = legendRect_;
    el.Box1 = box1Rect_;
    el.Box2 = box2Rect_;
    el.LegendVisible = Legend_.Visible();
    el.Box1Visible = TextBox1_.Visible();
    el.Box2Visible = TextBox2_.Visible();
    return el;
}

void TLinePlot::RefreshMouse(int x, int y)
{
    // Read the picture as it is about to be shown, not the one it replaces.
    if (repaintcomp_ && !BitmapCurrent())
        ComposeBitmap();
    if (!plotDrawn_) {
        // No plot on the screen: nothing to read out, nothing to grab.
        mouse_ = TMousekord{x, y};
        hot_ = {};
        readout_->clear();
        cursor_ = TPlotCursor::Default;
        ApplyCursor();
        return;
    }
    mouse_ = MakeMousekord(x, y, layout_.Plot, XAxis_, Y1Axis_, Y2Axis_, isY2Axis_);
    readout_->setText(QString::fromStdString(::ReadoutText(mouse_, XAxis_, Y1Axis_, Y2Axis_, isY2Axis_)));
    const TPlotElements el = Elements();
    hot_ = HotZones(x, y, layout_, el, TDialogSwitches{Titledlg, XAxisdlg, Y1Axisdlg, Y2Axisdlg, isY2Axis_});
    cursor_ = PlotCursor(x, y, hot_, layout_, el, ShowKord_, isZoom);
    ApplyCursor();
}

void TLinePlot::ApplyCursor()
{
    if (cursor_ == TPlotCursor::Default)
        unsetCursor();
    else
        setCursor(ToQCursor(cursor_));
}

QString TLinePlot::ReadoutText() const { return readout_->text(); }

void TLinePlot::ClearReadout()
{
    // Hosts add points one by one: clearing an empty label costs nothing.
    if (readout_ && !readout_->text().isEmpty())
        readout_->clear();
}

void TLinePlot::mousePressEvent(QMouseEvent* event)
{
    QWidget::mousePressEvent(event);
    if (event->button() != Qt::LeftButton || drag_.Active() || !plotDrawn_)
        return;
    const QPoint p = event->position().toPoint();
    RefreshMouse(p.x(), p.y());
    TPlotDrag::Kind what = GrabbedElement(p.x(), p.y(), Elements());
    if (what == TPlotDrag::None) {
        if (!isZoom || !mouse_.InPlot)
            return;
        what = TPlotDrag::Zoom;
    }
    drag_ = TPlotDrag{};
    drag_.What = what;
    drag_.Press = drag_.Current = {p.x(), p.y()};
    drag_.PressKord = drag_.CornerKord = mouse_;
    update();
}

void TLinePlot::mouseMoveEvent(QMouseEvent* event)
{
    QWidget::mouseMoveEvent(event);
    const QPoint p = event->position().toPoint();
    RefreshMouse(p.x(), p.y());
    if (drag_.What == TPlotDrag::Zoom) {
        drag_.CornerKord = mouse_;
        update();
    } else if (drag_.Active()) {
        // The pointer may leave the plot; the element stays inside it.
        drag_.Current = ClampToRect({p.x(), p.y()}, layout_.Plot);
        update();
    }
}

void TLinePlot::mouseReleaseEvent(QMouseEvent* event)
{
    QWidget::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || !drag_.Active())
        return;
    const QPoint p = event->position().toPoint();
    RefreshMouse(p.x(), p.y());
    if (drag_.What == TPlotDrag::Zoom)
        FinishZoom();
    else
        FinishElementDrag({p.x(), p.y()});
}

void TLinePlot::FinishElementDrag(TPoint mouse)
{
    drag_.Current = ClampToRect(mouse, layout_.Plot);
    const TPoint shift = drag_.Shift();
    const TPlotDrag::Kind what = drag_.What;
    drag_ = TPlotDrag{};
    update();
    if (shift == TPoint{0, 0})
        return;
    // Where the user puts a box, it stays; the plot goes on placing the
    // others around it.
    if (what == TPlotDrag::Legend) {
        PinBox(what, {Legend_.Left() + shift.x, Legend_.Top() + shift.y});
        Legend_.SetLeft(Legend_.Left() + shift.x);
        Legend_.SetTop(Legend_.Top() + shift.y);
    } else {
        TTextBox& box = what == TPlotDrag::Box1 ? TextBox1_ : TextBox2_;
        PinBox(what, {box.Left() + shift.x, box.Top() + shift.y});
        box.SetLeft(box.Left() + shift.x);
        box.SetTop(box.Top() + shift.y);
    }
    NotifyUserChange(TUserChange::Position);
}

void TLinePlot::FinishZoom()
{
    veltrane::platform().beep();
    drag_.CornerKord = mouse_;
    const TMousekord a = drag_.PressKord, b = drag_.CornerKord;
    drag_ = TPlotDrag{};
    // Limits in any order: the axes order them. A click without a move
    // gives equal limits, which the axes widen.
    if (isY2Axis_)
        SetXY1Y2Axislimit(a.X, b.X, a.Y1, b.Y1, a.Y2, b.Y2);
    else
        SetXY1Axislimit(a.X, b.X, a.Y1, b.Y1);
    update();
    NotifyUserChange(TUserChange::Limits);
}

void TLinePlot::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !plotDrawn_)
        return;
    const QPoint p = event->position().toPoint();
    RefreshMouse(p.x(), p.y());
    const THotFlags hot = hot_;
    if (hot.Title)
        Showtitledlg();
    if (hot.X)
        ShowXAxisdlg();
    if (hot.Y1)
        ShowY1Axisdlg();
    if (hot.Y2)
        ShowY2Axisdlg();
}

QImage TLinePlot::ScreenImage() const
{
    QImage img = bitmap_.copy();
    if (OnScreenImage) {
        OnScreenImage(img);
        // The screen's marks (range markers) run under the boxes, never
        // through their text.
        QPainter p(&img);
        for (const TRect& r : {legendRect_, box1Rect_, box2Rect_, noteRect_})
            if (!r.IsEmpty()) {
                const QRect q(r.Left, r.Top, r.Width(), r.Height());
                p.drawImage(q.topLeft(), bitmap_, q);
            }
    }
    if (drag_.What == TPlotDrag::Zoom) {
        NotXorFrame(img, drag_.Band(), clRed, true);
    } else if (drag_.Active()) {
        const TRect& r = drag_.What == TPlotDrag::Legend ? legendRect_
                         : drag_.What == TPlotDrag::Box1  ? box1Rect_
                                                          : box2Rect_;
        const TPoint s = drag_.Shift();
        NotXorFrame(img, {r.Left + s.x, r.Top + s.y, r.Right + s.x, r.Bottom + s.y}, clRed, true);
    }
    return img;
}

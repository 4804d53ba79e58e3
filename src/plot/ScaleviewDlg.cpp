#include "plot/ScaleviewDlg.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include "plot/Lineplot.h"
#include "plot/PlotCanvas.h"
#include "plot/PlotCursors.h"
#include "plot/plain/DrawnPoints.h"
#include "plot/plain/Sprachfeld.h"
#include "plot/XorFrame.h"

namespace {
enum Caption { cCancel = 0, cCaption = 13 };
}

TScaleviewDlg::TScaleviewDlg(TLinePlot& plot, QWidget* parent) : QDialog(parent), plot_(plot)
{
    setWindowTitle("Scale-Shift-View");
    setMouseTracking(true);
    ScaleviewPanel1 = new QWidget(this);
    ScaleviewcancelBtn = new QPushButton(ScaleviewPanel1);
    // Changes already applied stay: the only button just closes.
    connect(ScaleviewcancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    resize(444, 327);
}

void TScaleviewDlg::showEvent(QShowEvent* event)
{
    setWindowTitle(QString::fromUtf8(SprachText(Sprache, cCaption)));
    ScaleviewcancelBtn->setText(QString::fromUtf8(SprachText(Sprache, cCancel)));
    ScaleviewcancelBtn->adjustSize();
    ArrangePanel();
    QDialog::showEvent(event);
}

void TScaleviewDlg::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    ArrangePanel();
}

void TScaleviewDlg::ArrangePanel()
{
    ScaleviewPanel1->setGeometry(0, height() - PanelHeight, width(), PanelHeight);
    const int bw = ScaleviewcancelBtn->width(), bh = ScaleviewcancelBtn->height();
    ScaleviewcancelBtn->move(ScaleviewPanel1->width() / 2 - bw / 2, (PanelHeight - bh) / 2);
    PaintGes();
    update();
}

void TScaleviewDlg::PaintGes()
{
    // The plot's mapping is that of its last layout: bring it up to date.
    plot_.Bitmap();
    const int W = width(), H = std::max(0, height() - PanelHeight);
    view_.Update(W, H, plot_, plot_.XAxis(), plot_.Y1Axis(), plot_.Y2Axis(), plot_.isY2Axis());
    if (view_.Dragging() && bild_.size() == QSize(W, H))
        return;
    bild_ = TPlotCanvas::NewBitmap(W, H);
    if (bild_.isNull() || W <= 0 || H <= 0)
        return;
    TPlotCanvas c(bild_);
    Paintbild(c);
}

void TScaleviewDlg::Paintbild(TPlotCanvas& c)
{
    const TRect& d = view_.Data();
    c.FillRect(view_.Full(), clWhite);
    c.SetPen(clGray, psDash, 1);
    c.SetBrushClear();
    c.Rectangle(d.Left, d.Top, d.Right, d.Bottom);
    if (!view_.HasData())
        return;
    c.SetClipRect(d);
    for (const TDataCol& col : plot_.Columns()) {
        if (!col.doPlot || (col.YAxistyp && !view_.isY2Axis()) || col.Points.empty())
            continue;
        c.SetPen(ConvertPlotcolor(col.PlotArt == paSymbol ? col.SymbolColor : col.LineColor),
                 ConvertLineArt(col.LineArt), 1);
        // The miniature places every valid point: a value off an axis goes
        // near the end it lies beyond.
        auto place = [&](const TDPunkt& pt, TPoint& out) {
            if (pt.valid)
                out = {view_.MapX(pt.x), view_.MapY(pt.y, col.YAxistyp)};
            return pt.valid;
        };
        WalkDrawnPoints(col, place, [&](const TDrawnPoint& q) {
            if (q.Join != TJoin::Joined)
                c.MoveTo(q.At.x, q.At.y);
            if (q.Join != TJoin::First)
                c.LineTo(q.At.x, q.At.y);
        });
    }
    c.ClearClip();
}

QImage TScaleviewDlg::ScreenImage() const
{
    QImage img = bild_.copy();
    if (view_.HasData())
        NotXorFrame(img, view_.Frame(), clRed, false);
    return img;
}

void TScaleviewDlg::paintEvent(QPaintEvent*)
{
    if (!view_.Dragging())
        PaintGes();
    QPainter p(this);
    p.drawImage(0, 0, ScreenImage());
}

void TScaleviewDlg::SetAreaCursor()
{
    static const TPlotCursor byArea[10] = {
        TPlotCursor::Default,   TPlotCursor::Zoom,      TPlotCursor::SizeFDiag, TPlotCursor::SizeFDiag,
        TPlotCursor::SizeBDiag, TPlotCursor::SizeBDiag, TPlotCursor::SizeHor,   TPlotCursor::SizeHor,
        TPlotCursor::SizeVer,   TPlotCursor::SizeVer};
    const int a = view_.Area();
    setCursor(ToQCursor(byArea[a >= 0 && a <= 9 ? a : 0]));
}

void TScaleviewDlg::mouseMoveEvent(QMouseEvent* event)
{
    QDialog::mouseMoveEvent(event);
    const QPoint p = event->position().toPoint();
    if (view_.MouseMove({p.x(), p.y()}))
        update();
    if (!view_.Dragging())
        SetAreaCursor();
}

void TScaleviewDlg::mousePressEvent(QMouseEvent* event)
{
    QDialog::mousePressEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint p = event->position().toPoint();
    view_.MouseDown({p.x(), p.y()});
}

void TScaleviewDlg::mouseReleaseEvent(QMouseEvent* event)
{
    QDialog::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    std::optional<TViewLimits> v = view_.MouseUp();
    if (!v)
        return;
    if (v->WithY2)
        plot_.SetXY1Y2Axislimit(v->XMin, v->XMax, v->Y1Min, v->Y1Max, v->Y2Min, v->Y2Max);
    else
        plot_.SetXY1Axislimit(v->XMin, v->XMax, v->Y1Min, v->Y1Max);
    plot_.NotifyUserChange(TUserChange::Limits);
    update();
}

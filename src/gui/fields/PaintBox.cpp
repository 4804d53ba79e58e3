#include "gui/fields/PaintBox.h"

#include <QMouseEvent>
#include <QPainter>

#include "plot/PlotCanvas.h"

TPaintBox::TPaintBox(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::PointingHandCursor);
}

QImage TPaintBox::Picture()
{
    QImage image = TPlotCanvas::NewBitmap(std::max(width(), 1), std::max(height(), 1));
    image.fill(palette().color(QPalette::Window));
    if (OnPaint) {
        TPlotCanvas canvas(image);
        OnPaint(canvas);
    }
    return image;
}

void TPaintBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, Picture());
}

void TPaintBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && OnClick)
        OnClick();
}

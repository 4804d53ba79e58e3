#include "plot/PlotCursors.h"

#include <QPainter>
#include <QPixmap>

namespace {

// A magnifying glass with its hot spot in the middle of the lens.
QCursor zoomCursor()
{
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Qt::white, 4));
    p.drawEllipse(QRect(3, 3, 14, 14));
    p.drawLine(16, 16, 27, 27);
    p.setPen(QPen(Qt::black, 2));
    p.drawEllipse(QRect(3, 3, 14, 14));
    p.setPen(QPen(Qt::black, 3));
    p.drawLine(16, 16, 26, 26);
    p.end();
    return QCursor(pm, 10, 10);
}

}  // namespace

QCursor ToQCursor(TPlotCursor c)
{
    switch (c) {
    case TPlotCursor::Hand: return QCursor(Qt::PointingHandCursor);
    case TPlotCursor::Zoom: {
        static const QCursor zoom = zoomCursor();
        return zoom;
    }
    case TPlotCursor::Cross: return QCursor(Qt::CrossCursor);
    case TPlotCursor::SizeFDiag: return QCursor(Qt::SizeFDiagCursor);
    case TPlotCursor::SizeBDiag: return QCursor(Qt::SizeBDiagCursor);
    case TPlotCursor::SizeHor: return QCursor(Qt::SizeHorCursor);
    case TPlotCursor::SizeVer: return QCursor(Qt::SizeVerCursor);
    case TPlotCursor::Default: break;
    }
    return QCursor(Qt::ArrowCursor);
}

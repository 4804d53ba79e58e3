#include "plot/PlotCanvas.h"

#include <QFontMetrics>

namespace {

QVector<qreal> dashPattern(TPenStyle s)
{
    switch (s) {
    case psDash: return {6, 2};
    case psDot: return {1, 1};
    case psDashDot: return {3, 2, 1, 2};
    case psDashDotDot: return {3, 1, 1, 1, 1, 1};
    default: return {};
    }
}

}  // namespace

QColor TPlotCanvas::ToQColor(TColor c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }

QFont TPlotCanvas::ToQFont(const TPlotFont& f)
{
    QFont q(QString::fromStdString(f.Name));
    q.setPointSize(f.Size > 0 ? f.Size : 1);
    q.setBold(f.Bold);
    q.setStyleStrategy(QFont::NoAntialias);
    return q;
}

QImage TPlotCanvas::NewBitmap(int width, int height)
{
    QImage img(width > 0 ? width : 0, height > 0 ? height : 0, QImage::Format_RGB32);
    int dpm = int(PixelsPerInch / 0.0254 + 0.5);
    img.setDotsPerMeterX(dpm);
    img.setDotsPerMeterY(dpm);
    img.fill(Qt::white);
    return img;
}

TPlotCanvas::TPlotCanvas(QImage& image) : image_(image)
{
    painter_.begin(&image_);
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, false);
    pen_.setCosmetic(true);
    pen_.setCapStyle(Qt::FlatCap);
    pen_.setJoinStyle(Qt::MiterJoin);
    SetPen(clBlack);
    SetBrush(clWhite);
    SetFont(font_);
}

TPlotCanvas::~TPlotCanvas()
{
    FlushLine();
    painter_.end();
}

void TPlotCanvas::ApplyPen() { painter_.setPen(pen_); }

void TPlotCanvas::SetPen(TColor color, TPenStyle style, int width)
{
    FlushLine();
    pen_.setColor(ToQColor(color));
    pen_.setWidth(width < 1 ? 1 : width);
    if (style == psClear)
        pen_.setStyle(Qt::NoPen);
    else if (style == psSolid)
        pen_.setStyle(Qt::SolidLine);
    else
        pen_.setDashPattern(dashPattern(style));
    ApplyPen();
}

void TPlotCanvas::SetPenMode(TPenMode mode)
{
    FlushLine();
    penMode_ = mode;
}

void TPlotCanvas::SetBrush(TColor color)
{
    brushColor_ = color;
    brushClear_ = false;
}

void TPlotCanvas::SetBrushClear() { brushClear_ = true; }

void TPlotCanvas::SetFont(const TPlotFont& font)
{
    font_ = font;
    painter_.setFont(ToQFont(font));
}

void TPlotCanvas::MoveTo(int x, int y)
{
    FlushLine();
    pos_ = QPoint(x, y);
}

void TPlotCanvas::LineTo(int x, int y)
{
    if (pending_.empty())
        pending_.push_back(pos_);
    pos_ = QPoint(x, y);
    pending_.push_back(pos_);
}

void TPlotCanvas::FlushLine()
{
    if (pending_.size() < 2) {
        pending_.clear();
        return;
    }
    if (penMode_ == pmNotXor)
        painter_.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
    painter_.setBrush(Qt::NoBrush);
    painter_.drawPolyline(pending_.data(), int(pending_.size()));
    if (penMode_ == pmNotXor)
        painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    pending_.clear();
}

void TPlotCanvas::Rectangle(int l, int t, int r, int b)
{
    FlushLine();
    if (r - l < 1 || b - t < 1)
        return;
    if (!brushClear_)
        painter_.fillRect(QRect(l, t, r - l, b - t), ToQColor(brushColor_));
    if (pen_.style() != Qt::NoPen) {
        painter_.setBrush(Qt::NoBrush);
        painter_.drawRect(l, t, r - l - 1, b - t - 1);
    }
}

void TPlotCanvas::FillRect(const TRect& r, TColor color)
{
    FlushLine();
    if (!r.IsEmpty())
        painter_.fillRect(QRect(r.Left, r.Top, r.Width(), r.Height()), ToQColor(color));
}

void TPlotCanvas::Ellipse(int l, int t, int r, int b)
{
    FlushLine();
    if (r - l < 1 || b - t < 1)
        return;
    painter_.setBrush(brushClear_ ? QBrush(Qt::NoBrush) : QBrush(ToQColor(brushColor_)));
    painter_.drawEllipse(QRect(l, t, r - l - 1, b - t - 1));
}

void TPlotCanvas::Polygon(std::initializer_list<TPoint> points)
{
    FlushLine();
    QVector<QPoint> q;
    for (const TPoint& p : points)
        q.push_back(QPoint(p.x, p.y));
    painter_.setBrush(brushClear_ ? QBrush(Qt::NoBrush) : QBrush(ToQColor(brushColor_)));
    painter_.drawPolygon(q.data(), int(q.size()));
}

void TPlotCanvas::TextOut(int x, int y, const std::string& text)
{
    FlushLine();
    QString s = QString::fromStdString(text);
    QFontMetrics fm(painter_.font(), &image_);
    if (!textTransparent_ && !brushClear_)
        painter_.fillRect(QRect(x, y, fm.horizontalAdvance(s), fm.height()), ToQColor(brushColor_));
    QPen keep = painter_.pen();
    painter_.setPen(ToQColor(textColor_));
    painter_.drawText(QPoint(x, y + fm.ascent()), s);
    painter_.setPen(keep);
}

int TPlotCanvas::TextWidth(const std::string& text) const { return TextWidth(font_, text); }
int TPlotCanvas::TextHeight(const std::string& text) const { return TextHeight(font_, text); }

int TPlotCanvas::TextWidth(const TPlotFont& font, std::string_view text) const
{
    QFontMetrics fm(ToQFont(font), &image_);
    return fm.horizontalAdvance(QString::fromUtf8(text.data(), qsizetype(text.size())));
}

int TPlotCanvas::TextHeight(const TPlotFont& font, std::string_view) const
{
    QFontMetrics fm(ToQFont(font), &image_);
    return fm.height();
}

void TPlotCanvas::SetClipRect(const TRect& r)
{
    FlushLine();
    painter_.setClipRect(QRect(r.Left, r.Top, r.Width() > 0 ? r.Width() : 0, r.Height() > 0 ? r.Height() : 0));
}

void TPlotCanvas::ClearClip()
{
    FlushLine();
    painter_.setClipping(false);
}

void TPlotCanvas::Draw(int x, int y, const QImage& source, TCopyMode mode)
{
    FlushLine();
    switch (mode) {
    case cmSrcCopy: painter_.setCompositionMode(QPainter::CompositionMode_Source); break;
    case cmSrcAnd: painter_.setCompositionMode(QPainter::RasterOp_SourceAndDestination); break;
    case cmSrcInvert: painter_.setCompositionMode(QPainter::RasterOp_SourceXorDestination); break;
    }
    painter_.drawImage(x, y, source);
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

// The line-plot control as a widget: properties, invalidation, the screen
// copy and the bitmap outputs.

#include "plot/Lineplot.h"

#include <QBuffer>
#include <QLabel>
#include <QPainter>

#include "platform/SaveFileBytes.h"
#include "platform/qt/GuiServices.h"
#include "plot/PlotCanvas.h"

namespace {

// The bitmap as the bytes of its file; empty when it cannot be encoded.
QByteArray encodeBitmap(const QImage& bitmap, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !bitmap.save(&buffer, format))
        return {};
    return bytes;
}

}  // namespace

TLinePlot::TLinePlot(QWidget* parent) : QWidget(parent)
{
    QColor window = palette().color(QPalette::Window);
    Color_ = RGBColor(window.red(), window.green(), window.blue());
    resize(250, 250);
    auto setupAxis = [this](TAxis& a, const char* title) {
        a.SetminValue(0);
        a.SetmaxValue(100);
        a.SetZahlenformat(zfAutomatic);
        a.SetTitle(title);
        a.SetOverlap(0);
        a.OnValueChange = [this](TAxis&) { AxisValueChange(); };
    };
    setupAxis(XAxis_, "X-Axis");
    setupAxis(Y1Axis_, "Y1-Axis");
    setupAxis(Y2Axis_, "Y2-Axis");
    Legend_.OnValueChange = [this](TLegend&) { AxisValueChange(); };
    TextBox1_.SetOnValueChange([this](TTextBox&) { AxisValueChange(); });
    TextBox2_.SetOnValueChange([this](TTextBox&) { AxisValueChange(); });

    readout_ = new QLabel(this);
    readout_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    readout_->setFont(TPlotCanvas::ToQFont(ReadoutFont()));
    readout_->setVisible(ShowKord_);
    // The read-out follows the mouse without a button pressed.
    readout_->setAttribute(Qt::WA_TransparentForMouseEvents);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

TLinePlot::~TLinePlot() = default;

void TLinePlot::AxisValueChange()
{
    stale_ = true;
    ClearReadout();
    update();
}

void TLinePlot::SetTitle(const std::string& title) { SetAndInvalidate(Title_, title.empty() ? std::string(" ") : title); }
void TLinePlot::SetTitleColor(TColor c) { SetAndInvalidate(TitleColor_, c); }
void TLinePlot::SetTitleBkgrdColor(TColor c) { SetAndInvalidate(TitleBkgrdColor_, c); }
void TLinePlot::SetRahmen(bool v) { SetAndInvalidate(Rahmen_, v); }
void TLinePlot::SetPlotBkgrdColor(TColor c) { SetAndInvalidate(PlotBkgrdcolor_, c); }
void TLinePlot::SetColor(TColor c) { SetAndInvalidate(Color_, c); }
void TLinePlot::SetisY2Axis(bool v) { SetAndInvalidate(isY2Axis_, v); }

void TLinePlot::SetShowkord(bool v)
{
    SetAndInvalidate(ShowKord_, v);
    readout_->setVisible(ShowKord_);
}

void TLinePlot::Setrepaintcomp(bool v)
{
    if (repaintcomp_ == v)
        return;
    repaintcomp_ = v;
    if (v) {
        stale_ = true;
        ComposeBitmap();
        repaint();
    }
}

bool TLinePlot::BitmapCurrent() const
{
    return !stale_ && !bitmap_.isNull() && bitmap_.width() == width() && bitmap_.height() == height();
}

void TLinePlot::ComposeBitmap()
{
    bitmap_ = TPlotCanvas::NewBitmap(width(), height());
    if (!bitmap_.isNull() && width() > 0 && height() > 0) {
        TPlotCanvas c(bitmap_);
        plotDrawn_ = Compose(c);
    } else {
        plotDrawn_ = false;
    }
    stale_ = false;
    PlaceReadout();
}

void TLinePlot::PlaceReadout()
{
    readout_->move(10, height() - 20);
    readout_->resize(std::max(0, width() - 20), 16);
    readout_->setVisible(ShowKord_);
}

void TLinePlot::paintEvent(QPaintEvent*)
{
    // With repainting switched off the screen keeps the last picture.
    if (repaintcomp_ && !BitmapCurrent())
        ComposeBitmap();
    if (!plotDrawn_ || bitmap_.isNull())
        return;
    QPainter p(this);
    if (drag_.Active() || OnScreenImage)
        p.drawImage(0, 0, ScreenImage());
    else
        p.drawImage(0, 0, bitmap_);
    p.end();
    if (OnPlotbildCopyed)
        OnPlotbildCopyed(*this);
}

void TLinePlot::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    stale_ = true;
    ClearReadout();
}

const QImage& TLinePlot::Bitmap()
{
    if (!BitmapCurrent())
        ComposeBitmap();
    return bitmap_;
}

const TTextMeasure& TLinePlot::LayoutMeasure(const TPlotCanvas& c) const { return c; }

void TLinePlot::GetPlotBitmap(QImage& out)
{
    if (!BitmapCurrent())
        ComposeBitmap();
    out = bitmap_.copy();
}

bool TLinePlot::SavetoFile(const std::string& fileName, std::string* failure)
{
    if (!BitmapCurrent())
        ComposeBitmap();
    if (bitmap_.isNull())
        return false;
    const bool png = QString::fromStdString(fileName).endsWith(".png", Qt::CaseInsensitive);
    const QByteArray bytes = encodeBitmap(bitmap_, png ? "PNG" : "BMP");
    if (bytes.isEmpty()) {
        if (failure)
            *failure = "The plot could not be encoded for \"" + fileName + "\".";
        return false;
    }
    // Through the program's file writer: a failed write leaves no file, or
    // the old one as it was.
    const std::optional<std::string> error =
        veltrane::saveFileBytes(fileName, {bytes.constData(), std::size_t(bytes.size())});
    if (error && failure)
        *failure = *error;
    return !error;
}

bool TLinePlot::Savetostream(QIODevice& stream)
{
    if (!BitmapCurrent())
        ComposeBitmap();
    if (bitmap_.isNull())
        return false;
    const QByteArray bytes = encodeBitmap(bitmap_, "BMP");
    return !bytes.isEmpty() && stream.write(bytes) == bytes.size();
}

bool TLinePlot::CopytoClipboard()
{
    if (!BitmapCurrent())
        ComposeBitmap();
    if (bitmap_.isNull())
        return false;
    veltrane::guiServices().setClipboardImage(bitmap_);
    return true;
}

#pragma once
// A drawing surface with the semantics the plot was designed for: a line
// leaves out its end pixel, rectangles are half-open (Right and Bottom lie
// outside), pens copy or combine by not-xor, and bitmaps combine into the
// surface by copy, AND or XOR. It draws with QPainter on a QImage (RGB32),
// antialiasing off, and measures text with the image's fonts.

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <initializer_list>
#include <string>
#include <vector>

#include "plot/plain/PlotTypes.h"

enum TPenMode { pmCopy, pmNotXor };
enum TCopyMode { cmSrcCopy, cmSrcAnd, cmSrcInvert };

class TPlotCanvas : public TTextMeasure {
public:
    // Pixels per inch of every plot bitmap: font sizes then mean the pixel
    // heights the plot's layout was designed for.
    static constexpr int PixelsPerInch = 96;

    explicit TPlotCanvas(QImage& image);
    ~TPlotCanvas() override;
    TPlotCanvas(const TPlotCanvas&) = delete;
    TPlotCanvas& operator=(const TPlotCanvas&) = delete;

    // An RGB32 image of the given size at the plot's resolution, filled white.
    static QImage NewBitmap(int width, int height);

    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }
    QImage& Image() { return image_; }
    QPainter& Painter() { return painter_; }

    void SetPen(TColor color, TPenStyle style = psSolid, int width = 1);
    void SetPenMode(TPenMode mode);
    void SetBrush(TColor color);
    void SetBrushClear();
    TColor BrushColor() const { return brushColor_; }
    void SetFont(const TPlotFont& font);
    // Transparent: text leaves the background; opaque: text cells are filled
    // with the brush colour first.
    void SetTextTransparent(bool transparent) { textTransparent_ = transparent; }
    void SetTextColor(TColor color) { textColor_ = color; }

    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Rectangle(int l, int t, int r, int b);
    void FillRect(const TRect& r, TColor color);
    void Ellipse(int l, int t, int r, int b);
    void Polygon(std::initializer_list<TPoint> points);
    void TextOut(int x, int y, const std::string& text);
    int TextWidth(const std::string& text) const;
    int TextHeight(const std::string& text) const;

    int TextWidth(const TPlotFont& font, std::string_view text) const override;
    int TextHeight(const TPlotFont& font, std::string_view text) const override;

    // Restricts drawing to r (half-open) until ClearClip.
    void SetClipRect(const TRect& r);
    void ClearClip();
    void Draw(int x, int y, const QImage& source, TCopyMode mode = cmSrcCopy);

    static QColor ToQColor(TColor c);
    static QFont ToQFont(const TPlotFont& f);

private:
    void FlushLine();
    void ApplyPen();

    QImage& image_;
    QPainter painter_;
    QPen pen_;
    TPenMode penMode_ = pmCopy;
    TColor brushColor_ = clWhite;
    bool brushClear_ = false;
    TPlotFont font_;
    bool textTransparent_ = false;
    TColor textColor_ = clBlack;
    QPoint pos_;
    // Consecutive LineTo calls are gathered into one polyline; drawn on the
    // next other operation, with the same pixels as the single lines.
    std::vector<QPoint> pending_;
};

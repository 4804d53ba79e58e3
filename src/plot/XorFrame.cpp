#include "plot/XorFrame.h"

namespace {

class FrameWalker {
public:
    FrameWalker(QImage& image, TColor colour, bool dashed)
        : image_(image), dashed_(dashed),
          // ~(src ^ dst) == dst ^ ~src: one xor with the inverted pen colour.
          mask_(~qRgb(RedOf(colour), GreenOf(colour), BlueOf(colour)) & 0x00FFFFFFu)
    {
    }

    void Pixel(int x, int y)
    {
        const bool on = !dashed_ || step_ % 8 < 6;
        ++step_;
        if (!on || x < 0 || y < 0 || x >= image_.width() || y >= image_.height())
            return;
        auto* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
        line[x] ^= mask_;
    }

private:
    QImage& image_;
    bool dashed_;
    QRgb mask_;
    int step_ = 0;
};

}  // namespace

void NotXorFrame(QImage& image, const TRect& r, TColor colour, bool dashed)
{
    if (r.IsEmpty() || image.isNull())
        return;
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32)
        image = image.convertToFormat(QImage::Format_RGB32);
    FrameWalker w(image, colour, dashed);
    const int l = r.Left, t = r.Top, rr = r.Right - 1, b = r.Bottom - 1;
    for (int x = l; x <= rr; ++x)
        w.Pixel(x, t);
    if (b == t)
        return;
    for (int y = t + 1; y <= b; ++y)
        w.Pixel(rr, y);
    for (int x = rr - 1; x >= l; --x)
        w.Pixel(x, b);
    if (rr == l)
        return;
    for (int y = b - 1; y > t; --y)
        w.Pixel(l, y);
}

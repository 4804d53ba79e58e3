#pragma once
// Small value types shared by the plot's model, layout and painting. None of
// them depends on Qt, so that the axis engine, the layout arithmetic and the
// legend model can be tested without pixels.

#include <cstdint>
#include <string>
#include <string_view>

// A colour as the plot stores it: 0x00BBGGRR, red in the low byte.
using TColor = std::uint32_t;

constexpr TColor RGBColor(int r, int g, int b)
{
    return TColor(r & 0xFF) | (TColor(g & 0xFF) << 8) | (TColor(b & 0xFF) << 16);
}
constexpr int RedOf(TColor c) { return int(c & 0xFF); }
constexpr int GreenOf(TColor c) { return int((c >> 8) & 0xFF); }
constexpr int BlueOf(TColor c) { return int((c >> 16) & 0xFF); }

constexpr TColor clBlack = RGBColor(0, 0, 0);
constexpr TColor clWhite = RGBColor(255, 255, 255);
constexpr TColor clAqua = RGBColor(0, 255, 255);
constexpr TColor clRed = RGBColor(255, 0, 0);
constexpr TColor clGray = RGBColor(128, 128, 128);

enum TPenStyle : std::uint8_t { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear };

// A rectangle in pixels, half-open: Right and Bottom lie just outside.
struct TRect {
    std::int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
    std::int32_t Width() const { return Right - Left; }
    std::int32_t Height() const { return Bottom - Top; }
    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    // Edges included, as the plot treats its own rectangle.
    bool ContainsClosed(std::int32_t x, std::int32_t y) const
    {
        return x >= Left && x <= Right && y >= Top && y <= Bottom;
    }
    // Half-open, as a painted element covers its rectangle.
    bool Contains(std::int32_t x, std::int32_t y) const
    {
        return x >= Left && x < Right && y >= Top && y < Bottom;
    }
    bool operator==(const TRect&) const = default;
};

struct TPoint {
    std::int32_t x = 0, y = 0;
    bool operator==(const TPoint&) const = default;
};

struct TPlotFont {
    std::string Name = "Courier New";
    int Size = 10;  // points at 96 pixels per inch
    bool Bold = false;
    bool operator==(const TPlotFont&) const = default;
};

// Measures text in pixels. The painting canvas implements it with real
// fonts; layout tests inject fixed metrics.
class TTextMeasure {
public:
    virtual ~TTextMeasure() = default;
    virtual int TextWidth(const TPlotFont& font, std::string_view text) const = 0;
    // The cell height of a line of text in this font.
    virtual int TextHeight(const TPlotFont& font, std::string_view text) const = 0;
};

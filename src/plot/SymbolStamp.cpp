#include "plot/SymbolStamp.h"

#include "plot/PlotCanvas.h"
#include "plot/plain/PlotGeometry.h"

QImage InitPaintSymbol(const TDataCol& col, TStampMode mode)
{
    int s = mode == smLegend ? 10 : EffectiveSymbolSize(col.Symbolsize);
    if (s <= 0)
        return {};
    QImage img = TPlotCanvas::NewBitmap(s, s);
    {
        TPlotCanvas c(img);
        c.SetBrush(clBlack);
        c.SetPen(clBlack);
        if (mode == smImage)
            c.FillRect({0, 0, s, s}, clBlack);
        TColor sc = ConvertPlotcolor(col.SymbolColor);
        if (mode != smMask)
            c.SetBrush(sc);
        TSymbolArt art = col.SymbolArt;
        bool hollow = art >= saHSquare && art <= saHRaute;
        bool lineForm = art >= saCross;
        if (hollow) {
            c.SetBrushClear();
            art = TSymbolArt(art - saHSquare);
        }
        if ((hollow || lineForm) && mode != smMask)
            c.SetPen(sc);
        int h = s / 2;
        switch (art) {
        case saSquare: c.Rectangle(0, 0, s, s); break;
        case saCircle: c.Ellipse(0, 0, s, s); break;
        case saTriUp: c.Polygon({{h, 0}, {s, s - 1}, {0, s - 1}}); break;
        case saTriDown: c.Polygon({{0, 0}, {s, 0}, {h, s}}); break;
        case saRaute: c.Polygon({{h, 0}, {s, h}, {h, s}, {0, h}}); break;
        case saCross:
        case saStar:
            c.MoveTo(0, 0); c.LineTo(s, s);
            c.MoveTo(0, s); c.LineTo(s, 0);
            if (art == saCross)
                break;
            [[fallthrough]];
        case saPlus:
            c.MoveTo(h, 0); c.LineTo(h, s);
            c.MoveTo(0, h); c.LineTo(s, h);
            break;
        default: break;
        }
    }
    return img;
}

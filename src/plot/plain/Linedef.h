#pragma once
// The records and enumerations of the plot package: one data point, one data
// column with its drawing style, and the style enumerations with their
// mapping to colours and pen styles.

#include <cstdint>
#include <string>
#include <vector>

#include "plot/plain/PlotTypes.h"

enum TPlotColor : std::uint8_t {
    pcBlack, pcRed, pcBlue, pcLime, pcPurple, pcGreen, pcNavy,
    pcFuchsia, pcOlive, pcMaroon, pcTeal, pcAqua, pcWhite
};
enum TLineArt : std::uint8_t { laSolid, laDash, laDot, laDashDot, laDashDotDot };
enum TPlotArt : std::uint8_t { paLine, paSymbol, paLineSymbol };
enum TSymbolArt : std::uint8_t {
    saSquare, saCircle, saTriUp, saTriDown, saRaute,
    saHSquare, saHCircle, saHTriUp, saHTriDown, saHRaute,
    saCross, saPlus, saStar
};
enum TZahlenFormat : std::uint8_t { zfAutomatic, zfFliesskommar, zfExponent, zfTechnik };
enum TZeroweite : std::uint8_t { zwSchmal, zwMittel, zwBreit };
enum TSprachart : std::uint8_t { deutsch, englisch };

struct TDPunkt {
    double x = 0.0;
    double y = 0.0;
    bool valid = false;
    bool operator==(const TDPunkt&) const = default;
};

struct TDataCol {
    std::vector<TDPunkt> Points;
    std::string Title;
    std::int32_t ProzentPunkte = 100;
    TPlotArt PlotArt = paLine;
    TLineArt LineArt = laSolid;
    TPlotColor LineColor = pcBlack;
    TSymbolArt SymbolArt = saSquare;
    TPlotColor SymbolColor = pcBlack;
    std::int32_t Symbolsize = 10;
    bool YAxistyp = false;  // true: right axis (Y2)
    bool doPlot = true;
    bool doLegend = true;
    bool Linebreak = true;
};

TColor ConvertPlotcolor(TPlotColor c);
TPenStyle ConvertLineArt(TLineArt a);

// The font size that keeps the pixel height a size meant for 96 pixels per
// inch has on a device of the given resolution (halves to even).
int ConvertFontSize(int size, int pixelsPerInch = 96);

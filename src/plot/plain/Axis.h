#pragma once
// The axes of the line plot. An axis keeps its settings (title, limits,
// linear or logarithmic scale, number format, grid, zero line), chooses round
// tick values, formats their labels, maps between values and pixels and
// knows where its lines and labels lie. Tick choice, mapping and geometry
// need no painter; the painting (plot/AxisPaint.h) draws what they give on
// the plot canvas.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "plot/plain/DecimalDigits.h"
#include "plot/plain/Linedef.h"
#include "plot/plain/PlotTypes.h"

// A line the axis draws, from From towards To; the painter leaves out the
// end pixel To, as every line of the plot does.
struct TAxisSegment {
    TPoint From;
    TPoint To;
    bool operator==(const TAxisSegment&) const = default;
};

// A tick label as the axis paints it: its text in a half-open cell.
struct TAxisLabel {
    double Value = 0.0;
    std::string Text;
    TRect Cell;
};

// The lines of an axis in a plot rectangle, each list in the order it is
// drawn; the labels are TAxis::Labels.
struct TAxisLines {
    TAxisSegment Axis;
    // The major tick at the start, then per interval between two major
    // ticks its minor ticks, both ends included, and the major tick at its
    // end.
    std::vector<TAxisSegment> Ticks;
    // None without a grid.
    std::vector<TAxisSegment> Grid;
    // Only with a zero line, and only where 0 lies inside the axis.
    std::optional<TAxisSegment> Zero;
};

class TAxis {
public:
    TAxis();
    virtual ~TAxis() = default;
    TAxis(const TAxis&) = default;
    TAxis& operator=(const TAxis&) = default;

    // Copies the settings of another axis (not its change handler) and
    // notifies once when anything changed.
    void Assign(const TAxis& other);

    // Fired with this axis by every writer that changes a value.
    std::function<void(TAxis&)> OnValueChange;

    // Settings: read by name, written through the Set... writers.
    const std::string& Title() const { return Title_; }
    double minValue() const { return minValue_; }
    double maxValue() const { return maxValue_; }
    bool logscale() const { return logscale_; }
    TZahlenFormat ZahlenFormat() const { return ZahlenFormat_; }
    bool Gitter() const { return Gitter_; }
    TPenStyle Gitterstyle() const { return Gitterstyle_; }
    TColor GitterColor() const { return GitterColor_; }
    bool Zeroline() const { return Zeroline_; }
    TColor ZerolineColor() const { return ZerolineColor_; }
    TZeroweite Zerolinewidth() const { return Zerolinewidth_; }
    const TPlotFont& Font() const { return Font_; }

    void SetTitle(const std::string& v);
    void SetminValue(double v);
    void SetmaxValue(double v);
    void Setlogscale(bool v);
    void SetZahlenformat(TZahlenFormat v);
    void SetGitter(bool v);
    void SetGitterStyle(TPenStyle v);
    void SetGitterColor(TColor v);
    void SetZeroline(bool v);
    void SetZerolineColor(TColor v);
    void SetZerolinewidth(TZeroweite v);

    // The tick layout: the axis runs from StartValue to EndValue (the first
    // and last ticks), not from minValue to maxValue.
    std::int32_t FirstPixel() const { return FirstPixel_; }
    std::int32_t LastPixel() const { return LastPixel_; }
    bool LinearSteps() const { return LinearSteps_; }
    double StartValue() const { return StartValue_; }
    double EndValue() const { return EndValue_; }
    double Schrittweite() const { return Schrittweite_; }
    std::int32_t Overlap() const { return Overlap_; }

    void SetFirstRealvalue(int length);
    void SetNextRealvalue(int length);
    std::int32_t Getminspace(int length);
    int GetmaxTextbreite(const TTextMeasure& m) const;
    int GetTextHoehe(const TTextMeasure& m, const std::string& text) const;
    void SetOverlap(int pixels) { Overlap_ = pixels; }
    // Sets the pixel ends directly (Lines, Labels and Getminspace set them
    // too).
    void SetPixelRange(std::int32_t first, std::int32_t last);

    // Value to pixel. A value that cannot be placed (not finite, not positive
    // on a logarithmic axis, or more than a million pixels away) has no pixel:
    // TryKor2Pkt gives none, Kor2Pkt the nearer end of that million.
    std::optional<std::int32_t> TryKor2Pkt(double v) const;
    std::int32_t Kor2Pkt(double v) const;
    double Pkt2kord(std::int32_t p) const;
    std::string GetMousekordstr(double v) const;
    // The label of a tick at value v in the current layout.
    std::string GetLabel(double v) const;

    // The major tick values from StartValue to EndValue.
    std::vector<double> TickValues() const;
    // The lines the axis draws for the plot rectangle rect, whose sides its
    // pixels then run along.
    TAxisLines Lines(const TRect& rect);
    // The labels the axis draws for the plot rectangle rect, in tick order.
    // No two overlap: a label that would is left out, except the one at the
    // end of the axis, which stays and leaves out its neighbours instead.
    std::vector<TAxisLabel> Labels(const TRect& rect, const TTextMeasure& m);

    // Engine steps, public for the dialogs and the tests.
    void Checkminmaxvalue(double& min, double& max) const;
    void Startwert125();
    void First125Schrittweite();
    void Next125Schrittweite();
    void Startwertlog();
    void FirstlogSchrittweite();
    void NextlogSchrittweite();
    double NextValue(int i, double x) const;

    static int Getdeci(double x);
    static std::string Getformatstr(double value, int deci, TZahlenFormat format);
    static std::string FormatDigits(const veltrane::DecimalDigits& d, int deci, TZahlenFormat format);
    static bool str_aufrunden(std::string& digits);
    static double Runden(double x);
    static double Runden_nach(double x, int n);
    static double Pot10n(int n);
    static double Pot10(double x);
    static double log10(double x);

    // Bounds that keep a degenerate layout from hanging the painting.
    static constexpr int MaxTicks = 1000;
    static constexpr double MaxPixel = 1.0e6;
    // Minor ticks stand at least this many pixels apart: three widths of
    // the axis pen.
    static constexpr int MinorTickSpace = 3;

protected:
    // The geometry of one axis class: where its pixels run in the plot
    // rectangle and where its lines and labels lie. Painting only draws
    // what these give.
    virtual void SetPixelsFromRect(const TRect& rect) = 0;
    virtual TAxisSegment AxisLine(const TRect& rect) const = 0;
    // The major tick line at the tick pixel p; its label is one of Labels.
    virtual TAxisSegment MajorTick(const TRect& rect, int p) const = 0;
    // The cell of a label w x h pixels at the tick pixel p.
    virtual TRect LabelCell(const TRect& rect, int p, int w, int h) const = 0;
    virtual TAxisSegment MinorTick(const TRect& rect, int p, int length) const = 0;
    virtual TAxisSegment GridLine(const TRect& rect, int p) const = 0;
    int LabelDeci(double v) const;

private:
    // The parts of Lines, for the pixels of the last SetPixelsFromRect.
    std::vector<TAxisSegment> TickLines(const TRect& rect) const;
    std::vector<TAxisSegment> GridLines(const TRect& rect) const;
    void Changed();
    void LayoutFromLimits(double min, double max);
    void EncloseDecades();

    std::int32_t FirstPixel_ = 0;
    std::int32_t LastPixel_ = 100;
    bool LinearSteps_ = true;
    std::string Title_;
    double minValue_ = 0.0;
    double maxValue_ = 0.0;
    double StartValue_ = 0.0;
    double EndValue_ = 0.0;
    double Schrittweite_ = 0.0;
    bool logscale_ = false;
    TZahlenFormat ZahlenFormat_ = zfAutomatic;
    bool Gitter_ = true;
    TPenStyle Gitterstyle_ = psSolid;
    TColor GitterColor_ = RGBColor(128, 128, 128);
    bool Zeroline_ = false;
    TColor ZerolineColor_ = RGBColor(128, 128, 128);
    TZeroweite Zerolinewidth_ = zwMittel;
    TPlotFont Font_;
    std::int32_t Overlap_ = 0;
    // The working limits of the last layout, after the check.
    double workMin_ = 0.0;
    double workMax_ = 0.0;
    bool hasLayout_ = false;
};

class TXAxis : public TAxis {
protected:
    void SetPixelsFromRect(const TRect& r) override;
    TAxisSegment AxisLine(const TRect& r) const override;
    TAxisSegment MajorTick(const TRect& r, int p) const override;
    TRect LabelCell(const TRect& r, int p, int w, int h) const override;
    TAxisSegment MinorTick(const TRect& r, int p, int length) const override;
    TAxisSegment GridLine(const TRect& r, int p) const override;
};

class TY1Axis : public TAxis {
protected:
    void SetPixelsFromRect(const TRect& r) override;
    TAxisSegment AxisLine(const TRect& r) const override;
    TAxisSegment MajorTick(const TRect& r, int p) const override;
    TRect LabelCell(const TRect& r, int p, int w, int h) const override;
    TAxisSegment MinorTick(const TRect& r, int p, int length) const override;
    TAxisSegment GridLine(const TRect& r, int p) const override;
};

class TY2Axis : public TAxis {
protected:
    void SetPixelsFromRect(const TRect& r) override;
    TAxisSegment AxisLine(const TRect& r) const override;
    TAxisSegment MajorTick(const TRect& r, int p) const override;
    TRect LabelCell(const TRect& r, int p, int w, int h) const override;
    TAxisSegment MinorTick(const TRect& r, int p, int length) const override;
    TAxisSegment GridLine(const TRect& r, int p) const override;
};

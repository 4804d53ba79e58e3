#pragma once
// The line-plot control: data columns drawn as lines and symbols against an
// X axis, a left and an optional right Y axis, with a framed title, axis
// titles, a legend and two text boxes. The picture is composed into an
// off-screen bitmap once per change and copied to the screen; the same
// bitmap is saved, copied to the clipboard and printed.

#include <QImage>
#include <QWidget>
#include <functional>
#include <string>

#include "plot/Axis.h"
#include "plot/Legend.h"
#include "plot/PlotColumns.h"
#include "plot/PlotLayout.h"
#include "plot/TextBox.h"

class QIODevice;
class QLabel;
class TPlotCanvas;

class TLinePlot : public QWidget, public TPlotColumns {
    Q_OBJECT
public:
    // Fired with the finished bitmap before it reaches the screen; marks
    // drawn into it appear on screen, in files and on paper.
    using TBitmapEvent = std::function<void(TLinePlot& Sender, TPlotCanvas& Bild)>;

    explicit TLinePlot(QWidget* parent = nullptr);
    ~TLinePlot() override;

    TSprachart Sprache() const { return Sprache_; }
    void SetSprache(TSprachart s) { Sprache_ = s; }
    const std::string& Title() const { return Title_; }
    void SetTitle(const std::string& title);
    TColor TitleColor() const { return TitleColor_; }
    void SetTitleColor(TColor c);
    TColor TitleBkgrdColor() const { return TitleBkgrdColor_; }
    void SetTitleBkgrdColor(TColor c);
    bool Rahmen() const { return Rahmen_; }
    void SetRahmen(bool v);
    TColor PlotBkgrdcolor() const { return PlotBkgrdcolor_; }
    void SetPlotBkgrdColor(TColor c);
    // Background outside the plot rectangle.
    TColor Color() const { return Color_; }
    void SetColor(TColor c);
    bool isY2Axis() const { return isY2Axis_; }
    void SetisY2Axis(bool v);
    bool ShowKord() const { return ShowKord_; }
    void SetShowkord(bool v);

    TXAxis& XAxis() { return XAxis_; }
    TY1Axis& Y1Axis() { return Y1Axis_; }
    TY2Axis& Y2Axis() { return Y2Axis_; }
    void SetXAxis(const TAxis& a) { XAxis_.Assign(a); }
    void SetY1Axis(const TAxis& a) { Y1Axis_.Assign(a); }
    void SetY2Axis(const TAxis& a) { Y2Axis_.Assign(a); }
    TXAxis& GetXAxis() { return XAxis_; }
    TY1Axis& GetY1Axis() { return Y1Axis_; }
    TY2Axis& GetY2Axis() { return Y2Axis_; }
    TLegend& GetLegend() { return Legend_; }
    TTextBox& GetTextBox1() { return TextBox1_; }
    TTextBox& GetTextBox2() { return TextBox2_; }
    TLegend& Legend() { return Legend_; }
    void SetLegend(const TLegend& l) { Legend_.Assign(l); }
    TTextBox& TextBox1() { return TextBox1_; }
    TTextBox& TextBox2() { return TextBox2_; }
    void SetTextBox1(const TTextBox& b) { TextBox1_.Assign(b); }
    void SetTextBox2(const TTextBox& b) { TextBox2_.Assign(b); }

    // A double click on the title or an axis opens its dialog.
    bool Titledlg = true, XAxisdlg = true, Y1Axisdlg = true, Y2Axisdlg = true;
    std::string Printkommentar;
    bool isZoom = false;
    TBitmapEvent OnPlotbildChange;
    std::function<void(TLinePlot&)> OnPlotbildCopyed;

    bool repaintcomp() const { return repaintcomp_; }
    // Off around a batch of changes; switching it on repaints at once.
    void Setrepaintcomp(bool v);

    TRect GetPlotrec() const { return layout_.Plot; }
    const TPlotLayout& Layout() const { return layout_; }
    // Where legend and text boxes were last drawn; empty when not drawn.
    TRect LegendRect() const { return legendRect_; }
    TRect TextBoxRect(int number) const { return number == 1 ? box1Rect_ : box2Rect_; }

    // The bitmap, composed first when it is missing or out of date.
    void GetPlotBitmap(QImage& out);
    // BMP, or PNG for a ".png" name; false when nothing could be written.
    bool SavetoFile(const std::string& fileName);
    bool Savetostream(QIODevice& stream);
    bool CopytoClipboard();

    // Composes the whole picture into a canvas of any size: the one painting
    // path of screen, file and printer. False when the canvas is too small
    // for a plot (200 pixels or less either way): only the background is
    // drawn then.
    bool Compose(TPlotCanvas& c);

    // The change handler of axes, legend and text boxes.
    void AxisValueChange();

    static TPlotFont AxisTitleFont() { return {"Courier New", ConvertFontSize(11), true}; }
    static TPlotFont TitleFont() { return {"Courier New", ConvertFontSize(12), true}; }
    static TPlotFont ReadoutFont() { return {"Courier New", ConvertFontSize(10), false}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void ComposeBitmap();
    bool BitmapCurrent() const;
    void PaintAxisTitles(TPlotCanvas& c);
    void PaintTitle(TPlotCanvas& c);
    void PaintPlot(TPlotCanvas& c);
    void PaintColum(TPlotCanvas& c, const TDataCol& col);
    void PaintLegende(TPlotCanvas& c);
    void PaintTextBox(TPlotCanvas& c, TTextBox& box, int number);
    void PlaceReadout();
    template <typename T>
    void SetAndInvalidate(T& field, const T& v)
    {
        if (field == v)
            return;
        field = v;
        AxisValueChange();
    }

    TSprachart Sprache_ = deutsch;
    std::string Title_ = "x/y-Plot";
    TColor TitleColor_ = clBlack;
    TColor TitleBkgrdColor_ = clAqua;
    bool Rahmen_ = true;
    TColor PlotBkgrdcolor_ = clWhite;
    TColor Color_;
    bool isY2Axis_ = false;
    bool ShowKord_ = true;
    bool repaintcomp_ = true;

    TXAxis XAxis_;
    TY1Axis Y1Axis_;
    TY2Axis Y2Axis_;
    TLegend Legend_;
    TTextBox TextBox1_{1};
    TTextBox TextBox2_{2};

    QImage bitmap_;
    bool stale_ = true;
    bool plotDrawn_ = false;  // the last composition held a plot
    TPlotLayout layout_;
    TRect legendRect_, box1Rect_, box2Rect_;
    QLabel* readout_ = nullptr;
};

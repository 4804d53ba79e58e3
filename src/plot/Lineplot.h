#pragma once
// The line-plot control: data columns drawn as lines and symbols against an
// X axis, a left and an optional right Y axis, with a framed title, axis
// titles, a legend and two text boxes. The picture is composed into an
// off-screen bitmap once per change and copied to the screen; the same
// bitmap is saved, copied to the clipboard and printed.
//
// A host fills the plot (DeleteAllCol, AddCol, the style setters, AddData),
// then sets the limits with one of the Set...Axislimit setters or Autoscale:
// each repaints exactly once. The user zooms with the mouse while the host
// has set isZoom, reads values at the cursor, drags the legend and the text
// boxes, and opens the title and axis dialogs by a double click; every such
// change is reported through OnUserChange, so that the host can copy titles
// and limits into its document and mark it modified. A host prints with
// Printkommentar set and PrintPlot(true).

#include <QImage>
#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "plot/plain/Axis.h"
#include "plot/plain/BoxFitting.h"
#include "plot/plain/BoxPlacement.h"
#include "plot/plain/Legend.h"
#include "plot/plain/PlotColumns.h"
#include "plot/plain/PlotLayout.h"
#include "plot/plain/PlotMouse.h"
#include "plot/plain/PlotPrint.h"
#include "plot/plain/TextBox.h"

class QIODevice;
class QLabel;
class TDruckDlg;
class TPlotAxisDlg;
class TPlotCanvas;
class TPlotTitleDlg;
class TScaleviewDlg;

// What the user changed through the plot's own mouse handling and dialogs.
enum class TUserChange {
    Limits,    // zoom or overview: the limits of X, Y1 and perhaps Y2
    Axis,      // the axis dialog closed with OK: limits, title, format, switches
    Title,     // the title dialog changed the title
    Position,  // the legend or a text box was dragged
};

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
    TLegend& Legend() { return Legend_; }
    void SetLegend(const TLegend& l) { Legend_.Assign(l); }
    TTextBox& TextBox1() { return TextBox1_; }
    TTextBox& TextBox2() { return TextBox2_; }
    void SetTextBox1(const TTextBox& b) { TextBox1_.Assign(b); }
    void SetTextBox2(const TTextBox& b) { TextBox2_.Assign(b); }

    // A double click on the title or an axis opens its dialog.
    bool Titledlg = true, XAxisdlg = true, Y1Axisdlg = true, Y2Axisdlg = true;
    std::string Printkommentar;
    // Zoom mode, the host's decision (a tool-bar button): a press inside
    // the plot rectangle then draws a rubber band, and the release zooms.
    bool isZoom = false;
    // The legend and the text boxes on show are placed in every composed
    // picture: inside the plot area, apart, off the peaks and dips and their
    // flanks, hiding the least of the curves. A box the user drags stays
    // where it was put (at the same share of the plot area when the plot is
    // resized, brought inside where it must be) and the others are placed
    // around it. A host that positions the boxes itself switches this off.
    bool AutoPlaceBoxes = true;
    // The user has put this element (legend, text box 1 or 2) in place.
    bool BoxPinned(TPlotDrag::Kind what) const;
    // Forgets where the user put the boxes: every box is placed afresh, as
    // for a plot never shown (a new document).
    void PlaceBoxesAfresh();
    // A note the plot shows in a framed box of its own, placed like the
    // legend and the text boxes (rather in the middle): what the plot says
    // in place of curves it cannot draw. No lines, no note.
    void SetNote(const std::vector<std::string>& lines);
    const std::vector<std::string>& Note() const { return note_; }
    TBitmapEvent OnPlotbildChange;
    std::function<void(TLinePlot&)> OnPlotbildCopyed;
    // Fired with the screen's copy of the bitmap before it is shown: marks
    // that belong to the screen only (range markers) go into it, so that
    // files, the clipboard and paper never carry them.
    std::function<void(QImage& screen)> OnScreenImage;
    // Fired after the user changed the plot by mouse or through one of the
    // plot's dialogs; never for the host's own calls.
    std::function<void(TLinePlot&, TUserChange)> OnUserChange;

    bool repaintcomp() const { return repaintcomp_; }
    // Off around a batch of changes; switching it on repaints at once.
    void Setrepaintcomp(bool v);

    // The smallest control that shows the plot with its title and axis
    // titles apart and, for a plot that places its boxes, room in the plot
    // area for the boxes on show apart and the curves beside them, within
    // the share of a 1366 x 768 screen the window leaves the plot. Worked
    // out from the content whenever the picture is composed: it grows and
    // shrinks with the content, whatever was shown before.
    QSize minimumSizeHint() const override;
    // The least the plot asks for whatever it shows: a host that wants a
    // plot of some size sets it here, so that the content's need still
    // counts (setMinimumSize would hide it from the window's layout).
    void SetLeastSize(QSize size);

    TRect GetPlotrec() const { return layout_.Plot; }
    const TPlotLayout& Layout() const { return layout_; }
    // Where legend and text boxes were last drawn; empty when not drawn.
    TRect LegendRect() const { return legendRect_; }
    TRect TextBoxRect(int number) const { return number == 1 ? box1Rect_ : box2Rect_; }
    TRect NoteRect() const { return noteRect_; }

    // The bitmap, composed first when it is missing or out of date.
    void GetPlotBitmap(QImage& out);
    // BMP, or PNG for a ".png" name; false when nothing could be written,
    // with the reason in failure. A failed write leaves no file behind.
    bool SavetoFile(const std::string& fileName, std::string* failure = nullptr);
    bool Savetostream(QIODevice& stream);
    bool CopytoClipboard();

    // Composes the whole picture into a canvas of any size: the one painting
    // path of screen, file and printer. False when the canvas is too small
    // for a plot (200 pixels or less either way): only the background is
    // drawn then.
    bool Compose(TPlotCanvas& c);

    // The change handler of axes, legend and text boxes.
    void AxisValueChange();

    // Axis limits, lower and upper per axis in this order. Each sets all its
    // limits with repainting suspended: the plot repaints once, at the end
    // (not at all while repainting is off). Reversed limits are ordered by
    // the axes.
    void SetXAxislimit(double xmin, double xmax);
    void SetY1Axislimit(double y1min, double y1max);
    void SetY2Axislimit(double y2min, double y2max);
    void SetXY1Axislimit(double xmin, double xmax, double y1min, double y1max);
    void SetXY2Axislimit(double xmin, double xmax, double y2min, double y2max);
    void SetY1Y2Axislimit(double y1min, double y1max, double y2min, double y2max);
    void SetXY1Y2Axislimit(double xmin, double xmax, double y1min, double y1max, double y2min, double y2max);
    // Sets the requested axes to exactly the range of their drawn data (a
    // single value widened by 1), in one repaint; an axis without data keeps
    // its limits, and nothing happens when no requested axis has data.
    void Autoscale(bool doX, bool doY1, bool doY2);

    // The plot's own dialogs, modal; each writes back on OK only.
    void Showtitledlg();
    void ShowXAxisdlg();
    void ShowY1Axisdlg();
    void ShowY2Axisdlg();
    void ShowScaleviewdlg();
    // Prints the bitmap on one page with Printkommentar above it; with
    // showDialog the print dialog (printer, orientation) comes first. A
    // failure is shown to the user; the result says what became of the page.
    TPrintResult PrintPlot(bool showDialog);
    bool Printing() const;

    TPlotTitleDlg& TitleDlg();
    TPlotAxisDlg& AxisDlg();
    TScaleviewDlg& ScaleviewDlg();
    TDruckDlg& DruckDlg();

    // The composed picture, composed first when missing or out of date.
    const QImage& Bitmap();
    // What the screen shows: the bitmap, with the rubber band or a drag
    // frame while one is running. Those are drawn here only, never into
    // the bitmap that is saved and printed.
    QImage ScreenImage() const;
    // The mouse as last seen, and the drag or zoom now running.
    const TMousekord& Mousekord() const { return mouse_; }
    const TPlotDrag& Drag() const { return drag_; }
    QString ReadoutText() const;
    TPlotCursor Cursor() const { return cursor_; }
    // For the plot's own dialogs: reports a change made by the user.
    void NotifyUserChange(TUserChange what);

    static TPlotFont AxisTitleFont() { return {"Courier New", ConvertFontSize(11), true}; }
    static TPlotFont TitleFont() { return {"Courier New", ConvertFontSize(12), true}; }
    static TPlotFont ReadoutFont() { return {"Courier New", ConvertFontSize(10), false}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // The host sees every mouse event first through an event filter; a
    // double click does not count as a second press.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    // The text measure the layout uses; the canvas's fonts by default.
    virtual const TTextMeasure& LayoutMeasure(const TPlotCanvas& c) const;
    void ColumnsChanged() override { ClearReadout(); }

private:
    void RefreshMouse(int x, int y);
    // The read-out belongs to the picture under the mouse: once data, axes
    // or layout change, it is empty until the mouse moves again.
    void ClearReadout();
    TPlotElements Elements() const;
    void FinishElementDrag(TPoint mouse);
    void PinBox(TPlotDrag::Kind what, TPoint corner);
    void FinishZoom();
    void ApplyCursor();
    void doAxisdlg(TAxis& axis);
    // Remembers repaintcomp, switches it off for f and restores it.
    template <typename F>
    void WithOneRepaint(F f)
    {
        const bool was = repaintcomp_;
        Setrepaintcomp(false);
        f();
        Setrepaintcomp(was);
    }
    void ComposeBitmap();
    bool BitmapCurrent() const;
    void PaintAxisTitles(TPlotCanvas& c);
    void PaintTitle(TPlotCanvas& c);
    void PlaceBoxes(const TTextMeasure& m);
    // Lay out the legend, text box 1, text box 2 and the note within a
    // limit, as they would be drawn now; empty for those not on show.
    std::vector<TBoxLayouter> BoxLayouters(const TTextMeasure& m) const;
    // The minimum size for what the plot shows, boxes at their own sizes.
    void FitMinimumSize(const TTextMeasure& m, const std::vector<TBoxSize>& boxes);
    // The largest control the plot may ask its window for: the screen's
    // share that the rest of the window leaves.
    TBoxSize LargestAsked() const;
    // A point as drawn: false for a gap (invalid, or not on an axis).
    bool MapPoint(const TDPunkt& p, const TAxis& ya, TPoint& out) const;
    void PaintPlot(TPlotCanvas& c);
    void PaintColum(TPlotCanvas& c, const TDataCol& col);
    void PaintLegende(TPlotCanvas& c);
    void PaintTextBox(TPlotCanvas& c, TTextBox& box, int number);
    void PaintNote(TPlotCanvas& c);
    // The legend, the text boxes and the note, in this order.
    void PaintBoxes(TPlotCanvas& c);
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
    TRect legendRect_, box1Rect_, box2Rect_, noteRect_;
    TBoxPlacement placement_;
    bool boxesPlaced_ = false;  // the boxes stand where a placement put them
    // The room each box (legend, text box 1 and 2, note) is laid out in for
    // the plot area of the picture.
    std::vector<TBoxLimit> boxLimits_ = std::vector<TBoxLimit>(4);
    std::vector<std::string> note_;
    TPoint noteCorner_;
    QSize minimumSize_;
    QSize leastSize_;
    // Where the user put the legend, text box 1 and text box 2, if anywhere.
    std::array<std::optional<TBoxPin>, 3> pins_{};
    QLabel* readout_ = nullptr;

    TMousekord mouse_;
    THotFlags hot_;
    TPlotDrag drag_;
    TPlotCursor cursor_ = TPlotCursor::Default;
    // The dialogs are made on first use and owned as Qt children.
    QPointer<TPlotTitleDlg> titleDlg_;
    QPointer<TPlotAxisDlg> axisDlg_;
    QPointer<TScaleviewDlg> scaleviewDlg_;
    QPointer<TDruckDlg> druckDlg_;
};

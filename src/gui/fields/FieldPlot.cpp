#include "gui/fields/FieldPlot.h"

#include <algorithm>

#include "document/LayerSystemText.h"
#include "fields/Ausgabe.h"
#include "fields/FieldSelection.h"
#include "gui/fields/plain/EwaveSetup.h"
#include "platform/Platform.h"
#include "plot/Lineplot.h"
#include "plot/PlotCanvas.h"

namespace veltrane {

namespace {

double sampleX(const TEWave& w, TEHFieldSet fields, bool angleMode)
{
    if (angleMode)
        return w.Theta;
    return AbsoluteScale(fields) ? w.Pos : w.RelPos;
}

}  // namespace

int AddFieldColumns(TLinePlot& plot, const TEWaveList& list, std::int32_t polArt, TEHFieldSet fields,
                    bool angleMode)
{
    const int part = FieldPartCode(fields);
    auto add = [&](int component) {
        for (int second = 0; second < 2; ++second) {
            const int col = plot.AddCol();
            plot.SetColTitle(col, ewave::ColumnTitle(component, part, second != 0));
            plot.SetPlotArt(col, paLine);
            if (col == 0) {
                plot.SetLineArt(col, laSolid);
                plot.SetLineColor(col, pcBlack);
            } else {
                plot.SetNextLineArt(col);
                plot.SetNextLineColor(col);
            }
            plot.SetYAxistyp(col, second != 0);
            for (const TEWave& w : list) {
                const TEWaveField& f = w.Feld[std::size_t(component)];
                plot.AddData(col, sampleX(w, fields, angleMode), second ? SecondPart(f, part) : FirstPart(f, part),
                             w.Filled != 0);
            }
        }
    };
    if (ShowsP(polArt))
        for (int c : PComponents)
            if (fields.Contains(c))
                add(c);
    if (ShowsS(polArt))
        for (int c : SComponents)
            if (fields.Contains(c))
                add(c);
    return part;
}

void PaintLayerLines(TLinePlot& plot, TPlotCanvas& c, const TEWaveList& list, TEHFieldSet fields)
{
    if (list.empty())
        return;
    const TRect area = plot.GetPlotrec();
    const auto top = plot.Y1Axis().TryKor2Pkt(plot.Y1Axis().maxValue());
    const auto bottom = plot.Y1Axis().TryKor2Pkt(plot.Y1Axis().minValue());
    if (!top || !bottom)
        return;
    c.SetClipRect({area.Left, area.Top, area.Right + 1, area.Bottom + 1});
    c.SetPen(RGBColor(0, 0, 255), psSolid, 1);
    for (const TEWave& w : list) {
        if (!w.Grenze)
            continue;
        if (const auto x = plot.XAxis().TryKor2Pkt(sampleX(w, fields, false))) {
            c.MoveTo(*x, *bottom);
            c.LineTo(*x, *top);
        }
    }
    c.ClearClip();
}

void WriteLayerSystem(TLinePlot& plot, const TSimparameter& p, const TEHOptionpara& o, bool visible,
                      bool positionLine, bool thetaLine)
{
    const char sep = platform().decimalSeparator();
    TTextBox& box = plot.TextBox1();
    box.ClearAll();
    box.Title().Add("Layer-System");
    for (const std::string& line : LayerSystemLines(p, sep))
        box.Text1().Add(line);
    if (thetaLine)
        box.Text2().Add(TAusgabe::ThetaLine(o.Theta, sep));
    if (positionLine)
        box.Text2().Add(TAusgabe::PositionLine(o.LayerNr, o.Layerpos, sep));
    box.Setvisible(p.Layeranz != 0 && visible);
}

void WriteComment(TLinePlot& plot, const Document& doc, bool visible)
{
    const std::string& comment = doc.Simparameter.Comment;
    TTextBox& box = plot.TextBox2();
    if (!TAusgabe::CommentShown(comment)) {
        box.Setvisible(false);
        return;
    }
    box.ClearAll();
    box.Title().Add(comment);
    box.Setvisible(visible);
}

}  // namespace veltrane

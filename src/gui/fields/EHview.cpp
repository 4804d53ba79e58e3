#include "gui/fields/EHview.h"

#include <QLabel>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>

#include "controls/EnableRadioGroup.h"
#include "fields/FieldSelection.h"
#include "gui/fields/PaintBox.h"
#include "platform/CFormat.h"
#include "platform/Platform.h"
#include "plot/PlotCanvas.h"

using namespace veltrane;

namespace {

constexpr int Margin = 1;

char sep() { return platform().decimalSeparator(); }

bool drawable(const TEWave& w) { return w.Pos != NOVALUE && std::isfinite(w.Pos); }

}  // namespace

TEHview::TEHview(TPaintBox* box, QLabel* label, const TEWaveList& eh1, const TEWaveList& eh2, QScrollBar* bar,
                 TEnableRadioGroup* groupP, TEnableRadioGroup* groupS)
    : box_(box), label_(label), eh1_(eh1), eh2_(eh2), bar_(bar), groupP_(groupP), groupS_(groupS)
{
}

int TEHview::ProfileComponent() const
{
    int component = -1;
    if (ShowsP(PolArt) && groupP_ && groupP_->ItemIndex() >= 0 && groupP_->ItemIndex() < 3)
        component = PComponents[std::size_t(groupP_->ItemIndex())];
    if (ShowsS(PolArt) && groupS_ && groupS_->ItemIndex() >= 0 && groupS_->ItemIndex() < 3)
        component = SComponents[std::size_t(groupS_->ItemIndex())];
    return component;
}

ViewScale TEHview::Scale(int width, int height) const
{
    ViewRange depth, value;
    for (const TEWave& w : eh1_)
        if (drawable(w))
            depth.Take(w.Pos);
    const int component = ProfileComponent();
    // Each profile over its own samples: a run stopped early leaves one
    // shorter than the other.
    if (component >= 0)
        for (const TEWaveList* list : {&eh1_, &eh2_})
            for (const TEWave& w : *list)
                if (w.Filled)
                    value.Take(w.Feld[std::size_t(component)].modulusSqr);
    const int inner = Margin + 1;
    return ViewScale(inner, inner, std::max(width - Margin - 2 * inner, 1), std::max(height - Margin - 2 * inner, 1),
                     depth, value);
}

void TEHview::Paint(TPlotCanvas& c)
{
    if (eh1_.empty() || eh2_.empty())
        return;
    const ViewScale s = Scale(c.Width(), c.Height());
    c.SetPen(clBlack, psSolid, 1);
    c.SetBrush(clWhite);
    c.Rectangle(0, 0, c.Width() - Margin, c.Height() - Margin);

    c.SetTextTransparent(true);
    c.SetFont({"Arial", 8, false});
    const std::string eh1 = "EH1: " + floatToText(Theta1, sep()) + "\xC2\xB0";
    c.SetTextColor(ViewBlue);
    c.TextOut(5, 5, eh1);
    c.SetTextColor(ViewRed);
    c.TextOut(5 + c.TextWidth(eh1) + 10, 5, "EH2: " + floatToText(Theta2, sep()) + "\xC2\xB0");

    c.SetClipRect({s.left, s.top, s.left + s.width + 1, s.top + s.height + 1});
    const int component = ProfileComponent();
    auto profile = [&](const TEWaveList& list, TColor color) {
        if (component < 0)
            return;
        c.SetPen(color, psSolid, 1);
        bool started = false;
        for (std::size_t i = 0; i < list.size(); ++i) {
            const TEWave& w = list[i];
            if (!drawable(w) || (i > 0 && !w.Filled))
                continue;
            const int x = s.Px(w.Pos), y = s.Py(w.Feld[std::size_t(component)].modulusSqr);
            if (started) {
                c.LineTo(x, y);
            } else {
                c.MoveTo(x, y);
                started = true;
            }
        }
    };
    profile(eh1_, ViewBlue);
    profile(eh2_, ViewRed);

    c.SetPen(clGray, psSolid, 1);
    for (const TEWave& w : eh1_)
        if (w.Grenze && drawable(w)) {
            const int x = s.Px(w.Pos);
            c.MoveTo(x, s.top);
            c.LineTo(x, s.top + s.height);
        }

    const double place = PlaceDepth();
    if (s.HoldsX(place)) {
        c.SetPenMode(pmNotXor);
        c.SetPen(ViewGreen, psSolid, 1);
        const int x = s.Px(place);
        c.MoveTo(x, s.top);
        c.LineTo(x, s.top + s.height);
        c.SetPenMode(pmCopy);
    }
    c.ClearClip();
}

double TEHview::PlaceDepth() const
{
    double depth = -table_.d_1 + Layerpos;
    for (int k = 0; k < std::min(LayerNr, table_.Count); ++k)
        depth += table_.Thickness(k);
    return depth;
}

bool TEHview::SetScrollBar(const TSimparameter& p, const TEHOptionpara& o)
{
    table_ = MakeLayerTable(p, o);
    if (!SetLayerPosition(LayerNr, Layerpos))
        return false;
    if (bar_) {
        const QSignalBlocker quiet(bar_);
        bar_->setRange(0, LayerScrollMax(table_));
        bar_->setValue(ScrollOfPlace(table_, {LayerNr, Layerpos}));
    }
    return true;
}

bool TEHview::SetLayerPosition(int layerNr, double layerpos)
{
    const std::string refusal = PlaceRefusal(table_, {layerNr, layerpos}, sep());
    if (!refusal.empty()) {
        showError("Error", refusal);
        return false;
    }
    LayerNr = layerNr;
    Layerpos = layerpos;
    if (bar_) {
        const QSignalBlocker quiet(bar_);
        bar_->setValue(ScrollOfPlace(table_, {LayerNr, Layerpos}));
    }
    ShowPlace();
    return true;
}

void TEHview::ScrollPosition(int position)
{
    const LayerPlace place = PlaceOfScroll(table_, position);
    LayerNr = place.LayerNr;
    Layerpos = place.Layerpos;
    ShowPlace();
}

QString TEHview::LabelText() const
{
    return QString::fromStdString("Layer: Nr=" + std::to_string(std::int64_t(LayerNr) + 1) +
                                  " Pos=" + floatToText(Layerpos, sep()) + " [nm]");
}

void TEHview::ShowPlace()
{
    if (label_)
        label_->setText(LabelText());
    if (box_)
        box_->update();
}

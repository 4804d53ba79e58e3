#include "gui/fields/plain/EwaveSetup.h"

#include <algorithm>
#include <array>

#include "document/AxisKind.h"
#include "document/NoValue.h"
#include "fields/FieldSelection.h"
#include "gui/fields/plain/LayerPlace.h"

namespace veltrane::ewave {

bool XIsTheta(const TSimparameter& p) { return XAxisKind(p) == pkTheta; }

double StartTheta(const TSimparameter& p)
{
    if (!XIsTheta(p))
        return p.Theta;
    const AngleRange r = ThetaViewRange(p);
    return std::clamp((p.XAxis.bis - p.XAxis.von) * 0.5, r.from, r.to);
}

AngleRange StartLimits(const TSimparameter& p)
{
    const AngleRange r = ThetaViewRange(p);
    const double span = (r.to - r.from) * 0.1;
    if (XIsTheta(p))
        return {r.from + span, r.to - span};
    return {std::clamp(p.Theta - span, r.from, r.to), std::clamp(p.Theta + span, r.from, r.to)};
}

double ThetaInReach(double theta, AngleRange reach)
{
    if (!(theta >= reach.from))  // a stored NaN too
        return reach.from;
    return std::min(theta, reach.to);
}

AngleRange LimitsInReach(AngleRange limits, AngleRange reach)
{
    const double a = ThetaInReach(limits.from, reach), b = ThetaInReach(limits.to, reach);
    if (a != b)
        return {std::min(a, b), std::max(a, b)};
    const double span = (reach.to - reach.from) * 0.1;
    return {reach.from + span, reach.to - span};
}

void RaisePktanz(TEHOptionpara& o, const TSimparameter& p)
{
    if (p.XAxis.Pktanz >= o.Pktanz)
        o.Pktanz = p.XAxis.Pktanz;
}

void SetPointCounts(TEHOptionpara& o, const TSimparameter& p)
{
    const int layers = p.Layeranz;
    if (layers < 1) {
        o.PktanzEff = 0;
        return;
    }
    if (2 * layers > o.Pktanz)
        o.Pktanz = p.XAxis.Pktanz;
    o.PktanzEff = o.Pktanz > 0 ? (o.Pktanz / layers) * layers : 0;
}

void InitLayerPlace(TEHOptionpara& o, const TSimparameter& p)
{
    const bool few = p.Layeranz < 2;
    auto middle = [&] { return few ? 0.0 : 0.5 * p.Dicke[1]; };
    if (o.Layerpos == Riedit::NADN)
        o.Layerpos = middle();
    if (o.LayerNr == Riedit::NAIN)
        o.LayerNr = few ? 0 : 1;
    const LayerTable t = MakeLayerTable(p, o);
    if (!PlaceRefusal(t, {o.LayerNr, o.Layerpos}, '.').empty()) {
        o.LayerNr = few ? 0 : 1;
        o.Layerpos = std::clamp(middle(), 0.0, t.Count > o.LayerNr ? t.Thickness(o.LayerNr) : 0.0);
    }
}

std::vector<std::string> NoFieldLines(std::int32_t polArt, TEHFieldSet fields)
{
    auto chosen = [fields](const std::array<int, 3>& components) {
        return std::any_of(components.begin(), components.end(), [fields](int c) { return fields.Contains(c); });
    };
    if ((ShowsP(polArt) && chosen(PComponents)) || (ShowsS(polArt) && chosen(SComponents)))
        return {};
    if (!ShowsS(polArt))
        return {"No chosen field exists for P light:", "choose Ex, Hy or Ez under Option"};
    if (!ShowsP(polArt))
        return {"No chosen field exists for S light:", "choose Hx, Ey or Hz under Option"};
    return {"No field chosen:", "choose one under Option"};
}

std::string PartText(int partCode)
{
    switch (partCode) {
    case ehAbsPhase: return "|Field|-Phase[\xC2\xB0]";
    case ehSqrPhase: return "|Field|\xC2\xB2-Phase[\xC2\xB0]";
    default: return "Real-Imag";
    }
}

std::string ColumnTitle(int component, int partCode, bool second)
{
    static const std::array<const char*, 6> names{"Ex", "Ey", "Ez", "Hx", "Hy", "Hz"};
    const char* part = nullptr;
    switch (partCode) {
    case ehAbsPhase: part = second ? "Phase[\xC2\xB0]" : "|Field|"; break;
    case ehSqrPhase: part = second ? "Phase[\xC2\xB0]" : "|Field|\xC2\xB2"; break;
    default: part = second ? "imag" : "real"; break;
    }
    if (component < 0 || component >= 6)
        return part;
    return std::string(names[std::size_t(component)]) + " " + part;
}

}  // namespace veltrane::ewave

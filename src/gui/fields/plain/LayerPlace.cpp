#include "gui/fields/plain/LayerPlace.h"

#include <algorithm>
#include <cstdint>

#include "platform/CFormat.h"

namespace veltrane {

LayerTable MakeLayerTable(const TSimparameter& p, const TEHOptionpara& o)
{
    LayerTable t;
    t.Count = std::clamp(p.Layeranz, 0, MaxLayers);
    t.d_1 = o.d_1;
    for (int k = 0; k < t.Count; ++k) {
        double e = p.Dicke[std::size_t(k)];
        if (k == 0)
            e = -o.d_1;
        if (k == t.Count - 1)
            e = o.d_n;
        t.Entry[std::size_t(k)] = e;
        t.Total += std::abs(e);
    }
    return t;
}

int LayerScrollMax(const LayerTable& t)
{
    if (!(t.Total > 0.0) || !std::isfinite(t.Total))
        return 0;
    return int(std::min(std::ceil(t.Total / PositionStep), 1.0e9));
}

int ScrollOfPlace(const LayerTable& t, const LayerPlace& place)
{
    const int max = LayerScrollMax(t);
    if (max == 0)
        return 0;
    double depth = place.Layerpos;
    for (int k = 0; k < std::min(place.LayerNr, t.Count); ++k)
        depth += t.Thickness(k);
    const double pos = std::round(depth * max / t.Total);
    return int(std::clamp(pos, 0.0, double(max)));
}

LayerPlace PlaceOfScroll(const LayerTable& t, int position)
{
    const int max = LayerScrollMax(t);
    if (max == 0 || t.Count == 0)
        return {};
    // Measured from the start of the shown first half-space; max steps of
    // total / max can overshoot the total by a rounding.
    const double depth = std::clamp(t.Total / max * position, 0.0, t.Total);
    double start = 0.0;
    for (int k = 0; k < t.Count; ++k) {
        const double span = t.Thickness(k);
        if (depth <= start + span || k == t.Count - 1) {
            const double pos = std::round((depth - start) * 1e5) / 1e5;
            return {k, std::clamp(pos, 0.0, span)};
        }
        start += span;
    }
    return {};
}

std::string PlaceRefusal(const LayerTable& t, const LayerPlace& place, char sep)
{
    if (place.LayerNr < 0 || place.LayerNr >= t.Count)
        return "wrong Layer-Nr:" + std::to_string(std::int64_t(place.LayerNr) + 1) + " (1-" +
               std::to_string(t.Count) + ")";
    const double thickness = t.Thickness(place.LayerNr);
    if (place.Layerpos >= 0.0 && place.Layerpos <= thickness)
        return {};
    return "wrong Layer-Position :" + floatToText(place.Layerpos, sep) + " nm" + " at Layer-Nr:" +
           std::to_string(place.LayerNr + 1) + " (max. 0-" + floatToText(thickness, sep) + " nm)";
}

}  // namespace veltrane

#include "gui/fields/plain/EHOptionModel.h"

#include <algorithm>

#include "document/NoValue.h"
#include "fields/FieldSelection.h"

EHOptionControls LoadControls(const TEHOptionpara& o)
{
    EHOptionControls c;
    for (int k = 0; k < 6; ++k)
        c.Fields[std::size_t(k)] = o.Fields.Contains(k);
    const int part = veltrane::FieldPartCode(o.Fields);
    c.Part = part == ehSqrPhase ? 2 : part == ehAbsPhase ? 1 : 0;
    c.Scale = veltrane::AbsoluteScale(o.Fields) ? 0 : 1;
    c.d_1 = o.d_1;
    c.d_n = o.d_n;
    c.Pktanz = o.Pktanz;
    // A damaged file may hold any index; the list has eleven.
    c.Timer = std::clamp(o.Timer, 0, TimerChoices - 1);
    return c;
}

std::optional<EHOptionFailure> CheckEHOptions(const EHOptionControls& c)
{
    auto thickness = [](double d) { return d != Riedit::NADN && d >= 0.0; };
    if (!thickness(c.d_1))
        return EHOptionFailure{"1. Layer thickness must be >=0", eoD1};
    if (!thickness(c.d_n))
        return EHOptionFailure{"Last Layer thickness must be >=0", eoDn};
    if (c.Pktanz < 0 || c.Pktanz > MaxFieldPoints)
        return EHOptionFailure{"Pktanz must be 0 - 100000", eoPktanz};
    return std::nullopt;
}

bool StoreControls(const EHOptionControls& c, TEHOptionpara& o)
{
    const bool recalc = c.d_1 != o.d_1 || c.d_n != o.d_n || c.Pktanz != o.Pktanz;
    o.d_1 = c.d_1;
    o.d_n = c.d_n;
    o.Pktanz = c.Pktanz;
    o.Timer = c.Timer;
    o.Fields.Clear();
    for (int k = 0; k < 6; ++k)
        if (c.Fields[std::size_t(k)])
            o.Fields.Include(k);
    o.Fields.Include(c.Part == 0 ? ehRealImag : c.Part == 1 ? ehAbsPhase : ehSqrPhase);
    o.Fields.Include(c.Scale == 0 ? ehAbsolute : ehRelative);
    return recalc;
}

bool ComponentEnabled(int component, std::int32_t polArt)
{
    const bool p = component == ehEx || component == ehHy || component == ehEz;
    return p ? veltrane::ShowsP(polArt) : veltrane::ShowsS(polArt);
}

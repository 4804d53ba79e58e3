#include "gui/simulation/plain/OptionModel.h"

#include "document/NoValue.h"

int OptionPage(int field)
{
    if (field <= ofScanScalestep)
        return 0;
    return field <= ofDickestep ? 1 : 2;
}

std::optional<OptionFailure> CheckOptions(const TOptionpara& o, bool divergenceLimitTyped)
{
    // An empty edit, or one left at the start of a number ("1e"), reads as
    // the no-value marker: a step of 1e-307 moves nothing, and an
    // iteration limit without a value is no limit the fit can count to.
    const auto missing = [](double v) { return v == Riedit::NADN; };
    const struct { double value; const char* message; int field; } steps[] = {
        {o.ScanShiftstep, "Shift-Step must be >0", ofScanShiftstep},
        {o.ScanScalestep, "Scale-Step must be >0", ofScanScalestep},
        {o.Epsrealstep, "Eps-real / n-Step must be >0", ofEpsrealstep},
        {o.Epsimagstep, "Eps-imag / kapa-Step must be >0", ofEpsimagstep},
        {o.Dickestep, "Thickness-Step must be >0", ofDickestep},
    };
    for (const auto& s : steps)
        if (missing(s.value) || !(s.value > 0.0))
            return OptionFailure{s.message, s.field};
    if (missing(o.Iteranz) || !(o.Iteranz >= 1.0))
        return OptionFailure{"max-number must be >=1", ofIteranz};
    // A limit of 0 is allowed: the fit then ends only by its iteration
    // limit or Stop.
    if (missing(o.Itergrenz) ? divergenceLimitTyped : !(o.Itergrenz >= 0.0))
        return OptionFailure{"Divergence-limit must be >=0", ofItergrenz};
    return std::nullopt;
}

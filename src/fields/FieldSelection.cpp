#include "fields/FieldSelection.h"

namespace veltrane {

int FieldPartCode(TEHFieldSet fields)
{
    if (fields.Contains(ehSqrPhase))
        return ehSqrPhase;
    if (fields.Contains(ehAbsPhase))
        return ehAbsPhase;
    return ehRealImag;
}

bool AbsoluteScale(TEHFieldSet fields) { return fields.Contains(ehAbsolute); }

double FirstPart(const TEWaveField& f, int partCode)
{
    switch (partCode) {
    case ehAbsPhase: return f.modulus;
    case ehSqrPhase: return f.modulusSqr;
    default: return f.value.real();
    }
}

double SecondPart(const TEWaveField& f, int partCode)
{
    switch (partCode) {
    case ehAbsPhase:
    case ehSqrPhase: return f.phaseDeg;
    default: return f.value.imag();
    }
}

}  // namespace veltrane

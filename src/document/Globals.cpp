#include "document/Globals.h"

const std::string& ParaNames(int kind, int column)
{
    static const std::string table[ParaKindCount][2] = {
        {"none", "none"},
        {"Theta/[°]", "Theta/[°]"},
        {"Thickness/[nm]", "Thickness/[nm]"},
        {"EpsX-real", "n-X"},
        {"EpsX-imag", "kapa-X"},
        {"EpsY-real", "n-Y"},
        {"EpsY-imag", "kapa-Y"},
        {"EpsZ-real", "n-Z"},
        {"EpsZ-imag", "kapa-Z"},
        {"Phi/[°]", "Phi/[°]"},
        {"Azimut/[°]", "Azimut/[°]"},
        {"Elliptic/[°]", "Elliptic/[°]"},
    };
    static const std::string empty;
    if (kind < 0 || kind >= ParaKindCount || column < 0 || column > 1)
        return empty;
    return table[kind][column];
}

TEWave::TEWave()
{
    for (auto& f : Feld)
        InitEWaveField(f);
}

void InitEWaveField(TEWaveField& f)
{
    f.value = Complex(NOVALUE, NOVALUE);
    f.modulus = NOVALUE;
    f.modulusSqr = NOVALUE;
    f.phaseDeg = NOVALUE;
}

#include "document/CurveQuantity.h"

#include <cmath>

double CurveQuantity(const TResPunkt& p, int kind)
{
    switch (kind) {
    case ckRp: return p.Rp;
    case ckRs: return p.Rs;
    case ckRps: return std::sqrt(p.Rs * p.Rs + p.Rp * p.Rp);
    case ckTp: return p.Tp;
    case ckTs: return p.Ts;
    case ckTps: return std::sqrt(p.Ts * p.Ts + p.Tp * p.Tp);
    case ckPsi: return p.Psi;
    case ckDelta: return p.Delta;
    default: return 0.0;
    }
}

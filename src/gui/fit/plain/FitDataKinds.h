#pragma once
// The curve kinds the fit compares, in the order of the fit window's data
// box and of TSimulationiter::Datakind: a selection of the document's kinds.

#include <algorithm>
#include <array>
#include <cstddef>

#include "document/Records.h"

namespace veltrane::fit {

inline constexpr std::array<TCurveKind, 5> DataKinds = {ckRp, ckRs, ckRps, ckPsi, ckDelta};

// An index outside the box takes the nearest end.
inline TCurveKind DataKindOf(int datakind)
{
    return DataKinds[std::size_t(std::clamp(datakind, 0, int(DataKinds.size()) - 1))];
}

}  // namespace veltrane::fit

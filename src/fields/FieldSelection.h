#pragma once
// What a field set asks to be shown. A document file keeps only bits 8..15
// of the set, so after loading, a stale bit 6 can sit beside bit 8 or 9, and
// a file saved with real and imaginary parts comes back with neither 8 nor 9.
// The plot, its titles and the export all read the set through these rules
// so that they never disagree.

#include <array>
#include <cstdint>

#include "document/Records.h"

namespace veltrane {

// The shown pair of parts: 9 (squared modulus, phase) wins over 8 (modulus,
// phase), which wins over 6 (real, imaginary); a set with none of them shows
// real and imaginary parts.
int FieldPartCode(TEHFieldSet fields);

// Absolute depths in nm when bit 11 is set, relative depths otherwise.
bool AbsoluteScale(TEHFieldSet fields);

// The components in the order the windows and the export list them.
inline constexpr std::array<int, 3> PComponents{ehEx, ehHy, ehEz};
inline constexpr std::array<int, 3> SComponents{ehHx, ehEy, ehHz};

// Polarisation type 1 (S) shows no p components, type 0 (P) no s components.
inline bool ShowsP(std::int32_t polArt) { return polArt != paS; }
inline bool ShowsS(std::int32_t polArt) { return polArt != paP; }

// The two numbers of a field value that a part code shows.
double FirstPart(const TEWaveField& f, int partCode);
double SecondPart(const TEWaveField& f, int partCode);

}  // namespace veltrane

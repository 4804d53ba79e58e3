#pragma once
// A layer thickness below 0 nm has no physical meaning, yet the engine
// computes with one all the same and draws reflectivities far above 1.
// Every input that enters, steps or sweeps a thickness refuses it with the
// same text. A document that holds one still opens: it is refused where
// the user edits it, so an old file can be mended instead of lost.

// The one text of every refusal.
inline constexpr const char* NegativeThicknessText = "Layer thickness must be >=0";

// Whether a thickness in nm may be computed with. The empty marker passes:
// a missing value has messages of its own.
inline bool ThicknessAllowed(double nm) { return nm >= 0.0; }

// The same for a scan over a thickness. A scan never goes below the lower
// of its two ends (the Z curves step upwards from there), so both ends
// decide.
inline bool ThicknessRangeAllowed(double from, double to) { return ThicknessAllowed(from) && ThicknessAllowed(to); }

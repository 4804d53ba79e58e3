#pragma once
// What the field-options dialog shows, the check of its OK and the record it
// writes back, without widgets.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "document/Records.h"

// The edits the check can send the focus to.
enum TEHOptionEdit : int { eoD1 = 0, eoDn, eoPktanz };

struct EHOptionControls {
    std::array<bool, 6> Fields{};  // by component bit: Ex, Ey, Ez, Hx, Hy, Hz
    int Part = 2;                  // 0 real and imaginary, 1 modulus, 2 squared modulus (with phase)
    int Scale = 0;                 // 0 absolute, 1 relative depth
    double d_1 = 0.0;
    double d_n = 0.0;
    std::int32_t Pktanz = 0;
    std::int32_t Timer = 0;  // combo index, n x 500 ms
};

struct EHOptionFailure {
    std::string Message;
    int Edit;  // TEHOptionEdit
};

// The most points a field run may ask for.
constexpr std::int32_t MaxFieldPoints = 100000;
// "Off", "0.5 sec" ... "5.0 sec".
constexpr int TimerChoices = 11;

EHOptionControls LoadControls(const TEHOptionpara& o);

// The half-spaces are drawn over 0 nm or more and the point count lies in
// 0..100,000; an empty edit is refused too. The first failure in the
// order of the edits, or nothing.
std::optional<EHOptionFailure> CheckEHOptions(const EHOptionControls& c);

// Writes the controls into the record and tells whether the fields must be
// computed again (a thickness or the point count changed); a change of the
// shown parts, components or scale only needs a replot. The angles and the
// layer position pass through unchanged.
bool StoreControls(const EHOptionControls& c, TEHOptionpara& o);

// Polarisation type 1 (S) computes no p components, type 0 (P) no s ones.
bool ComponentEnabled(int component, std::int32_t polArt);

#pragma once
// Root order in the half-spaces. The principal square root can pick a
// growing or a backward wave (a metal half-space, a hyperbolic medium, a
// "-0" typed as imaginary part). In a half-space root 0 must be the wave
// that decays into it or, where neither root decays, the one that carries
// energy away from the stack.

#include "optics/Matrix.h"

namespace veltrane {

// True when root 1 should be root 0. flux0 and flux1 are the signs of the
// z energy flux the two roots carry (for s Re kz, for p Re(Hy/Ex)).
inline bool SwapRoots(Complex root0, Complex root1, double flux0, double flux1)
{
    if (root0.imag() != root1.imag())
        return root1.imag() > root0.imag();
    return flux0 <= 0.0 && flux1 > 0.0;
}

// -0.0 becomes +0.0 so that a branch cut never sees a negative zero.
inline Complex PlusZero(Complex z) { return Complex(z.real() + 0.0, z.imag() + 0.0); }

}  // namespace veltrane

#pragma once
// The engine's own per-point failures. A run marks the point invalid for
// either of them (and for a math error) and goes on with the next point.
// Their messages are fixed texts, so raising one allocates no string.

#include <exception>

// A z component of a wave vector vanished: the wave runs along the layer.
class EkoNullExecption : public std::exception {
public:
    const char* what() const noexcept override { return "Ko-Fehler"; }
};

// No real refracted angle exists at the prism's entrance face.
class EWinkelfehler : public std::exception {
public:
    const char* what() const noexcept override { return "Winkel-Fehler"; }
};

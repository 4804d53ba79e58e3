#pragma once
// The engine's own per-point failures. A run marks the point invalid for
// either of them (and for a math error) and goes on with the next point.

#include <stdexcept>

// A z component of a wave vector vanished: the wave runs along the layer.
class EkoNullExecption : public std::runtime_error {
public:
    EkoNullExecption() : std::runtime_error("Ko-Fehler") {}
};

// No real refracted angle exists at the prism's entrance face.
class EWinkelfehler : public std::runtime_error {
public:
    EWinkelfehler() : std::runtime_error("Winkel-Fehler") {}
};

#pragma once
// The extreme sample of a computed curve or of a measured scan, refined by
// the vertex of the parabola through it and its nearest neighbours.

#include <cstdint>

#include "document/Records.h"
#include "fitting/Quad3Matrix.h"

struct TQuad3Punkt {
    double x = NOVALUE;
    double y = NOVALUE;
    std::int32_t Index = -1;
    std::uint8_t valid = 0;
};

// An empty curve, or one without a valid sample, has no extremum: x and y
// are NOVALUE, Index -1 and valid 0.
inline bool HasExtremum(const TQuad3Punkt& p) { return p.Index >= 0; }

class TQuad3PInterpolbasis {
public:
    virtual ~TQuad3PInterpolbasis() = default;

    // Writes the vertex of the parabola through the three points into x and
    // y of out. Throws EListError "zero deteminant in invers(Quad3). Change
    // X-Range." for (nearly) coincident x. False, leaving out alone, when the
    // points lie on a line and have no vertex.
    bool Vertex(TQuad3Punkt left, TQuad3Punkt centre, TQuad3Punkt right, TQuad3Punkt& out);

protected:
    // The best sample refined by its neighbours; unrefined without a
    // neighbour on each side or when the vertex leaves the neighbours' span.
    TQuad3Punkt Refine(const TQuad3Punkt& left, const TQuad3Punkt& best, const TQuad3Punkt& right,
                       bool hasLeft, bool hasRight);

    TQuad3_vector yVector;
    TQuad3_vector coeff;  // a, b, c of y = a x² + b x + c
    TQuad3_matrix matrix;
};

class TQuad3PInterpolData : public TQuad3PInterpolbasis {
public:
    // Datakind 0 Rp, 1 Rs, 2 sqrt(Rs² + Rp²).
    explicit TQuad3PInterpolData(std::int32_t datakind) : Datakind(datakind) {}

    TQuad3Punkt Extremum(const TResColrec* col, bool minimum);
    // Sample i, the index clamped into the list.
    TQuad3Punkt GetPunkt(const TResColrec* col, int i) const;

    std::int32_t Datakind;
};

class TQuad3PInterpolScan : public TQuad3PInterpolbasis {
public:
    TQuad3PInterpolScan() = default;

    TQuad3Punkt Extremum(const TScanColrec* scan, bool minimum);
    // Sample i with Offset added to x and y multiplied by Scale.
    TQuad3Punkt GetPunkt(const TScanColrec* scan, int i) const;

    double Offset = 0.0;
    double Scale = 1.0;
};

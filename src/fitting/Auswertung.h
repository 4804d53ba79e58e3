#pragma once
// The resonance minimum of one computed curve or one measured scan between
// two X limits: the candidates inside the limits, the level from the lower
// flank, and the cubic regression through the bottom of the dip.

#include <cstdint>
#include <string>
#include <vector>

#include "document/Records.h"
#include "fitting/CubicRegression.h"

// The evaluation result of one curve.
struct TAuswrec {
    TAuswrec();
    double Zvalue = 0.0;
    double ymin = NOVALUE;
    double xmin = NOVALUE;
    std::string Name;
    std::string Path;
    std::vector<TRegPunkt> Curve;  // RegPktanz points of the regression cubic
};

class TAuswertungbasis {
public:
    virtual ~TAuswertungbasis() = default;

    // The minimum of the candidates; x and y NOVALUE when there is none.
    // Fills curve with the regression cubic (emptied when none was fitted).
    TAuswPunkt Evaluate(std::vector<TRegPunkt>& curve);
    // Index of the lowest candidate (ties keep the first); -1 when empty.
    int FindMinimum() const;
    // Index of the highest valid candidate from m toward the given end.
    int FindFlank(int m, int direction) const;
    void Clear() { candidates.clear(); }

    const std::vector<TAuswPunkt>& Candidates() const { return candidates; }

protected:
    void AddCandidate(double x, double y, bool valid);

    std::vector<TAuswPunkt> candidates;
    double left = 0.0;
    double right = 0.0;
    double percentage = 30.0;
};

class TAuswertungdata : public TAuswertungbasis {
public:
    // Datakind 0 Rp, 1 Rs, 2 sqrt(Rs² + Rp²).
    explicit TAuswertungdata(std::int32_t datakind) : Datakind(datakind) {}

    void Evaluate(const TResColrec& col, TAuswrec& out, double percentage, double left, double right);

    std::int32_t Datakind;
};

class TAuswertungscan : public TAuswertungbasis {
public:
    // The limits are whole numbers: the caller truncates its marker values.
    void Evaluate(const TScanColrec& scan, TAuswrec& out, double percentage, std::int32_t left,
                  std::int32_t right);

    double shift = 0.0;
    double scale = 1.0;
};

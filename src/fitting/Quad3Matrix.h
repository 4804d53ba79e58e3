#pragma once
// The 3-vector and 3x3 matrix of the parabola through three points.

#include <array>

struct TQuad3_vector {
    std::array<double, 3> v{};

    TQuad3_vector() = default;
    TQuad3_vector(double a, double b, double c) : v{a, b, c} {}
    double& operator[](int i) { return v[i]; }
    double operator[](int i) const { return v[i]; }
};

class TQuad3_matrix {
public:
    TQuad3_matrix() = default;
    TQuad3_matrix(const TQuad3_vector& r0, const TQuad3_vector& r1, const TQuad3_vector& r2);

    void Assign(const TQuad3_vector& r0, const TQuad3_vector& r1, const TQuad3_vector& r2);
    TQuad3_vector& operator[](int i) { return rows[i]; }
    const TQuad3_vector& operator[](int i) const { return rows[i]; }

    TQuad3_matrix Transpose() const;
    // Determinant by the rule of Sarrus.
    double Det() const;
    // Throws EListError "zero deteminant in invers(Quad3). Change X-Range."
    // when |det| < 1e-8; the threshold is absolute.
    TQuad3_matrix Invers() const;
    TQuad3_vector Mul(const TQuad3_vector& x) const;
    TQuad3_matrix Mul(double s) const;

private:
    std::array<TQuad3_vector, 3> rows{};
};

#pragma once
// The engine's small complex value types: a pair and a 2x2 matrix for the
// transfer-matrix method of one polarisation, a triple and a 3x3 matrix for
// dielectric tensors and their rotations. All are fixed-size values; nothing
// is allocated per product.

#include <array>
#include <complex>
#include <cstdint>

using Complex = std::complex<double>;

struct TVeltraVector {
    std::array<Complex, 2> v{};

    Complex& operator[](int i) { return v[i]; }
    const Complex& operator[](int i) const { return v[i]; }
    TVeltraVector& Assign(const TVeltraVector& src)
    {
        v = src.v;
        return *this;
    }
};

class TVeltraMatrix {
public:
    static constexpr std::uint32_t Diagonal = 0;
    static constexpr std::uint32_t Full = 1;

    explicit TVeltraMatrix(std::uint32_t kind = Full) : kind(kind) {}
    TVeltraMatrix(const TVeltraMatrix&) = default;
    // Assignment copies the entries only: the target keeps its kind word.
    TVeltraMatrix& operator=(const TVeltraMatrix& src)
    {
        rows = src.rows;
        return *this;
    }
    TVeltraMatrix& Assign(const TVeltraMatrix& src) { return *this = src; }

    TVeltraVector& operator[](int i) { return rows[i]; }
    const TVeltraVector& operator[](int i) const { return rows[i]; }

    // A x B. A full B gives the ordinary product; a diagonal B is read on its
    // diagonal only. Any other kind word gives the zero diagonal matrix.
    TVeltraMatrix Mul(const TVeltraMatrix& b) const;
    // Throws EListError "zero deteminant in invers" when |det| < 1e-8.
    TVeltraMatrix invers() const;
    TVeltraVector MulVector(const TVeltraVector& x) const;

    std::uint32_t kind;
    std::array<TVeltraVector, 2> rows{};
};

struct TEpsVector {
    std::array<Complex, 3> v{};

    Complex& operator[](int i) { return v[i]; }
    const Complex& operator[](int i) const { return v[i]; }
    TEpsVector& Assign(const TEpsVector& src)
    {
        v = src.v;
        return *this;
    }
};

class TEpsMatrix {
public:
    TEpsVector& operator[](int i) { return rows[i]; }
    const TEpsVector& operator[](int i) const { return rows[i]; }
    TEpsMatrix& Assign(const TEpsMatrix& src)
    {
        rows = src.rows;
        return *this;
    }
    TEpsMatrix Mul(const TEpsMatrix& b) const;
    // Plain transpose, no complex conjugation.
    TEpsMatrix Transpose() const;

    std::array<TEpsVector, 3> rows{};
};

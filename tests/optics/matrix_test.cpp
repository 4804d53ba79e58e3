#include <gtest/gtest.h>

#include "optics/Matrix.h"
#include "platform/Errors.h"

namespace {

TVeltraMatrix full(Complex a, Complex b, Complex c, Complex d)
{
    TVeltraMatrix m(TVeltraMatrix::Full);
    m[0][0] = a;
    m[0][1] = b;
    m[1][0] = c;
    m[1][1] = d;
    return m;
}

void expectNear(const TVeltraMatrix& a, const TVeltraMatrix& b, double tol = 1e-14)
{
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 2; ++j)
            EXPECT_NEAR(std::abs(a[i][j] - b[i][j]), 0.0, tol) << i << "," << j;
}

}  // namespace

TEST(VeltraMatrix, ProductsByKind)
{
    TVeltraMatrix a = full({1, 2}, {3, -1}, {0, 1}, {2, 0});
    TVeltraMatrix b = full({2, 0}, {1, 1}, {-1, 0}, {0, 3});
    TVeltraMatrix ab = a.Mul(b);
    EXPECT_EQ(ab.kind, TVeltraMatrix::Full);
    EXPECT_EQ(ab[0][0], Complex(1, 2) * Complex(2, 0) + Complex(3, -1) * Complex(-1, 0));
    EXPECT_EQ(ab[1][1], Complex(0, 1) * Complex(1, 1) + Complex(2, 0) * Complex(0, 3));
    TVeltraMatrix id = full(1, 0, 0, 1);
    expectNear(a.Mul(id), a);
    expectNear(id.Mul(a), a);

    // A diagonal right operand is read on its diagonal only.
    TVeltraMatrix d(TVeltraMatrix::Diagonal);
    d[0][0] = 2;
    d[1][1] = Complex(0, 1);
    d[0][1] = 99;  // ignored
    TVeltraMatrix ad = a.Mul(d);
    EXPECT_EQ(ad.kind, TVeltraMatrix::Full);
    expectNear(ad, full(Complex(1, 2) * 2.0, Complex(3, -1) * Complex(0, 1), Complex(0, 1) * 2.0, Complex(0, 2)));

    d[0][1] = 0;
    TVeltraMatrix da = d.Mul(a);
    EXPECT_EQ(da.kind, TVeltraMatrix::Full);
    expectNear(da, full(Complex(2, 4), Complex(6, -2), Complex(0, 1) * Complex(0, 1), Complex(0, 2)));

    TVeltraMatrix odd(7);
    TVeltraMatrix z = odd.Mul(a);
    EXPECT_EQ(z.kind, TVeltraMatrix::Diagonal);
    expectNear(z, TVeltraMatrix(TVeltraMatrix::Diagonal));
}

TEST(VeltraMatrix, InverseAndItsDeterminantLimit)
{
    TVeltraMatrix a = full({1, 2}, {3, -1}, {0, 1}, {2, 0});
    expectNear(a.Mul(a.invers()), full(1, 0, 0, 1));
    expectNear(a.invers().Mul(a), full(1, 0, 0, 1));
    expectNear(full(2, 0, 0, 4).invers(), full(0.5, 0, 0, 0.25));

    TVeltraMatrix d(TVeltraMatrix::Diagonal);
    d[0][0] = 2;
    d[1][1] = 4;
    TVeltraMatrix di = d.invers();
    EXPECT_EQ(di.kind, TVeltraMatrix::Diagonal);
    EXPECT_EQ(di[0][0], Complex(0.5, 0));
    EXPECT_EQ(di[1][1], Complex(0.25, 0));
    EXPECT_EQ(di[0][1], Complex(0, 0));
    TVeltraMatrix tiny(TVeltraMatrix::Diagonal);
    tiny[0][0] = 1e-20;
    tiny[1][1] = 1;
    EXPECT_NO_THROW(tiny.invers());  // no determinant test for a diagonal matrix

    try {
        full(1e-9, 0, 0, 1).invers();
        FAIL();
    } catch (const veltrane::EListError& e) {
        EXPECT_STREQ(e.what(), "zero deteminant in invers");
    }
    EXPECT_NO_THROW(full(1e-8, 0, 0, 1).invers());
}

TEST(VeltraMatrix, CopiesAndAssignment)
{
    TVeltraMatrix d(TVeltraMatrix::Diagonal);
    d[0][0] = 3;
    TVeltraMatrix copy(d);
    EXPECT_EQ(copy.kind, TVeltraMatrix::Diagonal);
    copy[0][0] = 5;
    EXPECT_EQ(d[0][0], Complex(3, 0));

    TVeltraMatrix target(TVeltraMatrix::Full);
    target = d;  // entries only; the target keeps its kind
    EXPECT_EQ(target.kind, TVeltraMatrix::Full);
    EXPECT_EQ(target[0][0], Complex(3, 0));

    TVeltraVector v;
    v[0] = Complex(1, 1);
    v[1] = 2;
    TVeltraVector mv = full(1, 2, 3, 4).MulVector(v);
    EXPECT_EQ(mv[0], Complex(5, 1));
    EXPECT_EQ(mv[1], Complex(11, 3));
}

TEST(EpsMatrix, ProductAndTransposeWithoutConjugation)
{
    TEpsMatrix a, b;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) {
            a[i][j] = Complex(i + 1, j);
            b[i][j] = Complex(j - i, 1);
        }
    TEpsMatrix ab = a.Mul(b);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) {
            Complex s = 0;
            for (int k = 0; k < 3; ++k)
                s += a[i][k] * b[k][j];
            EXPECT_EQ(ab[i][j], s);
        }
    TEpsMatrix t = a.Transpose();
    EXPECT_EQ(t[0][2], a[2][0]);
    EXPECT_EQ(t[2][1], Complex(2, 2));  // a[1][2] = (2, 2), not conjugated
    EXPECT_EQ(t.Transpose()[1][2], a[1][2]);
}

#include "optics/Matrix.h"

#include "platform/Errors.h"

TVeltraMatrix TVeltraMatrix::Mul(const TVeltraMatrix& b) const
{
    if ((kind != Diagonal && kind != Full) || (b.kind != Diagonal && b.kind != Full))
        return TVeltraMatrix(Diagonal);
    TVeltraMatrix r(Full);
    if (b.kind == Full) {
        for (int i = 0; i < 2; ++i)
            for (int j = 0; j < 2; ++j)
                r[i][j] = rows[i][0] * b[0][j] + rows[i][1] * b[1][j];
    } else {
        for (int i = 0; i < 2; ++i)
            for (int j = 0; j < 2; ++j)
                r[i][j] = rows[i][j] * b[j][j];
    }
    return r;
}

TVeltraMatrix TVeltraMatrix::invers() const
{
    if (kind == Diagonal) {
        TVeltraMatrix r(Diagonal);
        r[0][0] = Complex(1.0, 0.0) / rows[0][0];
        r[1][1] = Complex(1.0, 0.0) / rows[1][1];
        return r;
    }
    if (kind != Full)
        return TVeltraMatrix(Diagonal);
    Complex det = rows[0][0] * rows[1][1] - rows[0][1] * rows[1][0];
    if (std::abs(det) < 1e-8)
        throw veltrane::EListError("zero deteminant in invers");
    TVeltraMatrix r(Full);
    r[0][0] = rows[1][1] / det;
    r[0][1] = -rows[0][1] / det;
    r[1][0] = -rows[1][0] / det;
    r[1][1] = rows[0][0] / det;
    return r;
}

TVeltraVector TVeltraMatrix::MulVector(const TVeltraVector& x) const
{
    TVeltraVector r;
    for (int i = 0; i < 2; ++i)
        r[i] = rows[i][0] * x[0] + rows[i][1] * x[1];
    return r;
}

TEpsMatrix TEpsMatrix::Mul(const TEpsMatrix& b) const
{
    TEpsMatrix r;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) {
            Complex s(0.0, 0.0);
            for (int k = 0; k < 3; ++k)
                s += rows[i][k] * b[k][j];
            r[i][j] = s;
        }
    return r;
}

TEpsMatrix TEpsMatrix::Transpose() const
{
    TEpsMatrix r;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            r[i][j] = rows[j][i];
    return r;
}

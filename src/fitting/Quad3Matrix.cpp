#include "fitting/Quad3Matrix.h"

#include <cmath>

#include "platform/Errors.h"

TQuad3_matrix::TQuad3_matrix(const TQuad3_vector& r0, const TQuad3_vector& r1,
                             const TQuad3_vector& r2)
    : rows{r0, r1, r2}
{
}

void TQuad3_matrix::Assign(const TQuad3_vector& r0, const TQuad3_vector& r1,
                           const TQuad3_vector& r2)
{
    rows = {r0, r1, r2};
}

TQuad3_matrix TQuad3_matrix::Transpose() const
{
    TQuad3_matrix t;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            t[i][j] = rows[j][i];
    return t;
}

double TQuad3_matrix::Det() const
{
    const auto& a = rows;
    return a[0][0] * a[1][1] * a[2][2] + a[0][1] * a[1][2] * a[2][0] + a[0][2] * a[1][0] * a[2][1]
         - a[0][2] * a[1][1] * a[2][0] - a[0][0] * a[1][2] * a[2][1] - a[0][1] * a[1][0] * a[2][2];
}

TQuad3_matrix TQuad3_matrix::Invers() const
{
    const double det = Det();
    if (!(std::fabs(det) >= 1e-8))
        throw veltrane::EListError("zero deteminant in invers(Quad3). Change X-Range.");
    // Cofactor (i, j) uses the rows and columns other than i and j, cyclically,
    // which carries the sign.
    TQuad3_matrix cof;
    for (int i = 0; i < 3; ++i) {
        const int i1 = (i + 1) % 3, i2 = (i + 2) % 3;
        for (int j = 0; j < 3; ++j) {
            const int j1 = (j + 1) % 3, j2 = (j + 2) % 3;
            cof[i][j] = rows[i1][j1] * rows[i2][j2] - rows[i1][j2] * rows[i2][j1];
        }
    }
    return cof.Transpose().Mul(1.0 / det);
}

TQuad3_vector TQuad3_matrix::Mul(const TQuad3_vector& x) const
{
    TQuad3_vector r;
    for (int i = 0; i < 3; ++i)
        r[i] = rows[i][0] * x[0] + rows[i][1] * x[1] + rows[i][2] * x[2];
    return r;
}

TQuad3_matrix TQuad3_matrix::Mul(double s) const
{
    TQuad3_matrix r;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            r[i][j] = rows[i][j] * s;
    return r;
}

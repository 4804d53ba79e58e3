#include "optics/Plasmon.h"

TGrenz::TGrenz(int upper, int lower) : upper(upper), lower(lower)
{
    matrixP.kind = TVeltraMatrix::Full;
    matrixS.kind = TVeltraMatrix::Full;
}

TSchicht::TSchicht(int index) : index(index)
{
    matrixP.kind = TVeltraMatrix::Diagonal;
    matrixS.kind = TVeltraMatrix::Diagonal;
}

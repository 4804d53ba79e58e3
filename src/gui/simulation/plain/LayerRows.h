#pragma once
// The parameter dialog's own table of all 30 layers, apart from any widget,
// and the layer operations that rearrange it. Values are stored as typed:
// in the n-and-kappa input mode the real-part fields hold n and the
// imaginary-part fields kappa.

#include <array>
#include <string>

#include "document/NoValue.h"
#include "document/Records.h"

struct TSchichtparameter {
    std::string Name;  // the layer number shown in the row's label
    bool Aniso = false;
    double Dicke = Riedit::NADN;
    double EpsXR = Riedit::NADN, EpsXI = Riedit::NADN;
    double EpsYR = Riedit::NADN, EpsYI = Riedit::NADN;
    double EpsZR = Riedit::NADN, EpsZI = Riedit::NADN;
    bool operator==(const TSchichtparameter&) const = default;
};

using TLayerRows = std::array<TSchichtparameter, MaxLayers>;

// The seven numbers of a row in the order of its edits.
enum TRowColumn : int {
    rcDicke = 0, rcEpsXR, rcEpsXI, rcEpsYR, rcEpsYI, rcEpsZR, rcEpsZI, RowColumnCount
};
double& RowValue(TSchichtparameter& row, int column);
double RowValue(const TSchichtparameter& row, int column);

// Codes the layer-number dialog is opened with.
enum TLayerOperation : int { loExchange = 0, loMove = 1, loCopy = 2, loInsert = 3, loDelete = 4 };

// A row holds a value when its thickness or an eps X part is filled, or,
// for an anisotropic row, any of its Y and Z parts.
bool RowHoldsValue(const TSchichtparameter& row);
int RowsHoldingValues(const TLayerRows& rows);

// Names "1" .. "30" in table order.
void RenameRows(TLayerRows& rows);
// The first layer is the lossless incident medium.
void ClearFirstLayerLoss(TLayerRows& rows);

// a and b are 0-based row indexes in 0 .. 29. Insert drops the former last
// row; Delete leaves an empty last row. Names are not touched.
void ApplyLayerOperation(TLayerRows& rows, int code, int a, int b);

// Whether the edit of a column is open for typing in the row of layer index
// `layer`: Y and Z only for anisotropic rows, never the imaginary parts of
// the first layer.
bool RowEditEnabled(int layer, bool aniso, int column);

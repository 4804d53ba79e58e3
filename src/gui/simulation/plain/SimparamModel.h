#pragma once
// What the simulation-parameter dialog knows apart from its widgets: the
// inputs outside the layer table, its own table of all 30 layers with the
// row shown first, the numbers of the last layer operation, the checks run
// on OK and the record they let through.
//
// The widgets show 7 rows of the table at a time. Whatever the user typed
// into them reaches the table only when the rows are stored, so every
// change of the first visible row goes through ScrollTo, which stores
// before it moves.

#include <optional>
#include <string>

#include "document/Globals.h"
#include "document/Records.h"
#include "gui/simulation/plain/LayerRows.h"
#include "gui/simulation/plain/SimparamForm.h"

// The 7 visible rows as the dialog shows them; j counts 0 .. 6.
class TLayerRowView {
public:
    virtual ~TLayerRowView() = default;
    // Row j as the user left it; an empty edit gives Riedit::NADN.
    virtual TSchichtparameter ReadRow(int j) const = 0;
    // Shows `row`, the table's row of layer index `layer`, in row j, with
    // the edits open as RowEditEnabled says.
    virtual void ShowRow(int j, int layer, const TSchichtparameter& row) = 0;
};

// The input a refusal of OK is about: an edit or box outside the table, or
// a cell of the table.
enum class SimparamInput {
    LayerCell,
    Wellenlange, Azimut, Elliptic, Prismawinkel, Phiangle,
    XAxisBox, Xvon, Xbis, XPktanz, XLayerNr, ZAxisBox, Zvon, Zbis, ZColstep, ZLayerNr, Theta
};

struct SimparamRefusal {
    std::string Message;
    SimparamInput Input = SimparamInput::LayerCell;
    int Layer = 1;          // LayerCell: the layer number, 1-based
    int Column = rcDicke;   // LayerCell: the TRowColumn
    bool operator==(const SimparamRefusal&) const = default;
};

// The page of the dialog that shows the input: 0 "General", 1 "Axis",
// 2 "Layer".
int SimparamPage(SimparamInput input);

class TSimparamModel {
public:
    // The highest first visible row: 31 - 7.
    static constexpr int MaxTopRow = MaxLayers + 1 - SimparLayerRows;
    // More result points than this would take gigabytes and minutes.
    static constexpr double MaxResultPoints = 1e7;

    TSimparamModel();

    SimparamForm Form;
    TLayerRows Rows;
    int TopRow = 1;     // layer number (1-based) shown in the first row
    int LayerNr1 = 0;   // 0-based indexes last used by a layer operation
    int LayerNr2 = 1;

    // Numbers 0 and 1 for the next layer operation, rows named "1" .. "30".
    void ResetDialog();

    void RecordToDialog(const TSimparameter& p);
    // Writes every input into the record; the record's working values
    // (incident pair, kx, run angles) are left as they are.
    void DialogToRecord(TSimparameter& p) const;

    // The first failing check, with the input the user has to mend; nothing
    // when all pass. A triangular or half-cylinder prism has no Phi: the
    // check sets it to 0.
    std::optional<SimparamRefusal> Refusal();
    // The first failing check's message, empty when all pass.
    std::string Check();
    // OK: the check, and when it passes layer 1 made lossless and the
    // record written. Returns the check's message; the record is untouched
    // when it is not empty.
    std::string Ok(TSimparameter& p);
    // The same, with the input the refusal is about.
    std::optional<SimparamRefusal> OkOrRefusal(TSimparameter& p);

    void StoreRows(const TLayerRowView& view, int top);
    void ShowRows(TLayerRowView& view, int top) const;
    // A new first row (clamped to 1 .. MaxTopRow), whoever asks for it:
    // the visible rows are stored before they show other layers.
    void ScrollTo(TLayerRowView& view, int newTop);
    // After the table was refilled from the record: back to the first row
    // without storing the rows, which still show the previous values.
    void ShowFromTop(TLayerRowView& view);
    // An operation the layer-number dialog confirmed, a and b 0-based: the
    // typed rows are stored, the table changed and shown again.
    void LayerOperation(TLayerRowView& view, int code, int a, int b);

    // Columns (Z curves) the inputs ask for; 1 without a Z parameter.
    int ZColumnCount() const;
};

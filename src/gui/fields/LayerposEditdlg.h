#pragma once
// The small dialog that takes a place in the stack: a layer number counted
// from 1 (up to the stack's layer count) and a position inside it in nm.

#include "gui/fields/FieldEditdlg.h"
#include "gui/fields/plain/LayerPlace.h"

class TUpDown;

class TLayerposEditdlg : public TFieldEditdlg {
    Q_OBJECT
public:
    explicit TLayerposEditdlg(QWidget* parent = nullptr);

    void SetMaxLayer(int count);
    // The stack the place must lie in, as the layer view walks it; without
    // one only the layer number is checked.
    void SetLayerTable(const veltrane::LayerTable& table) { table_ = table; }
    // Zero-based, shown counted from 1.
    void SetLayerNr(int layerNr);
    int GetLayerNr() const { return layerNr_; }
    void SetPosition(double position);
    // The empty-double marker when the edit was left empty.
    double GetPosition() const { return position_; }

    TRIEdit* layernr;
    TUpDown* NrUpDown;
    TRIEdit* valueedit;

protected:
    // A layer the stack does not have, or a position outside the chosen
    // layer, is refused with an "Error" box and the dialog stays open, so
    // that the user corrects the place where it was typed.
    bool Take() override;

private:
    veltrane::LayerTable table_;
    int layerNr_ = 0;
    double position_ = 0.0;
};

#pragma once
// The small dialog that takes a place in the stack: a layer number counted
// from 1 (up to the stack's layer count) and a position inside it in nm.

#include "gui/fields/FieldEditdlg.h"

class TUpDown;

class TLayerposEditdlg : public TFieldEditdlg {
    Q_OBJECT
public:
    explicit TLayerposEditdlg(QWidget* parent = nullptr);

    void SetMaxLayer(int count);
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
    // A layer the stack does not have is refused with an "Error" box and
    // the dialog stays open.
    bool Take() override;

private:
    int layerNr_ = 0;
    double position_ = 0.0;
};

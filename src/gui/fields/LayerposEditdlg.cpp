#include "gui/fields/LayerposEditdlg.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>

#include "controls/RIEdit.h"
#include "document/Records.h"
#include "gui/common/UpDown.h"
#include "platform/Platform.h"

TLayerposEditdlg::TLayerposEditdlg(QWidget* parent)
    : TFieldEditdlg(parent, "LayerposEditdlg", "Edit Layerposition")
{
    layernr = new TRIEdit(this);
    layernr->setObjectName("layernr");
    layernr->SetEditType(reInteger);
    layernr->SetOnlypositiv(true);
    layernr->setFixedWidth(50);
    NrUpDown = new TUpDown(layernr, 1, MaxLayers, this);
    NrUpDown->setObjectName("NrUpDown");
    valueedit = new TRIEdit(this);
    valueedit->setObjectName("valueedit");
    valueedit->setFixedWidth(100);
    SetFocusEdit(valueedit);

    auto* nrRow = new QHBoxLayout;
    nrRow->setSpacing(0);
    nrRow->addWidget(layernr);
    nrRow->addWidget(NrUpDown);
    nrRow->addStretch();
    auto* posRow = new QHBoxLayout;
    posRow->addWidget(valueedit);
    posRow->addWidget(new QLabel("[nm]", this));
    posRow->addStretch();
    auto* nrLabel = new QLabel("Layer-Nr:", this);
    nrLabel->setBuddy(layernr);
    Form()->addRow(nrLabel, nrRow);
    auto* posLabel = new QLabel("Layer-Position:", this);
    posLabel->setBuddy(valueedit);
    Form()->addRow(posLabel, posRow);
}

void TLayerposEditdlg::SetMaxLayer(int count) { NrUpDown->SetMax(count); }

void TLayerposEditdlg::SetLayerNr(int layerNr)
{
    layerNr_ = layerNr;
    layernr->SetInteger(layerNr + 1);
}

void TLayerposEditdlg::SetPosition(double position)
{
    position_ = position;
    valueedit->SetDouble(position);
}

bool TLayerposEditdlg::Take()
{
    const int nr = layernr->GetInteger();
    const int max = NrUpDown->Max();
    if (nr == Riedit::NAIN || nr < 1 || nr > max) {
        Refuse(layernr, "wrong Layer-Nr (1-" + std::to_string(max) + ")");
        return false;
    }
    const double position = valueedit->Getdouble();
    if (position != Riedit::NADN && table_.Count > 0) {
        const std::string refusal =
            veltrane::PlaceRefusal(table_, {nr - 1, position}, veltrane::platform().decimalSeparator());
        if (!refusal.empty()) {
            Refuse(valueedit, refusal);
            return false;
        }
    }
    layerNr_ = nr - 1;
    position_ = position;
    return true;
}

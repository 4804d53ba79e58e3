#include "gui/fields/LayerposEditdlg.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "controls/RIEdit.h"
#include "document/Records.h"
#include "gui/fields/ThetaEditdlgs.h"
#include "gui/simulation/UpDown.h"
#include "platform/Platform.h"

TLayerposEditdlg::TLayerposEditdlg(QWidget* parent) : QDialog(parent)
{
    setObjectName("LayerposEditdlg");
    setWindowTitle("Edit Layerposition");
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

    auto* nrRow = new QHBoxLayout;
    nrRow->setSpacing(0);
    nrRow->addWidget(layernr);
    nrRow->addWidget(NrUpDown);
    nrRow->addStretch();
    auto* posRow = new QHBoxLayout;
    posRow->addWidget(valueedit);
    posRow->addWidget(new QLabel("[nm]", this));
    posRow->addStretch();
    auto* form = new QFormLayout;
    auto* nrLabel = new QLabel("Layer-Nr:", this);
    nrLabel->setBuddy(layernr);
    form->addRow(nrLabel, nrRow);
    auto* posLabel = new QLabel("Layer-Position:", this);
    posLabel->setBuddy(valueedit);
    form->addRow(posLabel, posRow);

    OkBtn = new QPushButton("Ok", this);
    OkBtn->setObjectName("OkBtn");
    OkBtn->setDefault(true);
    CloseBtn = new QPushButton("Close", this);
    CloseBtn->setObjectName("CloseBtn");
    connect(OkBtn, &QPushButton::clicked, this, &TLayerposEditdlg::accept);
    connect(CloseBtn, &QPushButton::clicked, this, &TLayerposEditdlg::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OkBtn);
    buttons->addWidget(CloseBtn);
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(form);
    outer->addLayout(buttons);
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

void TLayerposEditdlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FocusAtEnd(valueedit);
}

void TLayerposEditdlg::accept()
{
    const int nr = layernr->GetInteger();
    const int max = NrUpDown->Max();
    if (nr == Riedit::NAIN || nr < 1 || nr > max) {
        veltrane::showError("Error", "wrong Layer-Nr (1-" + std::to_string(max) + ")");
        layernr->setFocus();
        layernr->selectAll();
        return;
    }
    layerNr_ = nr - 1;
    position_ = valueedit->Getdouble();
    QDialog::accept();
}

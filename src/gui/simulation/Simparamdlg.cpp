#include "gui/simulation/Simparamdlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "controls/EnableRadioGroup.h"
#include "controls/RIEdit.h"
#include "document/Defaults.h"
#include "gui/simulation/LayerEditdlg.h"
#include "gui/common/UpDown.h"
#include "platform/Platform.h"

namespace {
constexpr int LayerPageIndex = 2;
}  // namespace

TSimparamdlg::TSimparamdlg(Document& doc, QWidget* parent) : QDialog(parent), doc_(doc)
{
    setObjectName("Simparamdlg");
    setWindowTitle("Simulation Parameter");
    LayerEditdlg = new TLayerEditdlg(this);
    SimPageControl = new QTabWidget(this);
    SimPageControl->setObjectName("SimPageControl");
    auto* general = new QWidget;
    auto* axis = new QWidget;
    auto* layer = new QWidget;
    buildGeneralPage(general);
    buildAxisPage(axis);
    buildLayerPage(layer);
    SimPageControl->addTab(general, "General");
    SimPageControl->addTab(axis, "Axis");
    SimPageControl->addTab(layer, "Layer");
    buildButtons();

    connect(SimPageControl, &QTabWidget::currentChanged, this, [this] { SimPageControlChange(); });
    connect(PolArtGroup, &TEnableRadioGroup::OnClick, this, [this] { PolArtGroupClick(); });
    connect(EpsGroup, &TEnableRadioGroup::OnClick, this, [this] { EpsGroupClick(); });
    connect(PrismartBox, &QComboBox::currentIndexChanged, this, [this] { PrismartBoxChange(); });
    connect(XAxisBox, &QComboBox::currentIndexChanged, this, [this] { XAxisBoxChange(); });
    connect(ZAxisBox, &QComboBox::currentIndexChanged, this, [this] { ZAxisBoxChange(); });
    connect(LayerScrollBar, &QScrollBar::valueChanged, this, [this](int v) { LayerScrollBarScroll(v); });
    for (int j = 0; j < SimparLayerRows; ++j)
        connect(Rows[std::size_t(j)].Aniso, &QCheckBox::clicked, this, [this, j] { AnisoClick(j); });

    // Until the first showing the controls show the table as it stands.
    ResetDialog();
    EpsGroupClick();
    model_.ShowFromTop(*this);
}

bool TSimparamdlg::Execute() { return exec() == QDialog::Accepted; }

void TSimparamdlg::SetDefaultParameter(TSimparameter& p) { ::SetDefaultParameter(p); }

void TSimparamdlg::ResetDialog()
{
    model_.ResetDialog();
    SimPageControl->setCurrentIndex(LayerPageIndex);
}

void TSimparamdlg::showEvent(QShowEvent* event)
{
    // Restoring a minimised dialog must not throw away what was typed.
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

void TSimparamdlg::FormShow()
{
    model_.RecordToDialog(doc_.Simparameter);
    WriteForm();
    EpsGroupClick();
    XAxisBoxChange();
    ZAxisBoxChange();
    PrismartBoxChange();
    SimPageControlChange();
    PolArtGroupClick();
    // The rows still show the previous showing's values: they are
    // replaced, not stored.
    {
        const QSignalBlocker block(LayerScrollBar);
        LayerScrollBar->setValue(1);
    }
    model_.ShowFromTop(*this);
}

void TSimparamdlg::accept()
{
    model_.StoreRows(*this, model_.TopRow);
    ReadForm();
    const std::optional<SimparamRefusal> refusal = model_.OkOrRefusal(doc_.Simparameter);
    // The check may have cleared a Phi the prism cannot have.
    nPhiangle->SetDouble(model_.Form.Phiangle);
    if (refusal) {
        veltrane::showError("Error Simulation parameter", refusal->Message);
        ShowInput(*refusal);
        return;
    }
    // The first layer's loss was cleared in the table.
    model_.ShowRows(*this, model_.TopRow);
    QDialog::accept();
}

void TSimparamdlg::ShowInput(const SimparamRefusal& refusal)
{
    SimPageControl->setCurrentIndex(SimparamPage(refusal.Input));
    QWidget* input = nullptr;
    switch (refusal.Input) {
    case SimparamInput::LayerCell: {
        // The table scrolls as little as it takes to show the layer's row.
        const int layer = std::clamp(refusal.Layer, 1, MaxLayers);
        int top = model_.TopRow;
        if (layer < top)
            top = layer;
        else if (layer >= top + SimparLayerRows)
            top = layer - SimparLayerRows + 1;
        model_.ScrollTo(*this, top);
        {
            const QSignalBlocker block(LayerScrollBar);
            LayerScrollBar->setValue(model_.TopRow);
        }
        const int row = std::clamp(layer - model_.TopRow, 0, SimparLayerRows - 1);
        const int column = std::clamp(refusal.Column, 0, RowColumnCount - 1);
        input = Rows[std::size_t(row)].Edits[std::size_t(column)];
        break;
    }
    case SimparamInput::Wellenlange: input = nWellenlange; break;
    case SimparamInput::Azimut: input = nAzimut; break;
    case SimparamInput::Elliptic: input = nElliptic; break;
    case SimparamInput::Prismawinkel: input = nPrismawinkel; break;
    case SimparamInput::Phiangle: input = nPhiangle; break;
    case SimparamInput::XAxisBox: input = XAxisBox; break;
    case SimparamInput::Xvon: input = nX_von; break;
    case SimparamInput::Xbis: input = nX_bis; break;
    case SimparamInput::XPktanz: input = nXPktanz; break;
    case SimparamInput::XLayerNr: input = nXLayerNr; break;
    case SimparamInput::ZAxisBox: input = ZAxisBox; break;
    case SimparamInput::Zvon: input = nZ_von; break;
    case SimparamInput::Zbis: input = nZ_bis; break;
    case SimparamInput::ZColstep: input = nZColstep; break;
    case SimparamInput::ZLayerNr: input = nZLayerNr; break;
    case SimparamInput::Theta: input = nTheta; break;
    }
    if (!input)
        return;
    input->setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(input))
        edit->selectAll();
}

void TSimparamdlg::WriteForm()
{
    const SimparamForm& f = model_.Form;
    PolArtGroup->SetItemIndex(f.PolArt);
    EpsGroup->SetItemIndex(f.EpsMode);
    nAzimut->SetDouble(f.Azimut);
    nElliptic->SetDouble(f.Elliptic);
    CircularGroup->SetItemIndex(f.CircularIndex);
    nWellenlange->SetDouble(f.Wellenlange);
    {
        const QSignalBlocker block(PrismartBox);
        PrismartBox->setCurrentIndex(f.Prismart);
    }
    PrismreflekCheck->setChecked(f.Prismreflek);
    nPrismawinkel->SetDouble(f.Prismawinkel);
    nPhiangle->SetDouble(f.Phiangle);
    nTheta->SetDouble(f.Theta);
    {
        const QSignalBlocker bx(XAxisBox), bz(ZAxisBox);
        XAxisBox->setCurrentIndex(f.XTyp);
        ZAxisBox->setCurrentIndex(f.ZTyp);
    }
    nX_von->SetDouble(f.Xvon);
    nX_bis->SetDouble(f.Xbis);
    nXPktanz->SetInteger(f.XPktanz);
    nXLayerNr->SetInteger(f.XLayerNr);
    nZ_von->SetDouble(f.Zvon);
    nZ_bis->SetDouble(f.Zbis);
    nZColstep->SetDouble(f.ZColstep);
    nZLayerNr->SetInteger(f.ZLayerNr);
    CommentEdit->setText(QString::fromStdString(f.Comment));
}

void TSimparamdlg::ReadForm()
{
    SimparamForm& f = model_.Form;
    f.PolArt = PolArtGroup->ItemIndex();
    f.EpsMode = EpsGroup->ItemIndex();
    f.Azimut = nAzimut->Getdouble();
    f.Elliptic = nElliptic->Getdouble();
    f.CircularIndex = CircularGroup->ItemIndex();
    f.Wellenlange = nWellenlange->Getdouble();
    f.Prismart = PrismartBox->currentIndex();
    f.Prismreflek = PrismreflekCheck->isChecked();
    f.Prismawinkel = nPrismawinkel->Getdouble();
    f.Phiangle = nPhiangle->Getdouble();
    f.Theta = nTheta->Getdouble();
    // A kind that no item names (a damaged file's) shows no item and stays
    // as stored until the user chooses one: it must not turn into Theta.
    if (XAxisBox->currentIndex() >= 0)
        f.XTyp = XAxisBox->currentIndex();
    f.Xvon = nX_von->Getdouble();
    f.Xbis = nX_bis->Getdouble();
    f.XPktanz = nXPktanz->GetInteger();
    f.XLayerNr = nXLayerNr->GetInteger();
    if (ZAxisBox->currentIndex() >= 0)
        f.ZTyp = ZAxisBox->currentIndex();
    f.Zvon = nZ_von->Getdouble();
    f.Zbis = nZ_bis->Getdouble();
    f.ZColstep = nZColstep->Getdouble();
    f.ZLayerNr = nZLayerNr->GetInteger();
    f.Comment = CommentEdit->text().toStdString();
}

TSchichtparameter TSimparamdlg::ReadRow(int j) const
{
    const RowControls& c = Rows[std::size_t(j)];
    TSchichtparameter row;
    row.Aniso = c.Aniso->isChecked();
    for (int k = 0; k < RowColumnCount; ++k)
        RowValue(row, k) = c.Edits[std::size_t(k)]->Getdouble();
    return row;
}

void TSimparamdlg::ShowRow(int j, int layer, const TSchichtparameter& row)
{
    RowControls& c = Rows[std::size_t(j)];
    c.XSchichtNr->setText(QString::fromStdString(row.Name));
    c.Aniso->setChecked(row.Aniso);
    for (int k = 0; k < RowColumnCount; ++k) {
        TRIEdit* e = c.Edits[std::size_t(k)];
        e->SetDouble(RowValue(row, k));
        e->SetEnabled(RowEditEnabled(layer, row.Aniso, k));
    }
}

void TSimparamdlg::AnisoClick(int j)
{
    RowControls& c = Rows[std::size_t(j)];
    const int layer = model_.TopRow - 1 + j;
    for (int k = rcEpsYR; k <= rcEpsZI; ++k)
        c.Edits[std::size_t(k)]->SetEnabled(RowEditEnabled(layer, c.Aniso->isChecked(), k));
}

void TSimparamdlg::LayerScrollBarScroll(int position)
{
    if (position != model_.TopRow)
        model_.ScrollTo(*this, position);
}

bool TSimparamdlg::RunLayerEdit(int code, int& a, int& b)
{
    int nr1 = a + 1;
    int nr2 = b + 1;
    if (!LayerEditdlg->Execute(code, nr1, nr2))
        return false;
    a = nr1 - 1;
    b = nr2 - 1;
    return true;
}

void TSimparamdlg::LayerButtonClick(int code)
{
    if (RunLayerEdit(code, model_.LayerNr1, model_.LayerNr2))
        model_.LayerOperation(*this, code, model_.LayerNr1, model_.LayerNr2);
}

void TSimparamdlg::SimPageControlChange()
{
    const bool layerPage = SimPageControl->currentIndex() == LayerPageIndex;
    for (QPushButton* b : {InsertBtn, DeleteBtn, ExchangeBtn, CopyBtn, MoveBtn})
        b->setVisible(layerPage);
    LayerScrollBar->setValue(model_.TopRow);
}

void TSimparamdlg::PolArtGroupClick() { applyVisibility(); }
void TSimparamdlg::XAxisBoxChange() { applyVisibility(); }
void TSimparamdlg::ZAxisBoxChange() { applyVisibility(); }

void TSimparamdlg::PrismartBoxChange()
{
    if (!applyVisibility().Phi)
        nPhiangle->SetDouble(0.0);
}

SimparamVisibility TSimparamdlg::applyVisibility()
{
    SimparamForm f;
    f.PolArt = PolArtGroup->ItemIndex();
    f.Prismart = PrismartBox->currentIndex();
    f.XTyp = XAxisBox->currentIndex();
    f.ZTyp = ZAxisBox->currentIndex();
    const SimparamVisibility v = Visibility(f);
    AzimutGroup->setVisible(v.Azimut);
    EllipticGroup->setVisible(v.Elliptic);
    CircularGroup->setVisible(v.Circular);
    PrismreflekCheck->setVisible(v.Prismreflek);
    PrismawinkelLabel->setVisible(v.Prismawinkel);
    nPrismawinkel->setVisible(v.Prismawinkel);
    PhiGroupBox->setVisible(v.Phi);
    ThetaGroup->setVisible(v.Theta);
    for (QWidget* w : std::initializer_list<QWidget*>{XLayerLabel, nXLayerNr, XUpDown})
        w->setVisible(v.XLayer);
    for (QWidget* w : std::initializer_list<QWidget*>{ZvonLabel, nZ_von, ZbisLabel, nZ_bis, ZColstepLabel, nZColstep})
        w->setVisible(v.ZRange);
    for (QWidget* w : std::initializer_list<QWidget*>{ZLayerLabel, nZLayerNr, ZUpDown})
        w->setVisible(v.ZLayer);
    return v;
}

void TSimparamdlg::EpsGroupClick()
{
    const int mode = EpsGroup->ItemIndex() == emNKappa ? emNKappa : emEps;
    for (int k = 0; k < 3; ++k) {
        Panel_Eps[std::size_t(k)]->setText(AxisHeader(k, mode));
        Panel_EpsR[std::size_t(k)]->setText(RealHeader(mode));
        Panel_EpsI[std::size_t(k)]->setText(ImagHeader(mode));
    }
    const QSignalBlocker bx(XAxisBox), bz(ZAxisBox);
    // The boxes start empty, and then show the first kind; afterwards a
    // box without a current item keeps none.
    const bool filled = XAxisBox->count() > 0;
    const int x = filled ? XAxisBox->currentIndex() : 0;
    const int z = filled ? ZAxisBox->currentIndex() : 0;
    XAxisBox->clear();
    ZAxisBox->clear();
    for (int kind = 0; kind < ParaKindCount; ++kind) {
        const QString name = QString::fromStdString(ParaNames(kind, mode));
        if (kind >= pkTheta)
            XAxisBox->addItem(name);
        ZAxisBox->addItem(name);
    }
    XAxisBox->setCurrentIndex(x);
    ZAxisBox->setCurrentIndex(z);
}

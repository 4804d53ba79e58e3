#include "gui/fields/EHOptiondlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "controls/DialogButtons.h"
#include "controls/RIEdit.h"
#include "platform/Platform.h"

namespace {

QButtonGroup* radioGroup(QGroupBox* box, const QStringList& items)
{
    auto* group = new QButtonGroup(box);
    auto* layout = new QVBoxLayout(box);
    for (int i = 0; i < items.size(); ++i) {
        auto* b = new QRadioButton(items[i], box);
        group->addButton(b, i);
        layout->addWidget(b);
    }
    return group;
}

}  // namespace

TEHOptiondlg::TEHOptiondlg(QWidget* parent) : QDialog(parent)
{
    setObjectName("EHOptiondlg");
    setWindowTitle("E/H Field Options");

    auto* fields = new QGroupBox("Fields", this);
    auto* fieldGrid = new QGridLayout(fields);
    auto check = [&](const char* name, const char* caption, int component, int row, int column) {
        auto* c = new QCheckBox(caption, fields);
        c->setObjectName(name);
        fieldGrid->addWidget(c, row, column);
        checks_[std::size_t(component)] = c;
        return c;
    };
    FieldCheckEx = check("FieldCheckEx", "Ex", ehEx, 0, 0);
    FieldCheckHy = check("FieldCheckHy", "Hy", ehHy, 1, 0);
    FieldCheckEz = check("FieldCheckEz", "Ez", ehEz, 2, 0);
    FieldCheckHx = check("FieldCheckHx", "Hx", ehHx, 0, 1);
    FieldCheckEy = check("FieldCheckEy", "Ey", ehEy, 1, 1);
    FieldCheckHz = check("FieldCheckHz", "Hz", ehHz, 2, 1);

    auto* partBox = new QGroupBox("Field-Part", this);
    partBox->setObjectName("FieldPartGroup");
    FieldPartGroup = radioGroup(partBox, {"Real       --  Imag", "| Field |    --  Phase [\u00B0]",
                                          "| Field | \u00B2  --  Phase [\u00B0]"});
    auto* scaleBox = new QGroupBox("Scale Layersystem", this);
    scaleBox->setObjectName("XAxisGroup");
    XAxisGroup = radioGroup(scaleBox, {"absolute", "relative"});

    auto* thickness = new QGroupBox("Layer Thickness", this);
    auto* thicknessForm = new QFormLayout(thickness);
    auto nmEdit = [&](const char* name, const QString& caption) {
        auto* e = new TRIEdit(thickness);
        e->setObjectName(name);
        e->setFixedWidth(80);
        auto* row = new QHBoxLayout;
        row->addWidget(e);
        row->addWidget(new QLabel("nm", thickness));
        auto* label = new QLabel(caption, thickness);
        label->setBuddy(e);
        thicknessForm->addRow(label, row);
        return e;
    };
    d_1HR = nmEdit("d_1HR", "1. Layer:");
    d_nHR = nmEdit("d_nHR", "Last Layer:");

    nPktanz = new TRIEdit(this);
    nPktanz->setObjectName("nPktanz");
    nPktanz->SetEditType(reInteger);
    nPktanz->setFixedWidth(80);
    TimeBox = new QComboBox(this);
    TimeBox->setObjectName("TimeBox");
    TimeBox->addItems({"Off", "0.5 sec", "1.0 sec", "1.5 sec", "2.0 sec", "2.5 sec", "3.0 sec", "3.5 sec", "4.0 sec",
                       "4.5 sec", "5.0 sec"});
    TimeBox->setToolTip("Calculate automatic the E/H fields after x sec");
    auto* counts = new QFormLayout;
    auto* pktanzLabel = new QLabel("Pktanz", this);
    pktanzLabel->setBuddy(nPktanz);
    counts->addRow(pktanzLabel, nPktanz);
    auto* timeLabel = new QLabel("Automatic-Calc. after:", this);
    timeLabel->setBuddy(TimeBox);
    counts->addRow(timeLabel, TimeBox);

    const DialogButtons buttons = MakeDialogButtons(this, {.CancelCaption = "C&lose", .CancelName = "CloseBtn"});
    OkBtn = buttons.Ok;
    CloseBtn = buttons.Cancel;

    auto* left = new QVBoxLayout;
    left->addWidget(fields);
    left->addWidget(partBox);
    left->addWidget(scaleBox);
    auto* right = new QVBoxLayout;
    right->addWidget(thickness);
    right->addLayout(counts);
    right->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right);
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(columns);
    outer->addLayout(buttons.Row);

    setTabOrder(FieldCheckEx, FieldCheckHy);
    setTabOrder(FieldCheckHy, FieldCheckEz);
    setTabOrder(FieldCheckEz, FieldCheckHx);
    setTabOrder(FieldCheckHx, FieldCheckEy);
    setTabOrder(FieldCheckEy, FieldCheckHz);
}

bool TEHOptiondlg::Execute() { return exec() == QDialog::Accepted; }

void TEHOptiondlg::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

void TEHOptiondlg::FormShow()
{
    // The components a polarisation does not compute stay checked as they
    // were, only disabled: the next document may compute them.
    for (int k = 0; k < 6; ++k)
        checks_[std::size_t(k)]->setEnabled(ComponentEnabled(k, PolArt));
    Recalc = false;
    LoadControls();
}

void TEHOptiondlg::LoadControls()
{
    const EHOptionControls c = ::LoadControls(EHOptionpara);
    d_1HR->SetDouble(c.d_1);
    d_nHR->SetDouble(c.d_n);
    nPktanz->SetInteger(c.Pktanz);
    TimeBox->setCurrentIndex(c.Timer);
    for (int k = 0; k < 6; ++k)
        checks_[std::size_t(k)]->setChecked(c.Fields[std::size_t(k)]);
    FieldPartGroup->button(c.Part)->setChecked(true);
    XAxisGroup->button(c.Scale)->setChecked(true);
}

EHOptionControls TEHOptiondlg::ReadControls() const
{
    EHOptionControls c;
    for (int k = 0; k < 6; ++k)
        c.Fields[std::size_t(k)] = checks_[std::size_t(k)]->isChecked();
    c.Part = std::max(FieldPartGroup->checkedId(), 0);
    c.Scale = std::max(XAxisGroup->checkedId(), 0);
    c.d_1 = d_1HR->Getdouble();
    c.d_n = d_nHR->Getdouble();
    c.Pktanz = nPktanz->GetInteger();
    c.Timer = std::max(TimeBox->currentIndex(), 0);
    return c;
}

void TEHOptiondlg::accept()
{
    const EHOptionControls c = ReadControls();
    if (const auto failure = CheckEHOptions(c)) {
        veltrane::showError("Error", failure->Message);
        TRIEdit* edit = failure->Edit == eoD1 ? d_1HR : failure->Edit == eoDn ? d_nHR : nPktanz;
        edit->setFocus();
        edit->selectAll();
        return;
    }
    Recalc = StoreControls(c, EHOptionpara);
    QDialog::accept();
}

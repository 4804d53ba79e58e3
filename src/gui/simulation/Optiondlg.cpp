#include "gui/simulation/Optiondlg.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>

#include "controls/DialogButtons.h"
#include "controls/RIEdit.h"
#include "document/Defaults.h"
#include "platform/Platform.h"

namespace {

// A page with one titled group of labelled edits.
QFormLayout* groupPage(QTabWidget* tabs, const QString& page, const QString& group)
{
    auto* w = new QWidget;
    auto* g = new QGroupBox(group, w);
    auto* form = new QFormLayout(g);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    auto* box = new QVBoxLayout(w);
    box->addWidget(g);
    box->addStretch();
    tabs->addTab(w, page);
    return form;
}

}  // namespace

TOptiondlg::TOptiondlg(Document& doc, QWidget* parent) : QDialog(parent), doc_(doc)
{
    setObjectName("Optiondlg");
    setWindowTitle("Option");
    PageControl = new QTabWidget(this);
    PageControl->setObjectName("PageControl1");

    auto edit = [this](QFormLayout* form, const char* name, const QString& caption, int field, QWidget* unit = nullptr) {
        auto* e = new TRIEdit(form->parentWidget());
        e->setObjectName(name);
        e->setFixedWidth(90);
        auto* label = new QLabel(caption, form->parentWidget());
        label->setBuddy(e);
        if (unit) {
            auto* row = new QHBoxLayout;
            row->addWidget(e);
            row->addWidget(unit);
            form->addRow(label, row);
        } else {
            form->addRow(label, e);
        }
        edits_[std::size_t(field)] = e;
        return e;
    };
    QFormLayout* scan = groupPage(PageControl, "Scan", "Scan-Step");
    nScanShiftstep = edit(scan, "nScanShiftstep", "Shift-Step", ofScanShiftstep);
    nScanScalestep = edit(scan, "nScanScalestep", "Scale-Step", ofScanScalestep);
    QFormLayout* manual = groupPage(PageControl, "manuelle Simulation", "Parameter-Step");
    nEpsrealstep = edit(manual, "nEpsrealstep", "Eps-real / n-Step", ofEpsrealstep);
    nEpsimagstep = edit(manual, "nEpsimagstep", "Eps-imag / kapa-Step", ofEpsimagstep);
    nDickestep = edit(manual, "nDickestep", "Thickness-Step", ofDickestep);
    SimbreiteCheck = new QCheckBox("show by anisotrop manual Simulationdialog wide?", manual->parentWidget());
    SimbreiteCheck->setObjectName("SimbreiteCheck");
    manual->addRow(SimbreiteCheck);
    QFormLayout* iteration = groupPage(PageControl, "iterative Simulation", "Iteration");
    nIteranz = edit(iteration, "nIteranz", "max-number:", ofIteranz);
    nItergrenz = edit(iteration, "nItergrenz", "Divergence-limit:", ofItergrenz,
                      new QLabel("[%]", iteration->parentWidget()));

    const DialogButtons buttons = MakeDialogButtons(this, {.HelpKeyword = HelpPage("PAGE_OPTION_STEP")});
    OkBtn = buttons.Ok;
    CancelBtn = buttons.Cancel;
    HelpBtn = buttons.Help;

    auto* outer = new QVBoxLayout(this);
    outer->addWidget(PageControl);
    outer->addLayout(buttons.Row);
}

bool TOptiondlg::Execute(int page)
{
    if (page >= 0 && page < PageControl->count())
        PageControl->setCurrentIndex(page);
    return exec() == QDialog::Accepted;
}

void TOptiondlg::SetDefaultOptions(TOptionpara& o) { ::SetDefaultOptions(o); }

void TOptiondlg::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

void TOptiondlg::FormShow()
{
    const TOptionpara& o = doc_.Optionpara;
    nScanShiftstep->SetDouble(o.ScanShiftstep);
    nScanScalestep->SetDouble(o.ScanScalestep);
    nEpsrealstep->SetDouble(o.Epsrealstep);
    nEpsimagstep->SetDouble(o.Epsimagstep);
    nDickestep->SetDouble(o.Dickestep);
    SimbreiteCheck->setChecked(o.Simbreite != 0);
    nIteranz->SetDouble(o.Iteranz);
    nItergrenz->SetDouble(o.Itergrenz);
}

void TOptiondlg::accept()
{
    TOptionpara o;
    o.ScanShiftstep = nScanShiftstep->Getdouble();
    o.ScanScalestep = nScanScalestep->Getdouble();
    o.Epsrealstep = nEpsrealstep->Getdouble();
    o.Epsimagstep = nEpsimagstep->Getdouble();
    o.Dickestep = nDickestep->Getdouble();
    o.Simbreite = SimbreiteCheck->isChecked() ? 1 : 0;
    o.Iteranz = nIteranz->Getdouble();
    o.Itergrenz = nItergrenz->Getdouble();
    if (const auto failure = CheckOptions(o, !nItergrenz->text().isEmpty())) {
        veltrane::showError("Error", failure->Message);
        PageControl->setCurrentIndex(OptionPage(failure->Field));
        Edit(failure->Field)->setFocus();
        Edit(failure->Field)->selectAll();
        return;
    }
    doc_.Optionpara = o;
    QDialog::accept();
}

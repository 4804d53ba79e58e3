// The E/H-field commands: the field window at one angle and the one at a
// layer position, each shown modally, so that nothing the field runs use
// (the document, the stack, the window itself) can change or go while they
// run, and no document without layers reaches them.
#include "gui/fields/EwavedlgD.h"
#include "gui/fields/EwavedlgT.h"
#include "gui/main/MainForm.h"
#include "gui/main/MainManualHost.h"

namespace {

// The windows write their angles, place and options into the document's
// field options; a change marks the document.
template <class Window>
void showFieldWindow(TMainForm& form, Window& window)
{
    const TEHOptionpara before = form.Doc().EHOptionpara;
    window.exec();
    if (!(form.Doc().EHOptionpara == before))
        form.SetModified();
}

}  // namespace

TEwavedlgT& TMainForm::EwavedlgT()
{
    if (!EwavedlgT_) {
        EwavedlgT_ = new TEwavedlgT(doc_, run_, this);
        EwavedlgT_->OnManualSimulation = [this] { OpenManualSimulation(*this, true, false); };
    }
    return *EwavedlgT_;
}

TEwavedlgD& TMainForm::EwavedlgD()
{
    if (!EwavedlgD_) {
        EwavedlgD_ = new TEwavedlgD(doc_, run_, this);
        EwavedlgD_->OnManualSimulation = [this] { OpenManualSimulation(*this, false, true); };
    }
    return *EwavedlgD_;
}

void TMainForm::AtTheta1Click() { showFieldWindow(*this, EwavedlgT()); }

void TMainForm::AtLayerposition1Click() { showFieldWindow(*this, EwavedlgD()); }

// Not built yet: the commands wait for their windows.
#include "gui/main/MainForm.h"

void TMainForm::Load1Click() {}
void TMainForm::Scale1Click() {}
void TMainForm::Shift1Click() {}
void TMainForm::ClipDataClick() {}
void TMainForm::ExportDataClick() {}
void TMainForm::ClipParameterClick() {}
void TMainForm::ExportParameterClick() {}
void TMainForm::PrintParameterClick() {}

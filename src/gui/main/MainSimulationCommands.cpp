// Not built yet: the commands wait for their dialogs.
#include "gui/main/MainForm.h"

void TMainForm::Parameter1Click() {}
void TMainForm::Button1Click() {}
void TMainForm::Show1Click() {}
void TMainForm::Option1Click() {}

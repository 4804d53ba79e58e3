// Not built yet: the commands wait for their windows.
#include "gui/main/MainForm.h"

void TMainForm::AtTheta1Click() {}
void TMainForm::AtLayerposition1Click() {}

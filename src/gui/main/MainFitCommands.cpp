// Not built yet: the commands wait for their windows.
#include "gui/main/MainForm.h"

void TMainForm::Simulationiter1Click() {}
void TMainForm::Evaluation1Click() {}

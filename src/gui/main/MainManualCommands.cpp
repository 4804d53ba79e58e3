// Not built yet: the commands wait for their windows.
#include "gui/main/MainForm.h"

void TMainForm::Simulationman1Click() {}

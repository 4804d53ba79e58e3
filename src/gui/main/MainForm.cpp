#include "gui/main/MainForm.h"

#include "document/Globals.h"

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent)
{
    setObjectName("MainForm");
    setWindowTitle(QString::fromStdString(MakeTitletext(FileName)));
    resize(900, 640);
}

std::string TMainForm::MakeTitletext(const std::string& fileName)
{
    return "Veltrane Version " + Version + " [" + fileName + "]";
}

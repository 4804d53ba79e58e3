#include "gui/main/MainForm.h"

#include "document/Defaults.h"

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent), doc_(DefaultDocument())
{
    setObjectName("MainForm");
    doc_.Titletext = MakeTitletext(doc_.FileName);
    setWindowTitle(QString::fromStdString(doc_.Titletext));
    resize(900, 640);
}

std::string TMainForm::MakeTitletext(const std::string& fileName)
{
    return "Veltrane Version " + Version + " [" + fileName + "]";
}

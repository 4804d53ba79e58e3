#include "controls/AboutBox.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TAboutBox* AboutBox = nullptr;

namespace {
QLabel* makeLabel(QWidget* parent, const char* name, const QString& text = QString())
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}
}  // namespace

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent)
{
    setWindowTitle("Infos");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    auto* panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(2);

    ProgramIcon = makeLabel(panel, "ProgramIcon");
    ProgramName = makeLabel(panel, "ProgramName");
    Version = makeLabel(panel, "Version");
    Jahr = makeLabel(panel, "Jahr");
    Comments = makeLabel(panel, "Comments", "Orvel");
    Comments->setWordWrap(true);
    Autor1 = makeLabel(panel, "Autor1");
    Autor2 = makeLabel(panel, "Autor2");
    Beschreibung = makeLabel(panel, "Beschreibung");
    Beschreibung->setWordWrap(true);

    auto* grid = new QGridLayout(panel);
    grid->addWidget(ProgramIcon, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(new QLabel("Program:", panel), 0, 1);
    grid->addWidget(ProgramName, 0, 2);
    grid->addWidget(new QLabel("Version:", panel), 1, 1);
    grid->addWidget(Version, 1, 2);
    grid->addWidget(new QLabel("Autor:", panel), 2, 1, Qt::AlignTop);
    grid->addWidget(Autor1, 2, 2);
    grid->addWidget(Autor2, 3, 2);
    grid->addWidget(new QLabel(QString::fromUtf8("\u00a9"), panel), 4, 1);
    grid->addWidget(Jahr, 4, 2);
    grid->addWidget(Beschreibung, 5, 1, 1, 2);
    grid->addWidget(Comments, 6, 1, 1, 2);

    OKButton = new QPushButton("OK", this);
    OKButton->setObjectName("OKButton");
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* outer = new QVBoxLayout(this);
    outer->addWidget(panel);
    outer->addWidget(OKButton, 0, Qt::AlignHCenter);
    outer->setSizeConstraint(QLayout::SetFixedSize);
    OKButton->setFocus();
}

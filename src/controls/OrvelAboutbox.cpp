#include "controls/OrvelAboutbox.h"

#include <QApplication>
#include <QLabel>
#include <QWindow>
#include <memory>

#include "controls/AboutBox.h"

bool TOrvelAboutbox::Execute()
{
    auto box = std::make_unique<TAboutBox>();
    AboutBox = box.get();
    if (ProgramName.isEmpty())
        ProgramName = QGuiApplication::applicationDisplayName();
    box->ProgramName->setText(ProgramName);
    box->Beschreibung->setText(Beschreibung);
    box->Version->setText(Version);
    box->Autor1->setText(Autor1);
    box->Autor2->setText(Autor2);
    box->Jahr->setText(Jahr);
    const QIcon icon = QApplication::windowIcon();
    if (!icon.isNull())
        box->ProgramIcon->setPixmap(icon.pixmap(32, 32));
    const bool ok = box->exec() == QDialog::Accepted;
    // Nobody may reach the form after it is gone.
    AboutBox = nullptr;
    return ok;
}

#pragma once
// The form of the about box: the program's icon, name, version, year,
// authors and description on a raised panel, and an OK button.

#include <QDialog>

class QLabel;
class QPushButton;

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);

    QLabel* ProgramIcon;
    QLabel* ProgramName;
    QLabel* Version;
    QLabel* Jahr;
    QLabel* Comments;
    QLabel* Autor1;
    QLabel* Autor2;
    QLabel* Beschreibung;
    QPushButton* OKButton;
};

// The form while it is shown, null otherwise.
extern TAboutBox* AboutBox;

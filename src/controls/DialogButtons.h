#pragma once
// The row of buttons at the foot of a dialog: OK, Cancel (or Close) and an
// optional Help, right-aligned in that order, which is also their tab
// order. OK is the default button and accepts, Cancel rejects, Help asks
// for its keyword's page and never takes the Enter key. Captions and object
// names stay each dialog's own: tests find the buttons by name, and the
// plot's dialogs set the Cancel caption later in their chosen language.

#include <QString>
#include <functional>
#include <string>

class QDialog;
class QHBoxLayout;
class QPushButton;

struct DialogButtonOptions {
    QString OkCaption = "OK";
    const char* OkName = "OkBtn";  // nullptr: the button has no object name
    QString CancelCaption = "Cancel";
    const char* CancelName = "CancelBtn";
    // Enter on a focused Cancel presses the default button instead.
    bool CancelTakesEnter = true;
    // Asked at each press, so that a dialog may change its page; no Help
    // button without it.
    std::function<std::string()> HelpKeyword;
};

struct DialogButtons {
    QPushButton* Ok;
    QPushButton* Cancel;
    QPushButton* Help;  // nullptr without a keyword
    QHBoxLayout* Row;   // for the dialog to place
};

DialogButtons MakeDialogButtons(QDialog* dialog, const DialogButtonOptions& options = {});

// A fixed help keyword for DialogButtonOptions::HelpKeyword.
std::function<std::string()> HelpPage(const char* keyword);

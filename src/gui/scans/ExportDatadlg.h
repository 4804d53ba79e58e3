#pragma once
// The data-export dialog: one curve kind of all computed curves, or one
// measured scan, as tab-separated text to the clipboard or to a file.
//
// Use: set ToFile (the file command) or clear it (the clipboard command)
// and call Execute(). In file mode OK waits until a file was chosen, and a
// file that cannot be written keeps the dialog open after its "I/O Error".
// The document is only read.

#include <QDialog>

#include "document/Document.h"
#include "gui/scans/plain/ExportDataModel.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class TExportDatadlg : public QDialog {
    Q_OBJECT
public:
    explicit TExportDatadlg(Document& doc, QWidget* parent = nullptr);

    bool ToFile = false;

    bool Execute();

    QComboBox* DataBox;
    QLabel* FileLabel;
    QLineEdit* Fileedit;
    QPushButton* opendlgBtn;
    QPushButton* OkBtn;
    QPushButton* CancelBtn;
    QPushButton* HelpBtn;

    void FormShow();
    void opendlgBtnClick();

public slots:
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    ExportDataModel model_;
};

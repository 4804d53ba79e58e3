#pragma once
// The small dialog in which the user edits the plot title. The plot fills
// it and reads it back on OK (TLinePlot::Showtitledlg).

#include <QDialog>

#include "plot/plain/Linedef.h"

class QLabel;
class QLineEdit;
class QPushButton;

class TPlotTitleDlg : public QDialog {
    Q_OBJECT
public:
    explicit TPlotTitleDlg(QWidget* parent = nullptr);

    TSprachart Sprache = deutsch;

    QLabel* LTitle;
    QLineEdit* strTitle;
    QPushButton* TitelOKBtn;
    QPushButton* TitelCancelBtn;

    // Caption and texts in the dialog's language.
    void FormShow();

protected:
    void showEvent(QShowEvent* event) override;
};

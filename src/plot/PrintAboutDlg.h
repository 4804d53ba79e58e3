#pragma once
// The status box shown while a plot is printed, with the Cancel button that
// stops the job. It is application modal while shown, so that no other
// command (a second print, a new document, leaving the program) can reach
// the plot being printed, and it cannot be closed except by the job.

#include <QDialog>

#include "plot/plain/Linedef.h"

class QLabel;
class QPushButton;

class TPrintAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit TPrintAboutDlg(QWidget* parent = nullptr);

    TSprachart Sprache = deutsch;

    QLabel* LUbertext;
    QPushButton* PrintabCancelBtn;

    // The user asked to stop the job.
    bool Cancelled() const { return cancelled_; }
    void FormShow();

public slots:
    // Escape would close it: the job decides when it goes.
    void reject() override {}

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    bool cancelled_ = false;
};

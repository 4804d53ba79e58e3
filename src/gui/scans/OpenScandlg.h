#pragma once
// The open-scan dialog ("Open Scanfiles"): loads scan files into the
// document's scan list, lists the loaded scans and removes them.
//
// Use: Execute() shows it modally. After every load or removal that changed
// the list OnScansChanged runs; the main window marks the document modified
// and redraws its plot there, and sets its scan-dependent commands after
// the dialog closed.

#include <QDialog>
#include <functional>

#include "document/Document.h"
#include "gui/scans/plain/OpenScanModel.h"

class QListWidget;
class QPushButton;
class QStatusBar;

class TOpenScandlg : public QDialog {
    Q_OBJECT
public:
    explicit TOpenScandlg(Document& doc, QWidget* parent = nullptr);

    bool Execute();

    std::function<void()> OnScansChanged;

    QListWidget* LoadList;
    QPushButton* LoadBtn;
    QPushButton* RemoveButton;
    QPushButton* CancelBtn;
    QPushButton* HelpBtn;
    QStatusBar* StatusBar1;

    void FormShow();
    void LoadBtnClick();
    void LoadListClick();
    void RemoveButtonClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FillList();
    void Deselect();
    void Changed();

    Document& doc_;
    OpenScanModel model_;
};

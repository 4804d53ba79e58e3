#pragma once
// The main window of Veltrane. It owns the program's one document and its
// run control and hands them by reference to every window it opens.

#include <QMainWindow>
#include <string>

#include "document/Document.h"
#include "platform/qt/QtRunControl.h"

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(QWidget* parent = nullptr);

    // "Veltrane Version 3.02 [untitled]"
    static std::string MakeTitletext(const std::string& fileName);

    Document& Doc() { return doc_; }
    veltrane::RunControl& Run() { return run_; }

private:
    Document doc_;
    veltrane::QtRunControl run_;
};

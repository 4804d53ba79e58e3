#pragma once
// The main window of Veltrane.

#include <QMainWindow>
#include <string>

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(QWidget* parent = nullptr);

    // "Veltrane Version 3.02 [untitled]"
    static std::string MakeTitletext(const std::string& fileName);
};

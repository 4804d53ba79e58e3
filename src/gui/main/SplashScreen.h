#pragma once
// The form shown while the program starts: borderless and centred, with the
// program's name and version in large bold letters.

#include <QWidget>

class TSplashScreen : public QWidget {
    Q_OBJECT
public:
    explicit TSplashScreen(QWidget* parent = nullptr);
    // Shows the form and paints it at once: the start-up that follows
    // blocks the event loop.
    void ShowNow();
};

#include "gui/main/SplashScreen.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

TSplashScreen::TSplashScreen(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName("SplashScreen");
    setWindowTitle("Veltrane 3.00");
    setAutoFillBackground(true);

    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(48, 48));
    auto* name = new QLabel("Veltrane 3.02", this);
    name->setObjectName("Label");
    QFont big = name->font();
    big.setPointSize(28);
    big.setBold(true);
    name->setFont(big);
    auto* notice = new QLabel("Simulation of thin-layer stacks on a prism", this);

    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addSpacing(12);
    top->addWidget(name);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->addLayout(top);
    layout->addWidget(notice, 0, Qt::AlignHCenter);
    setStyleSheet("TSplashScreen { border: 1px solid palette(dark); }");
}

void TSplashScreen::ShowNow()
{
    adjustSize();
    if (const QScreen* screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    show();
    raise();
    QApplication::processEvents();
}

#include <QApplication>
#include <exception>
#include <memory>

#include "gui/main/MainForm.h"
#include "gui/main/SplashScreen.h"
#include "platform/qt/QtPlatform.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Veltrane");
    veltrane::configureFonts();
    veltrane::QtPlatform platform;
    platform.setHelpFolder(":/help");
    veltrane::installPlatform(&platform);
    veltrane::installGuiServices(&platform);

    int rc = 0;
    try {
        auto splash = std::make_unique<TSplashScreen>();
        splash->ShowNow();
        TMainForm mainForm;
        splash.reset();
        mainForm.showMaximized();
        rc = app.exec();
    } catch (const std::exception& e) {
        veltrane::showError("Error", e.what());
    }
    veltrane::installGuiServices(nullptr);
    veltrane::installPlatform(nullptr);
    return rc;
}

#include <QApplication>
#include <exception>

#include "gui/main/MainForm.h"
#include "platform/qt/QtPlatform.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Veltrane");
    veltrane::configureFonts();
    veltrane::QtPlatform platform;
    veltrane::installPlatform(&platform);
    veltrane::installGuiServices(&platform);

    int rc = 0;
    try {
        TMainForm mainForm;
        mainForm.show();
        rc = app.exec();
    } catch (const std::exception& e) {
        veltrane::showError("Error", e.what());
    }
    veltrane::installGuiServices(nullptr);
    veltrane::installPlatform(nullptr);
    return rc;
}

#include <QApplication>
#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>

#include "gui/main/MainForm.h"
#include "gui/main/SplashScreen.h"
#include "platform/qt/QtPlatform.h"

namespace {

// Qt's messages from the making of the application object are held back:
// when no display can be opened, Qt explains it over several lines and ends
// with the advice to reinstall the program, which is no help. One line
// says what is wrong instead.
QStringList startupMessages;

void holdStartupMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg) {
        startupMessages << qFormatLogMessage(type, context, message);
        return;
    }
    std::fputs("Veltrane: no display could be opened; start it in a graphical session (X11 or Wayland)\n", stderr);
    std::_Exit(1);
}

}  // namespace

int main(int argc, char* argv[])
{
    qInstallMessageHandler(holdStartupMessage);
    QApplication app(argc, argv);
    qInstallMessageHandler(nullptr);
    for (const QString& m : startupMessages)
        std::fprintf(stderr, "%s\n", qPrintable(m));

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

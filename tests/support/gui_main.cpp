#include <QApplication>
#include <gtest/gtest.h>

#include "platform/qt/GuiServices.h"

int main(int argc, char** argv)
{
    // The GUI tests run headless unless told otherwise.
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    veltrane::configureFonts();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

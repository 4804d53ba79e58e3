// The entry point of the benchmarks that need a QApplication: headless
// unless told otherwise, with the fonts the plots are laid out for.
#include <QApplication>
#include <benchmark/benchmark.h>

#include "platform/qt/GuiServices.h"

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    veltrane::configureFonts();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

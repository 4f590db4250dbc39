#pragma once

#include <QtGlobal>

#include <benchmark/benchmark.h>

// Benchmarks that measure text, draw or open dialogs need an application object
// but no screen: they run on the offscreen platform, as the tests do.
// `Application` is QGuiApplication, or QApplication for widgets.
template <typename Application> int RunGuiBenchmarks(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Application app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// Runs the benchmarks of a program that shows windows: on the offscreen platform unless
// another is asked for, under the program's own application object.
#pragma once

#include <benchmark/benchmark.h>

#include <QByteArray>

#include "platform/ui/application.h"

namespace bench {

inline void run_windowed_benchmarks(int& argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    ui::Application application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}

}  // namespace bench

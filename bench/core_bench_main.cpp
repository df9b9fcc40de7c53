#include <QCoreApplication>

#include <benchmark/benchmark.h>

// The main of the benchmarks that need no window: Qt Core's event loop and locale, then every
// benchmark the program defines.
int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

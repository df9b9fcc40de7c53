#include "gdt/field_line.h"
#include "gdt/request_file.h"
#include "global/mod_global.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

fields::RequestFields exampleFields()
{
    return {"4711", "Meier", "Anna", "12.03.1980", "F", "06.12.2026", "09:30", "Dr. Berg", ""};
}

void EncodeFieldLine(benchmark::State& state)
{
    const QString content = QStringLiteral("Müller");
    for (auto _ : state)
        benchmark::DoNotOptimize(gdt::CreateGDTLine(QStringLiteral("3101"), content));
}
BENCHMARK(EncodeFieldLine);

void BuildRecord(benchmark::State& state)
{
    const auto fields = exampleFields();
    const dates::RegionalFormats german(QLocale(QLocale::German, QLocale::Germany));
    for (auto _ : state)
        benchmark::DoNotOptimize(gdt::buildRequestRecord(fields, false, german));
}
BENCHMARK(BuildRecord);

// Temporary file, flush to disk, rename: what one press of the create button costs on disk.
void WriteRequestFile(benchmark::State& state)
{
    QTemporaryDir target;
    modGlobal::Config.Path = target.path() + QStringLiteral("/");
    const auto fields = exampleFields();
    for (auto _ : state) {
        const QString path = gdt::CreateGDTFile(fields);
        state.PauseTiming();
        QFile::remove(path);
        state.ResumeTiming();
    }
}
BENCHMARK(WriteRequestFile)->Unit(benchmark::kMicrosecond);

} // namespace

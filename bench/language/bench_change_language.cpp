// One ChangeLanguage("Main") on the shipped Language.mdb: one open and one read of the file,
// then 18 lookups (16 controls, 2 messages) on the fetched rows, applied to a window-like
// object tree. Run: build-bench/bench/language/bench_change_language --benchmark_repetitions=10
// and read the median.

#include "language/change_language.h"
#include "platform/program_folder.h"
#include "settings/config.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QVariant>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

std::unique_ptr<QObject> mainWindow()
{
    auto window = std::make_unique<QObject>();
    window->setObjectName(QStringLiteral("frmMain"));
    for (const char* name : {"mnuClose", "mnuSettings", "LblID", "lblName", "lblSurname", "lblBirthday", "lblGender",
                             "lblDate", "lblTime", "lblSchedPhysician", "cmdClear", "cmdCreate", "lblModality"}) {
        auto* control = new QObject(window.get());
        control->setObjectName(QString::fromLatin1(name));
        control->setProperty("text", QStringLiteral("designed"));
    }
    for (const char* name : {"mnuFile", "mnuView", "fraData"}) {
        auto* control = new QObject(window.get());
        control->setObjectName(QString::fromLatin1(name));
        control->setProperty("title", QStringLiteral("designed"));
    }
    return window;
}

void ChangeLanguageMain(benchmark::State& state, const char* language)
{
    const platform::ScopedProgramFolder folder(QFileInfo(QStringLiteral(LUMVIK_LANGUAGE_MDB)).absolutePath());
    modGlobal::Config.Language = QString::fromLatin1(language);
    auto window = mainWindow();
    for (auto _ : state) {
        modGlobal::ChangeLanguage(QStringLiteral("Main"), *window);
        benchmark::DoNotOptimize(modGlobal::Msg_1);
    }
    if (modGlobal::Msg_1.isEmpty())
        state.SkipWithError("Language.mdb was not read");
}

BENCHMARK_CAPTURE(ChangeLanguageMain, English, "English")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ChangeLanguageMain, Deutsch, "Deutsch")->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

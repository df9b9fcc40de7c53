// One ChangeLanguage on the shipped Language.mdb, applied to the real windows: one open and one
// read of the file, then 18 lookups (16 controls, 2 messages) for frmMain and 10 for frmSettings
// on the fetched rows. Run: build-bench/bench/language/change_language_bench
// --benchmark_repetitions=10 and read the medians.

#include "global/mod_global.h"
#include "language/change_language.h"
#include "mainwindow/frm_main.h"
#include "platform/message_boxes.h"
#include "platform/program_folder.h"
#include "settingswindow/frm_settings.h"

#include <QApplication>
#include <QFileInfo>

#include <benchmark/benchmark.h>

namespace {

// Every box is an error report: the database was not read.
class ErrorBoxes : public platform::MessagePresenter
{
public:
    platform::MessageAnswer present(const platform::MessageRequest& request) override
    {
        shown = true;
        return request.defaultAnswer;
    }
    bool shown = false;
};

// Built for each benchmark after the language is chosen: the settings window applies its texts
// as it loads.
template <typename Window> void ChangeLanguageOn(benchmark::State& state, const char* formKey, const char* language)
{
    const platform::ScopedProgramFolder folder(QFileInfo(QStringLiteral(LUMVIK_LANGUAGE_MDB)).absolutePath());
    ErrorBoxes errors;
    const platform::ScopedMessagePresenter install(errors);
    modGlobal::Config.Language = QString::fromLatin1(language);
    Window window;
    for (auto _ : state)
        modGlobal::ChangeLanguage(QString::fromLatin1(formKey), window);
    if (errors.shown)
        state.SkipWithError("Language.mdb was not read");
}

void MainWindow(benchmark::State& state, const char* language)
{
    ChangeLanguageOn<frmMain>(state, "Main", language);
}

void SettingsWindow(benchmark::State& state, const char* language)
{
    ChangeLanguageOn<frmSettings>(state, "Settings", language);
}

BENCHMARK_CAPTURE(MainWindow, English, "English")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(MainWindow, Deutsch, "Deutsch")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SettingsWindow, English, "English")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SettingsWindow, Deutsch, "Deutsch")->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    // The windows are built but never shown: no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

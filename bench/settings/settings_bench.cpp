#include "global/mod_global.h"
#include "platform/program_folder.h"
#include "settings/settings_file.h"
#include "support/scripted_file_system.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

constexpr qsizetype kFileSize = 1024 * 1024;

// A Settings.ini of about 1 MB: the section [Lumvik] with every key, then either many foreign
// lines (a section another program keeps in the same file) or one very long target folder.
QByteArray largeSettingsFile(bool longValue)
{
    QByteArray file = "[Lumvik]\r\nOrvanePath=/opt/orvane\r\nRunOrvane=1\r\nTxtImport=0\r\nLanguage=Deutsch\r\n"
                      "Modality=1\r\nPickupMinutes=3\r\n";
    if (longValue)
        return file + "Path=/srv/" + QByteArray(kFileSize - file.size() - 14, 'g') + "/\r\n";
    file += "Path=/srv/gdt/\r\n[Device]\r\n";
    for (int line = 0; file.size() < kFileSize; ++line)
        file += "Entry" + QByteArray::number(line) + "=" + QByteArray(40, 'v') + "\r\n";
    return file;
}

void LoadConfig(benchmark::State& state)
{
    QTemporaryDir folder;
    const platform::ScopedProgramFolder program(folder.path());
    QFile file(settings::settingsFilePath());
    const QByteArray bytes = largeSettingsFile(state.range(0) != 0);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        state.SkipWithError("Settings.ini could not be written");
        return;
    }
    file.close();
    for (auto _ : state) {
        modGlobal::Config = {};
        modGlobal::LoadConfig();
        benchmark::DoNotOptimize(modGlobal::Config.Path);
    }
    state.SetLabel(state.range(0) != 0 ? "1 MB target folder" : "1 MB of foreign lines");
    state.counters["MB"] = double(bytes.size()) / kFileSize;
}
BENCHMARK(LoadConfig)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// One press of "Speichern" on disk; "renames" counts the replacements of Settings.ini per save.
void SaveConfig(benchmark::State& state)
{
    QTemporaryDir folder;
    const platform::ScopedProgramFolder program(folder.path());
    testsupport::ScriptedFileSystem files;
    modGlobal::Config = {"/srv/gdt/", "/opt/orvane", true, false, "Deutsch", true, 3};
    for (auto _ : state)
        modGlobal::SaveConfig();
    const auto calls = files.calls();
    const auto renames = std::count_if(calls.cbegin(), calls.cend(), [](const auto& call) {
        return call.operation == testsupport::ScriptedFileSystem::Operation::RenameReplacing &&
               call.path.endsWith(QStringLiteral("Settings.ini"));
    });
    state.counters["renames"] = double(renames) / double(state.iterations());
}
BENCHMARK(SaveConfig)->Unit(benchmark::kMicrosecond);

} // namespace

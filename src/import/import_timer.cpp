#include "import/import_timer.h"

#include "dates/regional.h"
#include "errors/error_handler.h"
#include "import/import_folder.h"
#include "import/layouts.h"
#include "platform/clock.h"

#include <optional>

namespace import {
namespace {

// A folder that cannot be opened is itself what failed, and that failure is the one reported.
std::optional<platform::StagingFolder> folderToCleanUp()
{
    try {
        return platform::StagingFolder::openExisting(importFolder());
    } catch (const errors::RuntimeError&) {
        return std::nullopt;
    }
}

// Import files hold patient data, and a half-taken one must not be imported again: a failure
// removes the user's import files. It also empties the fields an import fills, so that no request
// goes out with an earlier patient while the box shows this text. Each step that fails is
// reported, and the next one still runs.
void cleanUpAfterFailure(ImportWindow& window, const QString& procedure)
{
    if (std::optional<platform::StagingFolder> folder = folderToCleanUp()) {
        QStringList names;
        errors::trap(procedure, [&] { names = importFileNames(*folder); });
        for (const QString& name : names)
            errors::trap(procedure, [&] { folder->removeFile(name); });
    }
    errors::trap(procedure, [&] { window.setImportedFields({}); });
}

// Runs body as the import procedure named procedure; a failure is cleaned up after, then
// reported under that name.
template <typename Body> void importTrap(ImportWindow& window, const QString& procedure, Body&& body)
{
    errors::trap(procedure, [&] {
        try {
            body();
        } catch (const errors::RuntimeError&) {
            cleanUpAfterFailure(window, procedure);
            throw;
        }
    });
}

QString today()
{
    return dates::RegionalFormats::current().shortDate(platform::now().date());
}

// The import procedure of a layout: reads the import file at path with the layout's cut, sets the
// fields only once every piece has been cut, then deletes the file.
void readLayout(ImportWindow& window, const LayoutReader& layout, const QString& path)
{
    importTrap(window, layout.procedure, [&] {
        window.setImportedFields(layout.cut(readImportFile(path), today()));
        deleteImportFile(path);
    });
}

// Takes the file just staged, never an older one: a leftover may hold another patient.
void CreateTextfile(ImportWindow& window)
{
    importTrap(window, QStringLiteral("CreateTextfile"), [&] {
        const QString text = window.importText();
        platform::StagingFolder folder = openImportFolder();
        const QString file = stageImportText(folder, text);
        const ImportLines lines = readImportFile(file);
        const LayoutReader& layout = chooseLayout(lines);
        refuseSeveralPatients(lines, layout);
        layout.read(window, file);
    });
}

} // namespace

void tmrTxtTimer_Timer(ImportWindow& window)
{
    importTrap(window, QStringLiteral("tmrTxtTimer_Timer"), [&] {
        window.setImportTimerEnabled(false);
        if (window.importText().isEmpty()) {
            window.setImportTimerEnabled(true);
            return;
        }
        CreateTextfile(window);
    });
}

void ImportData_1(ImportWindow& window, const QString& path)
{
    readLayout(window, threeLineLayout(), path);
}

void ImportData_2(ImportWindow& window, const QString& path)
{
    readLayout(window, quickviewLayout(), path);
}

void ImportData_3(ImportWindow& window, const QString& path)
{
    readLayout(window, appointmentLayout(), path);
}

} // namespace import

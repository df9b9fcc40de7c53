#include "import/import_timer.h"

#include "errors/error_handler.h"
#include "import/import_folder.h"
#include "import/layouts.h"
#include "platform/clock.h"
#include "platform/regional.h"

namespace import {
namespace {

// Runs body as the import procedure named procedure. A failure first removes every import
// file, since they hold patient data and a half-taken file must not be imported again, and is
// then reported under that name.
template <typename Body> void importTrap(const QString& procedure, Body&& body)
{
    errors::trap(procedure, [&] {
        try {
            body();
        } catch (const errors::RuntimeError&) {
            for (const QString& path : importFilePaths(importFolder()))
                errors::trap(procedure, [&] { deleteImportFile(path); });
            throw;
        }
    });
}

void applyRecord(ImportWindow& window, const ImportedRecord& record)
{
    window.setImportedField(ImportField::ID, record.id);
    window.setImportedField(ImportField::Name, record.name);
    window.setImportedField(ImportField::Surname, record.surname);
    window.setImportedField(ImportField::Birthday, record.birthday);
    window.setImportedField(ImportField::Gender, record.gender);
    window.setImportedField(ImportField::Date, record.date);
}

// ImportData_1 to ImportData_3: the fields are set only after every piece has been cut.
void runLayoutReader(ImportWindow& window, Layout layout, const ImportLines& lines, const QString& path)
{
    importTrap(readerProcedureName(layout), [&] {
        const QString today = platform::RegionalFormats::current().shortDate(platform::now().date());
        applyRecord(window, cutRecord(layout, lines, today));
        deleteImportFile(path);
    });
}

// The file taken need not be the one just staged: a leftover that sorts first goes before it,
// one file per tick.
void CreateTextfile(ImportWindow& window)
{
    importTrap(QStringLiteral("CreateTextfile"), [&] {
        const QString text = window.importText();
        ensureImportFolder();
        stageImportText(importFolder(), text);
        const QStringList files = importFilePaths(importFolder());
        if (files.isEmpty()) {
            window.setImportTimerEnabled(true);
            return;
        }
        const ImportLines lines = readImportFile(files.first());
        runLayoutReader(window, chooseLayout(lines), lines, files.first());
    });
}

} // namespace

void tmrTxtTimer_Timer(ImportWindow& window)
{
    importTrap(QStringLiteral("tmrTxtTimer_Timer"), [&] {
        window.setImportTimerEnabled(false);
        if (window.importText().isEmpty()) {
            window.setImportTimerEnabled(true);
            return;
        }
        CreateTextfile(window);
    });
}

} // namespace import

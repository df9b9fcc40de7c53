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

QString today()
{
    return platform::RegionalFormats::current().shortDate(platform::now().date());
}

// What each layout reader does once every piece has been cut.
void fillFieldsAndDelete(ImportWindow& window, const ImportedRecord& record, const QString& path)
{
    window.setImportedField(ImportField::ID, record.id);
    window.setImportedField(ImportField::Name, record.name);
    window.setImportedField(ImportField::Surname, record.surname);
    window.setImportedField(ImportField::Birthday, record.birthday);
    window.setImportedField(ImportField::Gender, record.gender);
    window.setImportedField(ImportField::Date, record.date);
    deleteImportFile(path);
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
        const QString& file = files.first();
        switch (chooseLayout(readImportFile(file))) {
        case Layout::ThreeLine:
            ImportData_1(window, file);
            break;
        case Layout::Quickview:
            ImportData_2(window, file);
            break;
        case Layout::Appointment:
            ImportData_3(window, file);
            break;
        }
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

void ImportData_1(ImportWindow& window, const QString& path)
{
    importTrap(QStringLiteral("ImportData_1"),
               [&] { fillFieldsAndDelete(window, cutThreeLine(readImportFile(path), today()), path); });
}

void ImportData_2(ImportWindow& window, const QString& path)
{
    importTrap(QStringLiteral("ImportData_2"),
               [&] { fillFieldsAndDelete(window, cutQuickview(readImportFile(path), today()), path); });
}

void ImportData_3(ImportWindow& window, const QString& path)
{
    importTrap(QStringLiteral("ImportData_3"),
               [&] { fillFieldsAndDelete(window, cutAppointment(readImportFile(path), today()), path); });
}

} // namespace import

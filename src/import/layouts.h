#pragma once

#include "import/import_lines.h"

#include <QString>

namespace import {

// The six pieces an import puts into the main window, as text, unvalidated.
struct ImportedRecord
{
    QString id;
    QString name;
    QString surname;
    QString birthday;
    QString gender;
    QString date;

    friend bool operator==(const ImportedRecord&, const ImportedRecord&) = default;
};

// Quickview: data on line 2. Appointment: data on line 1. ThreeLine: names on line 2, the rest
// on line 3.
enum class Layout {
    ThreeLine,
    Quickview,
    Appointment,
};

// Chooses the layout from the deciding line: line 1, or line 2 when line 1 is empty. The
// keywords "Quickview" and "Appointment" are matched case-sensitively at the start of the line;
// anything else is ThreeLine. Throws errors::RuntimeError 62 when the deciding line is missing.
Layout chooseLayout(const ImportLines& lines);

// The name its reader reports failures under: "ImportData_1", "ImportData_2", "ImportData_3".
QString readerProcedureName(Layout layout);

// Cuts the pieces out of the file's lines; date is today's date text, passed through. Lines
// are counted from the top of the file, including an empty line 1 that chooseLayout skipped.
// Throws errors::RuntimeError (5, 6 or 62, see text_cuts.h and ImportLines) when a cut fails.
ImportedRecord cutRecord(Layout layout, const ImportLines& lines, const QString& date);

// Rebuilds a month-first token ("12/24/1960") as "24.12.1960" by position alone: characters 4
// and 5, characters 1 and 2, the last four characters. Any other shape gives whatever those
// cuts give; never fails.
QString birthDateFromToken(const QString& token);

} // namespace import

#pragma once

#include "fields/request_fields.h"
#include "import/import_lines.h"

#include <QString>

namespace import {

class ImportWindow;

// A layout of import text: the keyword that marks it, the import procedure that reads it and the
// cut that procedure makes. A cut gives the fields filled by import (fields::RequestField::
// filledByImport) as text, unvalidated; it leaves the others empty.
struct LayoutReader
{
    QString keyword;   // the deciding line starts with it; empty for the layout of any other text
    QString procedure; // "ImportData_1", ...: the name its failures are reported under
    int dataLine;      // the line, counted from line 1, that holds the patient ID
    fields::RequestFields (*cut)(const ImportLines& lines, const QString& date);
    void (*read)(ImportWindow& window, const QString& path); // the procedure itself
};

// The three layouts. Three-line (ImportData_1): names on line 2, the rest on line 3. Quickview
// (ImportData_2): data on line 2. Appointment (ImportData_3): data on line 1.
const LayoutReader& threeLineLayout();
const LayoutReader& quickviewLayout();
const LayoutReader& appointmentLayout();

// Chooses the layout from the deciding line: line 1, or line 2 when line 1 is empty. The keywords
// are tried in the order Quickview, Appointment, matched case-sensitively at the start of the line;
// any other text is three-line. Throws errors::RuntimeError 62 "The text is
// empty" when the text holds nothing but blanks and line breaks.
const LayoutReader& chooseLayout(const ImportLines& lines);

// One patient per text: throws errors::RuntimeError 5 when a data line after the layout's own
// gives another patient (another ID, name, date of birth or gender) or cannot be cut. Data lines
// are those beginning with "Patient:" or "Appointment:" and, in the three-line layout, every line
// holding a '#', cut with the line before it as its name line. A data line that gives the same
// patient again is that patient. When the layout's own cut fails, nothing is refused here: its
// reader reports the failure.
void refuseSeveralPatients(const ImportLines& lines, const LayoutReader& layout);

// The cuts of the layouts. date is today's date text, passed through. Lines are counted
// from the top of the file, including an empty line 1 that chooseLayout skipped. A failed cut
// throws errors::RuntimeError 5 (a separator is missing, or the data line has no '#' or more than
// one), 6 (a separator lies beyond position 32767) or 62 (too few lines); its description says in
// plain words what the text lacks, and that the text begins with an empty line when it does.
fields::RequestFields cutThreeLine(const ImportLines& lines, const QString& date);
fields::RequestFields cutQuickview(const ImportLines& lines, const QString& date);
fields::RequestFields cutAppointment(const ImportLines& lines, const QString& date);

// Rebuilds a month-first token ("12/24/1960") as "24.12.1960" by position: characters 4 and 5,
// characters 1 and 2, the last four characters. A one-digit month or day ("1/5/1960") is first
// written with two digits. Any other shape gives whatever the position cuts give; never fails.
QString birthDateFromToken(const QString& token);

} // namespace import

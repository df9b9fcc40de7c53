#pragma once

#include "fields/request_fields.h"

#include <QString>

// The text import of the main window: a timer tick stages the import box's text in the import
// folder and fills the imported fields from the staged file.
namespace import {

// What the import needs of the main window. Any method may throw errors::RuntimeError; the
// import reports it like its own failures.
class ImportWindow
{
public:
    virtual ~ImportWindow() = default;
    // The plain text of txtContent, lines separated by "\n".
    virtual QString importText() const = 0;
    // The enabled state of tmrTxtTimer.
    virtual void setImportTimerEnabled(bool enabled) = 0;
    // Sets the fields filled by import (fields::RequestField::filledByImport), in that rank's order, to
    // the record's texts; the other fields keep theirs. A field that refuses its text throws, and
    // those set before it keep their new texts.
    virtual void setImportedFields(const fields::RequestFields& record) = 0;
};

// The handler of tmrTxtTimer (interval 5000 ms). Disables the timer first; an empty box
// re-arms it. Otherwise stages the text (CreateTextfile), reads the file just staged, never an
// older one, refuses a text that is blank or holds more than one patient, chooses its layout and
// hands the file to that layout's reader; the timer stays disabled until the window re-arms it. On
// any failure the user's import files are deleted, the imported fields are emptied and the failure is
// reported under the failing procedure's name ("tmrTxtTimer_Timer", "CreateTextfile",
// "ImportData_1" to "ImportData_3"); the timer stays disabled. A step of that clean-up that fails
// is reported too and the clean-up goes on. Never throws errors::RuntimeError.
void tmrTxtTimer_Timer(ImportWindow& window);

// The layout readers, which the layouts' table calls (LayoutReader::read): three-line, Quickview
// and Appointment. Each reads the import file at path, cuts its pieces, sets the imported fields
// only after every piece has been cut, then deletes the file. A failure takes the failure path
// above under the reader's own name; never throws.
void ImportData_1(ImportWindow& window, const QString& path);
void ImportData_2(ImportWindow& window, const QString& path);
void ImportData_3(ImportWindow& window, const QString& path);

} // namespace import

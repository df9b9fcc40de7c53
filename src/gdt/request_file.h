#pragma once

#include "dates/regional.h"
#include "fields/request_fields.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace gdt {

// The 6302 record in code page 437, header lines with the computed record length first. Every
// field is cleaned first (cleanFieldText) and composed (NFC). Dates are read with the regional
// formats (parseDate; a two-digit birth year never lands after today, platform::now()) and written
// as dd.MM.yyyy, the time (parseTime) as hh:mm, whatever the regional settings. Throws
// errors::RuntimeError when patient ID, surname, first name and date of birth are all empty, and
// naming the field when a field cannot be carried by one line or a date or time that is not empty
// is none (naming the value too).
QByteArray buildRequestRecord(const fields::RequestFields& fields, bool withModality,
                              const dates::RegionalFormats& regional);

// "ddMMyyyy_HHmmss": the request file's name without ".gdt".
QString requestFileStem(const QDateTime& when);

// Builds the record from the fields and Config, then writes it as a new file in Config.Path,
// never replacing an existing request. Returns the path written. Throws errors::RuntimeError.
QString CreateGDTFile(const fields::RequestFields& fields);

} // namespace gdt

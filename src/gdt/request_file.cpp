#include "gdt/request_file.h"

#include "gdt/code_page_437.h"
#include "gdt/field_line.h"
#include "gdt/field_text.h"
#include "global/mod_global.h"
#include "platform/clock.h"
#include "platform/file_writes.h"

#include <algorithm>

namespace gdt {
namespace {

errors::RuntimeError unreadable(QString fields::RequestFields::*member, const QString& text, const char* what)
{
    const auto& fields = fields::requestFields();
    const auto field = std::find_if(fields.begin(), fields.end(), [&](const auto& f) { return f.member == member; });
    return uncarriableField(field->name, field->id,
                            QStringLiteral("holds '%1', which is %2").arg(text, QLatin1String(what)));
}

// Devices read one date form, whatever the regional settings of the machine that wrote the
// request; a date that the calendar does not have would be read as some other day, or not at all.
void toRecordDate(fields::RequestFields& fields, QString fields::RequestFields::*member,
                  const dates::RegionalFormats& regional, std::optional<QDate> notAfter = std::nullopt)
{
    QString& text = fields.*member;
    if (text.isEmpty())
        return;
    const auto date = regional.parseDate(text, notAfter);
    if (!date)
        throw unreadable(member, text, "no calendar date");
    text = dates::recordDateFormat().format(*date);
}

void toRecordTime(fields::RequestFields& fields, const dates::RegionalFormats& regional)
{
    QString& text = fields.examinationTime;
    if (text.isEmpty())
        return;
    const auto time = regional.parseTime(text);
    if (!time)
        throw unreadable(&fields::RequestFields::examinationTime, text, "no time of day");
    text = dates::formatHourMinute(*time, u':');
}

bool namesAPatient(const fields::RequestFields& fields)
{
    for (const QString* text : {&fields.patientId, &fields.surname, &fields.firstName, &fields.birthDate}) {
        if (!text->isEmpty())
            return true;
    }
    return false;
}

} // namespace

QByteArray buildRequestRecord(const fields::RequestFields& input, bool withModality,
                              const dates::RegionalFormats& regional)
{
    // Composed form, so that a letter pasted as base letter plus combining mark is the one code
    // page 437 letter it stands for, and the lengths count what is written. Cleaned first, so that
    // blanks and invisible characters alone name nobody.
    fields::RequestFields fields = input;
    for (const fields::RequestField& field : fields::requestFields())
        fields.*field.member = cleanFieldText(fields.*field.member).normalized(QString::NormalizationForm_C);
    if (!namesAPatient(fields))
        throw errors::invalidProcedureCall(QStringLiteral("The request names no patient: patient ID, surname, first "
                                                          "name and date of birth are all empty; the request was not "
                                                          "written"));
    if (!withModality)
        fields.modality.clear();

    // Refuse the whole request before anything is encoded: a request with a field silently
    // missing is worse than none. Characters first, so that a date is shown only when it can be.
    const QList<const fields::RequestField*> lines = fields::requestFieldsBy(&fields::RequestField::recordLine);
    for (const fields::RequestField* field : lines) {
        if (const QString why = whyNotCarriable(fields.*field->member); !why.isEmpty())
            throw uncarriableField(field->name, field->id, why);
    }
    toRecordDate(fields, &fields::RequestFields::birthDate, regional,
                 platform::now().date()); // no birth ahead of today
    toRecordDate(fields, &fields::RequestFields::examinationDate, regional);
    toRecordTime(fields, regional);

    qsizetype bodySize = 0;
    for (const fields::RequestField* field : lines)
        bodySize += (fields.*field->member).size() + 9;
    QString body;
    body.reserve(bodySize);
    for (const fields::RequestField* field : lines)
        body += CreateGDTLine(field->id, fields.*field->member);

    const QString header = QStringLiteral("01380006302\r\n") +
                           QStringLiteral("0148100%1\r\n").arg(51 + writtenLength(body), 5, 10, QLatin1Char('0')) +
                           QStringLiteral("01092062\r\n") + QStringLiteral("014921802.01\r\n");
    return gdt::toCodePage437(header + body);
}

QString requestFileStem(const QDateTime& when)
{
    return when.toString(QStringLiteral("ddMMyyyy_HHmmss"));
}

QString CreateGDTFile(const fields::RequestFields& fields)
{
    const QByteArray record = buildRequestRecord(fields, modGlobal::Config.Modality, dates::RegionalFormats::current());
    const QString stem = requestFileStem(platform::now());
    return platform::writeNewFileAtomically(modGlobal::Config.Path, stem, QStringLiteral(".gdt"), record);
}

} // namespace gdt

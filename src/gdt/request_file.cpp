#include "gdt/request_file.h"

#include "gdt/field_line.h"
#include "platform/clock.h"
#include "platform/codepage.h"
#include "platform/files.h"
#include "settings/config.h"

namespace gdt {
namespace {

QString asShortDate(const QString& text, const platform::RegionalFormats& regional,
                    std::optional<QDate> notAfter = std::nullopt)
{
    const auto date = regional.parseDate(text, notAfter);
    return date ? regional.shortDate(*date) : text;
}

QString asShortTime(const QString& text, const platform::RegionalFormats& regional)
{
    const auto time = regional.parseTime(text);
    return time ? regional.shortTime(*time) : text;
}

// Blanks alone name nobody.
bool namesAPatient(const RequestFields& fields)
{
    for (const QString* text : {&fields.patientId, &fields.surname, &fields.firstName, &fields.birthDate}) {
        if (!text->trimmed().isEmpty())
            return true;
    }
    return false;
}

} // namespace

QByteArray buildRequestRecord(const RequestFields& input, bool withModality, const platform::RegionalFormats& regional)
{
    if (!namesAPatient(input))
        throw errors::RuntimeError(errors::kInvalidProcedureCall,
                                   QStringLiteral("The request names no patient: patient ID, surname, first name and "
                                                  "date of birth are all empty; the request was not written"));
    RequestFields fields = input;
    // Composed form, so that a letter pasted as base letter plus combining mark is the one code
    // page 437 letter it stands for, and the lengths count what is written.
    for (const RequestField& field : requestFields())
        fields.*field.member = (fields.*field.member).normalized(QString::NormalizationForm_C);
    fields.birthDate = asShortDate(fields.birthDate, regional, platform::now().date()); // no birth ahead of today
    fields.examinationDate = asShortDate(fields.examinationDate, regional);
    fields.examinationTime = asShortTime(fields.examinationTime, regional);
    if (!withModality)
        fields.modality.clear();

    // Refuse the whole request before anything is encoded: a request with a field silently
    // missing is worse than none.
    const QList<const RequestField*> lines = requestFieldsBy(&RequestField::recordLine);
    qsizetype bodySize = 0;
    for (const RequestField* field : lines) {
        if (const QString why = whyNotCarriable(fields.*field->member); !why.isEmpty())
            throw uncarriableField(field->name, field->id, why);
        bodySize += (fields.*field->member).size() + 9;
    }

    QString body;
    body.reserve(bodySize);
    for (const RequestField* field : lines)
        body += CreateGDTLine(field->id, fields.*field->member);

    const QString header = QStringLiteral("01380006302\r\n") +
                           QStringLiteral("0148100%1\r\n").arg(51 + writtenLength(body), 5, 10, QLatin1Char('0')) +
                           QStringLiteral("01092062\r\n") + QStringLiteral("014921802.01\r\n");
    return platform::toCodePage437(header + body);
}

QString requestFileStem(const QDateTime& when)
{
    return when.toString(QStringLiteral("ddMMyyyy_HHmmss"));
}

QString CreateGDTFile(const RequestFields& fields)
{
    const QByteArray record =
        buildRequestRecord(fields, modGlobal::Config.Modality, platform::RegionalFormats::current());
    const QString stem = requestFileStem(platform::now());
    return platform::writeNewFileAtomically(modGlobal::Config.Path, stem, QStringLiteral(".gdt"), record);
}

} // namespace gdt

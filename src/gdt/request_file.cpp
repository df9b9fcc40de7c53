#include "gdt/request_file.h"

#include "gdt/field_line.h"
#include "platform/clock.h"
#include "platform/codepage.h"
#include "platform/files.h"
#include "settings/config.h"

#include <QDir>

#include <array>

namespace gdt {
namespace {

struct FieldSpec
{
    const char* id;
    const char* label;
    QString RequestFields::*member;
};

// Lines 5 to 13 in the order of the record.
constexpr std::array<FieldSpec, 9> kFields = {{
    {"3000", "patient ID", &RequestFields::patientId},
    {"3101", "surname", &RequestFields::surname},
    {"3102", "first name", &RequestFields::firstName},
    {"3103", "date of birth", &RequestFields::birthDate},
    {"3110", "gender", &RequestFields::gender},
    {"8781", "examination date", &RequestFields::examinationDate},
    {"8782", "examination time", &RequestFields::examinationTime},
    {"4603", "referring physician", &RequestFields::referringPhysician},
    {"6335", "modality", &RequestFields::modality},
}};

QString asShortDate(const QString& text, const platform::RegionalFormats& regional)
{
    const auto date = regional.parseDate(text);
    return date ? regional.shortDate(*date) : text;
}

QString asShortTime(const QString& text, const platform::RegionalFormats& regional)
{
    const auto time = regional.parseTime(text);
    return time ? regional.shortTime(*time) : text;
}

} // namespace

QByteArray buildRequestRecord(const RequestFields& input, bool withModality, const platform::RegionalFormats& regional)
{
    RequestFields fields = input;
    fields.birthDate = asShortDate(fields.birthDate, regional);
    fields.examinationDate = asShortDate(fields.examinationDate, regional);
    fields.examinationTime = asShortTime(fields.examinationTime, regional);
    if (!withModality)
        fields.modality.clear();

    // Refuse the whole request before anything is encoded: a request with a field silently
    // missing is worse than none.
    for (const FieldSpec& field : kFields)
        checkCarriable(QLatin1String(field.label), QLatin1String(field.id), fields.*field.member);

    QString body;
    for (const FieldSpec& field : kFields)
        body += CreateGDTLine(QLatin1String(field.id), fields.*field.member);

    const QString header = QStringLiteral("01380006302\r\n") + QStringLiteral("0148100%1\r\n")
                               .arg(51 + writtenLength(body), 5, 10, QLatin1Char('0')) +
                           QStringLiteral("01092062\r\n") + QStringLiteral("014921802.01\r\n");
    return platform::toCodePage437(header + body);
}

QString requestFileStem(const QDateTime& when)
{
    return when.toString(QStringLiteral("ddMMyyyy_HHmmss"));
}

QString requestFolder(const QString& configuredPath)
{
    if (configuredPath.isEmpty() || configuredPath.endsWith(QLatin1Char('/')) || configuredPath.endsWith(QDir::separator()))
        return configuredPath;
    return configuredPath + QDir::separator();
}

QString CreateGDTFile(const RequestFields& fields)
{
    const QByteArray record = buildRequestRecord(fields, settings::Config.Modality, platform::RegionalFormats::current());
    const QString stem = requestFileStem(platform::now());
    return platform::writeNewFileAtomically(requestFolder(settings::Config.Path), stem, QStringLiteral(".gdt"), record);
}

} // namespace gdt

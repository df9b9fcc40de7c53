#include "settings/profile_strings.h"

#include "platform/file_writes.h"
#include "settings/ini_document.h"

#include <QFile>

namespace platform {
namespace {

// The file's bytes; empty when it does not exist. An existing file that cannot be read is an
// error: writing over it would destroy what it holds.
QByteArray readExisting(const QString& fileName)
{
    QFile file(fileName);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly))
        throw fileError(file, fileName);
    return file.readAll();
}

} // namespace

qsizetype GetPrivateProfileString(const QString& section, const QString& key, const QString& defaultValue,
                                  QString& buffer, qsizetype bufferSize, const QString& fileName)
{
    const IniDocument document(readExisting(fileName), fileName);
    buffer = document.value(section, key).value_or(defaultValue).left(qMax<qsizetype>(0, bufferSize - 1));
    return buffer.size();
}

void WritePrivateProfileString(const QString& section, const QString& key, const QString& value,
                               const QString& fileName)
{
    // A line break would end the value early and let the rest be read as keys of their own.
    if (value.contains(QLatin1Char('\r')) || value.contains(QLatin1Char('\n')))
        throw errors::invalidProcedureCall(
            QStringLiteral("The value of %1 contains a line break and cannot be stored").arg(key));
    // A file that is no INI text throws here, before anything is written over it.
    IniDocument document(readExisting(fileName), fileName);
    document.setValue(section, key, value);
    replaceFileAtomically(fileName, document.bytes());
}

} // namespace platform

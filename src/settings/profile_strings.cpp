#include "settings/profile_strings.h"

#include "platform/file_writes.h"

#include <QFile>

namespace settings {

// An existing file that cannot be read is an error: writing over it would destroy what it holds.
IniDocument readProfileFile(const QString& fileName)
{
    QFile file(fileName);
    if (!file.exists())
        return IniDocument({}, fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw platform::fileError(file, fileName);
    return IniDocument(file.readAll(), fileName);
}

void writeProfileFile(const QString& fileName, const IniDocument& document)
{
    platform::replaceFileAtomically(fileName, document.bytes());
}

qsizetype GetPrivateProfileString(const QString& section, const QString& key, const QString& defaultValue,
                                  QString& buffer, qsizetype bufferSize, const IniDocument& file)
{
    buffer = file.value(section, key).value_or(defaultValue).left(qMax<qsizetype>(0, bufferSize - 1));
    return buffer.size();
}

void WritePrivateProfileString(const QString& section, const QString& key, const QString& value, IniDocument& file)
{
    // A line break would end the value early and let the rest be read as keys of their own.
    if (value.contains(QLatin1Char('\r')) || value.contains(QLatin1Char('\n')))
        throw errors::invalidProcedureCall(
            QStringLiteral("The value of %1 contains a line break and cannot be stored").arg(key));
    file.setValue(section, key, value);
}

} // namespace settings

#include "settings/profile_strings.h"

#include "platform/files.h"
#include "settings/ini_document.h"

#include <QFile>

namespace settings {
namespace {

// The file's bytes; empty when it does not exist. An existing file that cannot be read is an
// error: writing over it would destroy what it holds.
QByteArray readExisting(const QString& fileName)
{
    QFile file(fileName);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly))
        throw platform::fileError(file, fileName);
    return file.readAll();
}

} // namespace

qsizetype GetPrivateProfileString(const QString& section, const QString& key, const QString& defaultValue,
                                  QString& buffer, qsizetype bufferSize, const QString& fileName)
{
    const IniDocument document(readExisting(fileName));
    buffer = document.value(section, key).value_or(defaultValue).left(qMax<qsizetype>(0, bufferSize - 1));
    return buffer.size();
}

void WritePrivateProfileString(const QString& section, const QString& key, const QString& value,
                               const QString& fileName)
{
    // A line break would end the value early and let the rest be read as keys of their own.
    if (value.contains(QLatin1Char('\r')) || value.contains(QLatin1Char('\n')))
        throw errors::RuntimeError(
            errors::kInvalidProcedureCall,
            QStringLiteral("The value of %1 contains a line break and cannot be stored").arg(key));
    IniDocument document(readExisting(fileName));
    document.setValue(section, key, value);
    platform::replaceFileAtomically(fileName, document.bytes());
}

QString ReadIniString(const QString& section, const QString& key, const QString& defaultValue, const QString& fileName,
                      qint16 size)
{
    // A cut target folder would name another folder: grow the buffer until the value no longer fills it.
    for (qsizetype capacity = qMax<qsizetype>(size, 2);; capacity *= 2) {
        QString buffer(capacity, QLatin1Char(' '));
        const qsizetype count = GetPrivateProfileString(section, key, defaultValue, buffer, capacity, fileName);
        if (count < capacity - 1)
            return buffer.left(count);
    }
}

} // namespace settings

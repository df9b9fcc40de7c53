#include "settings/mod_ini.h"

#include "platform/profile_strings.h"

namespace modINI {

QString ReadIniString(const QString& section, const QString& key, const QString& defaultValue, const QString& fileName,
                      qint16 size)
{
    // A cut target folder would name another folder: grow the buffer until the value no longer fills it.
    for (qsizetype capacity = qMax<qsizetype>(size, 2);; capacity *= 2) {
        QString buffer(capacity, QLatin1Char(' '));
        const qsizetype count =
            platform::GetPrivateProfileString(section, key, defaultValue, buffer, capacity, fileName);
        if (count < capacity - 1)
            return buffer.left(count);
    }
}

} // namespace modINI

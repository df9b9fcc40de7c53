#include "platform/system_messages.h"

#include <QLibraryInfo>

#include <clocale>
#include <cstring>

namespace platform {

// Both follow LC_MESSAGES alone, so dates, numbers and the code page keep the user's locale.
void useEnglishSystemMessages()
{
    std::setlocale(LC_MESSAGES, "C");
}

QString systemMessage(long code, const QString&)
{
    return QString::fromLocal8Bit(std::strerror(int(code)));
}

QString systemQtTranslationsFolder()
{
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

} // namespace platform

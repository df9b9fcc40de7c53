#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// Name filters for a file-open dialog that picks a program to start. exeFilter is the entry for
// Windows programs in the toolkit's form ("Description (*.exe)"). Where programs carry no such
// ending, an entry for all files follows it, or no program could be chosen at all.
inline QStringList executableFileFilters(const QString& exeFilter)
{
#ifdef Q_OS_WIN
    return {exeFilter};
#else
    return {exeFilter, QStringLiteral("Alle Dateien (*)")};
#endif
}

} // namespace platform

#pragma once

#include "platform/scoped_override.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace platform {

// The system code page, which Settings.ini without a byte-order mark and the log are written in:
// on Windows its ANSI code page (GetACP, 1252 in Western Europe), on POSIX systems the charset of
// the user's locale, read as ISO-8859-1 where the locale says so and UTF-8 otherwise. A character
// the code page lacks is lost: it becomes a look-alike letter or "?".
QByteArray toSystemCodePage(const QString& text);
QString fromSystemCodePage(const QByteArray& bytes);
// As fromSystemCodePage, but nullopt when the bytes are no valid text in that code page.
std::optional<QString> decodeSystemCodePage(const QByteArray& bytes);
// As toSystemCodePage, but nullopt when any character would be lost.
std::optional<QByteArray> encodeSystemCodePage(const QString& text);

// Lets tests run as on a system whose code page is Latin-1 (the letters of Windows-1252), so that
// characters such a code page lacks (Ł, Ж) meet the code on every system.
class ScopedLatin1SystemCodePage : public ScopedOverride<bool>
{
public:
    ScopedLatin1SystemCodePage();
};

} // namespace platform

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace platform {

// Text files (settings without a byte-order mark, log, staged import files) use the system code
// page: on Windows its ANSI code page (GetACP, 1252 in Western Europe), on POSIX systems the
// charset of the user's locale, read as ISO-8859-1 where the locale says so and UTF-8 otherwise.
QByteArray toSystemCodePage(const QString& text);
QString fromSystemCodePage(const QByteArray& bytes);
// As fromSystemCodePage, but nullopt when the bytes are no valid text in that code page.
std::optional<QString> decodeSystemCodePage(const QByteArray& bytes);

// IBM code page 437, the character set GDT declares with code 2. One byte per character: a
// character the code page lacks becomes its base letter when Unicode decomposition gives one
// (Č -> C), otherwise "?"; so is a surrogate without its partner.
QByteArray toCodePage437(const QString& text);
// Each byte as the code page's character.
QString fromCodePage437(const QByteArray& bytes);

// The characters of text that toCodePage437 would turn into "?", each once, in order of
// appearance; half a surrogate pair is shown as "U+DC00".
QStringList missingFromCodePage437(const QString& text);

} // namespace platform

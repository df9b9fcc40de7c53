#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace gdt {

// IBM code page 437, the character set GDT declares with code 2. One byte per character: a
// character the code page lacks becomes its base letter when Unicode decomposition gives one
// (Č -> C), otherwise "?"; so is a surrogate without its partner.
QByteArray toCodePage437(const QString& text);
// Each byte as the code page's character.
QString fromCodePage437(const QByteArray& bytes);

// The characters of text that toCodePage437 would turn into "?", each once, in order of
// appearance; half a surrogate pair comes as itself.
QList<char32_t> missingFromCodePage437(const QString& text);

} // namespace gdt

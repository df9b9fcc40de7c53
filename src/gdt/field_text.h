#pragma once

#include <QString>

namespace gdt {

// A field's text as a request carries it. Text copied from word processors and web pages brings
// characters nobody sees, and a device looking up "4711" does not find " 4711" nor "O’Brien"
// typed as "O'Brien". So: invisible formatting characters (Unicode format characters such as the
// soft hyphen, zero-width space and joiners, word joiner, direction marks, byte-order mark) are
// dropped; typographic apostrophes, quotes and dashes become ' " -; every kind of space becomes a
// blank; and blanks, tabs and line breaks around the text are trimmed.
QString cleanFieldText(const QString& text);

// How a message names a character, many of which cannot be seen in a message box: its code, its
// name when it is one a practice is likely to meet, and the character itself when it can be seen:
// "U+00AD SOFT HYPHEN", "U+20AC EURO SIGN (€)", "U+041F (П)", "U+DC00".
QString describeCharacter(char32_t codePoint);

} // namespace gdt

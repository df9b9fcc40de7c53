#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace settings {

// An INI file held as its lines, so that a write changes only the line it must and every other
// line (comments, blank lines, indentation, foreign sections, LF-only or CR-only line ends) stays.
// Names match case-blind after trimming blanks, the first of duplicate sections or keys counts,
// and a line without "=" is kept but is no key. The file's encoding is kept as found: UTF-8 or
// UTF-16 (either byte order) with a byte-order mark, as Windows editors save them; without a mark,
// UTF-8 when the bytes are UTF-8 beyond plain ASCII (as Notepad saves), or else the system code
// page. A file in the system code page that has to hold a character the code page lacks becomes
// UTF-8 with a mark, so that no character is lost.
class IniDocument
{
public:
    // Throws errors::RuntimeError (5) naming fileName when the bytes are no INI text: NUL bytes
    // without a UTF-16 byte-order mark, or bytes that are invalid in the file's encoding.
    IniDocument(const QByteArray& bytes, const QString& fileName);

    // The value with blanks around it and one pair of matching outer quotes removed;
    // nullopt when the section or key is missing.
    std::optional<QString> value(const QString& section, const QString& key) const;

    // Replaces the key's line where it stands (keeping the file's spelling of the key), or adds
    // the key after the last non-blank line of its section, or the section at the end of the file.
    // A value with blanks or matching quotes around it is written in quotes, so value() returns it
    // whole.
    void setValue(const QString& section, const QString& key, const QString& value);

    // The whole file in its own encoding, byte-order mark included (see above for the one change).
    QByteArray bytes() const;

private:
    enum class Encoding { SystemCodePage, Utf8WithoutMark, Utf8, Utf16LittleEndian, Utf16BigEndian };

    struct Line
    {
        QString text;   // without its line end
        QString ending; // "\r\n", "\n", "\r" or "" for a last line without one
    };

    QString decode(const QByteArray& bytes, const QString& fileName);
    int findSection(const QString& section) const;
    int sectionEnd(int sectionLine) const; // index of the next section header, or the line count
    int findKey(int sectionLine, const QString& key) const;
    void insertLine(int index, const QString& text);

    Encoding m_encoding = Encoding::SystemCodePage;
    QString m_newLineEnding; // for lines this document adds
    QList<Line> m_lines;
};

} // namespace settings

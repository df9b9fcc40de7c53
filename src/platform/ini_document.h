#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace platform {

// An INI file held as its raw lines, so that a write changes only the line it must and every
// other byte (comments, blank lines, indentation, foreign sections, LF-only line ends) stays.
// Names match case-blind after trimming blanks, the first of duplicate sections or keys counts,
// and a line without "=" is kept but is no key. A file that starts with the UTF-8 byte-order
// mark (as Windows editors save it) is UTF-8 throughout and keeps its mark; any other file is in
// the system code page.
class IniDocument
{
public:
    explicit IniDocument(const QByteArray& bytes);

    // The value with blanks around it and one pair of matching outer quotes removed;
    // nullopt when the section or key is missing.
    std::optional<QString> value(const QString& section, const QString& key) const;

    // Replaces the key's line where it stands (keeping the file's spelling of the key), or adds
    // the key after the last non-blank line of its section, or the section at the end of the file.
    // A value with blanks or matching quotes around it is written in quotes, so value() returns it
    // whole.
    void setValue(const QString& section, const QString& key, const QString& value);

    QByteArray bytes() const;

private:
    struct Line
    {
        QByteArray text;   // without its line end
        QByteArray ending; // "\r\n", "\n" or "" for a last line without one
    };

    int findSection(const QString& section) const;
    int sectionEnd(int sectionLine) const; // index of the next section header, or the line count
    int findKey(int sectionLine, const QString& key) const;
    void insertLine(int index, const QByteArray& text);
    QString decode(const QByteArray& bytes) const;
    QByteArray encode(const QString& text) const;

    bool m_utf8Mark = false;
    QList<Line> m_lines;
};

} // namespace platform

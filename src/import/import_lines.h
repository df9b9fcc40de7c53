#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace import {

// The lines of an import file. A line ends at CR LF or at a lone CR; the terminator is not part
// of the line, and a lone LF stays inside its line. Text after the last terminator is a last line
// of its own; a file that ends with a terminator has no empty line after it.
class ImportLines
{
public:
    // The mark a staged file starts with: the rest is UTF-8.
    static const QByteArray kUtf8Mark;

    // bytes in UTF-8 after kUtf8Mark, or else in the system code page.
    static ImportLines fromFileBytes(const QByteArray& bytes);
    explicit ImportLines(const QString& text);

    // Line number (from 1). Throws errors::RuntimeError 62 "Input past end of file" beyond the
    // last line.
    const QString& line(int number) const;
    int count() const { return int(m_lines.size()); }

private:
    QStringList m_lines;
};

} // namespace import

#include "import/import_lines.h"

#include "errors/runtime_error.h"
#include "platform/codepage.h"

namespace import {

ImportLines ImportLines::fromFileBytes(const QByteArray& bytes)
{
    return ImportLines(platform::fromSystemCodePage(bytes));
}

ImportLines::ImportLines(const QString& text)
{
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(QLatin1Char('\r'), start);
        if (end < 0)
            end = text.size();
        m_lines.append(text.mid(start, end - start));
        start = end + 1;
        if (start < text.size() && text.at(start) == QLatin1Char('\n'))
            ++start;
    }
}

const QString& ImportLines::line(int number) const
{
    if (number < 1 || number > m_lines.size())
        throw errors::inputPastEndOfFile();
    return m_lines.at(number - 1);
}

} // namespace import

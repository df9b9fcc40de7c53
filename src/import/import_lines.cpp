#include "import/import_lines.h"

#include "platform/codepage.h"
#include "runtime_errors/runtime_error.h"

#include <QStringDecoder>

namespace import {

const QByteArray ImportLines::kUtf8Mark = QByteArrayLiteral("\xEF\xBB\xBF");

ImportLines ImportLines::fromFileBytes(const QByteArray& bytes)
{
    // Windows' code page would read the mark as three letters in front of the layout's keyword.
    if (bytes.startsWith(kUtf8Mark)) {
        // A second mark is text of the box, kept as the character it is.
        QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
        return ImportLines(utf8.decode(bytes.sliced(kUtf8Mark.size())));
    }
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

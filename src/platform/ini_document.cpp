#include "platform/ini_document.h"

#include "platform/codepage.h"

namespace platform {
namespace {

const QByteArray kCrLf = QByteArrayLiteral("\r\n");
const QByteArray kUtf8Mark = QByteArrayLiteral("\xEF\xBB\xBF");

bool isSectionHeader(const QByteArray& text)
{
    return text.trimmed().startsWith('[');
}

QByteArray sectionName(const QByteArray& text)
{
    QByteArray name = text.trimmed().mid(1);
    const qsizetype close = name.indexOf(']');
    if (close >= 0)
        name.truncate(close);
    return name.trimmed();
}

bool isComment(const QByteArray& text)
{
    return text.trimmed().startsWith(';');
}

// Key name of a "key=value" line; nullopt for anything else.
std::optional<QByteArray> keyName(const QByteArray& text)
{
    if (isSectionHeader(text) || isComment(text))
        return std::nullopt;
    const qsizetype equals = text.indexOf('=');
    if (equals < 0)
        return std::nullopt;
    return text.left(equals).trimmed();
}

QByteArray unquoted(QByteArray value)
{
    value = value.trimmed();
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    return value;
}

// Reading drops blanks and one pair of matching quotes around a value, as hand-written files
// expect; a value that has such of its own is written in quotes, so that it reads back whole.
QByteArray protectedValue(const QByteArray& value)
{
    return unquoted(value) == value ? value : '"' + value + '"';
}

bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

IniDocument::IniDocument(const QByteArray& bytes)
{
    // The mark is no part of the first line: with it there, the first section would not be found.
    m_utf8Mark = bytes.startsWith(kUtf8Mark);
    qsizetype start = m_utf8Mark ? kUtf8Mark.size() : 0;
    while (start < bytes.size()) {
        const qsizetype newline = bytes.indexOf('\n', start);
        if (newline < 0) {
            m_lines.append({bytes.mid(start), {}});
            break;
        }
        const bool crlf = newline > start && bytes[newline - 1] == '\r';
        m_lines.append({bytes.mid(start, newline - start - (crlf ? 1 : 0)), crlf ? kCrLf : QByteArrayLiteral("\n")});
        start = newline + 1;
    }
}

int IniDocument::findSection(const QString& section) const
{
    for (int i = 0; i < m_lines.size(); ++i) {
        if (isSectionHeader(m_lines[i].text) && sameName(decode(sectionName(m_lines[i].text)), section.trimmed()))
            return i;
    }
    return -1;
}

int IniDocument::sectionEnd(int sectionLine) const
{
    int i = sectionLine + 1;
    while (i < m_lines.size() && !isSectionHeader(m_lines[i].text))
        ++i;
    return i;
}

int IniDocument::findKey(int sectionLine, const QString& key) const
{
    const int end = sectionEnd(sectionLine);
    for (int i = sectionLine + 1; i < end; ++i) {
        const auto name = keyName(m_lines[i].text);
        if (name && sameName(decode(*name), key.trimmed()))
            return i;
    }
    return -1;
}

std::optional<QString> IniDocument::value(const QString& section, const QString& key) const
{
    const int sectionLine = findSection(section);
    if (sectionLine < 0)
        return std::nullopt;
    const int keyLine = findKey(sectionLine, key);
    if (keyLine < 0)
        return std::nullopt;
    const QByteArray& text = m_lines[keyLine].text;
    return decode(unquoted(text.mid(text.indexOf('=') + 1)));
}

void IniDocument::insertLine(int index, const QByteArray& text)
{
    // The line before the new one must end, or the two would run together.
    if (index > 0 && m_lines[index - 1].ending.isEmpty())
        m_lines[index - 1].ending = kCrLf;
    m_lines.insert(index, {text, kCrLf});
}

void IniDocument::setValue(const QString& section, const QString& key, const QString& value)
{
    const QByteArray encodedValue = protectedValue(encode(value));
    int sectionLine = findSection(section);
    if (sectionLine < 0) {
        sectionLine = int(m_lines.size());
        insertLine(sectionLine, '[' + encode(section) + ']');
    }
    const int keyLine = findKey(sectionLine, key);
    if (keyLine >= 0) {
        Line& line = m_lines[keyLine];
        line.text = line.text.left(line.text.indexOf('=')).trimmed() + '=' + encodedValue;
        if (line.ending.isEmpty())
            line.ending = kCrLf;
        return;
    }
    int lastFilled = sectionLine;
    const int end = sectionEnd(sectionLine);
    for (int i = sectionLine + 1; i < end; ++i) {
        if (!m_lines[i].text.trimmed().isEmpty())
            lastFilled = i;
    }
    insertLine(lastFilled + 1, encode(key) + '=' + encodedValue);
}

QString IniDocument::decode(const QByteArray& bytes) const
{
    return m_utf8Mark ? QString::fromUtf8(bytes) : platform::fromSystemCodePage(bytes);
}

QByteArray IniDocument::encode(const QString& text) const
{
    return m_utf8Mark ? text.toUtf8() : platform::toSystemCodePage(text);
}

QByteArray IniDocument::bytes() const
{
    QByteArray out = m_utf8Mark ? kUtf8Mark : QByteArray();
    for (const Line& line : m_lines)
        out += line.text + line.ending;
    return out;
}

} // namespace platform

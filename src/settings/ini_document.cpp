#include "settings/ini_document.h"

#include "platform/codepage.h"
#include "runtime_errors/runtime_error.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <utility>

namespace settings {
namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QByteArray kUtf8Mark = QByteArrayLiteral("\xEF\xBB\xBF");
const QByteArray kUtf16LittleEndianMark = QByteArrayLiteral("\xFF\xFE");
const QByteArray kUtf16BigEndianMark = QByteArrayLiteral("\xFE\xFF");

bool isSectionHeader(const QString& text)
{
    return text.trimmed().startsWith(QLatin1Char('['));
}

QString sectionName(const QString& text)
{
    QString name = text.trimmed().mid(1);
    const qsizetype close = name.indexOf(QLatin1Char(']'));
    if (close >= 0)
        name.truncate(close);
    return name.trimmed();
}

bool isComment(const QString& text)
{
    return text.trimmed().startsWith(QLatin1Char(';'));
}

// Key name of a "key=value" line; nullopt for anything else.
std::optional<QString> keyName(const QString& text)
{
    if (isSectionHeader(text) || isComment(text))
        return std::nullopt;
    const qsizetype equals = text.indexOf(QLatin1Char('='));
    if (equals < 0)
        return std::nullopt;
    return text.left(equals).trimmed();
}

QString unquoted(QString value)
{
    value = value.trimmed();
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    return value;
}

// Reading drops blanks and one pair of matching quotes around a value, as hand-written files
// expect; a value that has such of its own is written in quotes, so that it reads back whole.
QString protectedValue(const QString& value)
{
    return unquoted(value) == value ? value : QLatin1Char('"') + value + QLatin1Char('"');
}

bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool hasUnpairedSurrogate(const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            return true;
    }
    return false;
}

// Decodes strictly, a second mark kept as a character so that the file is written back as it
// was: nullopt when the bytes are invalid in the encoding or end inside a character.
std::optional<QString> decodeStrictly(QStringConverter::Encoding encoding, const QByteArray& bytes)
{
    const bool utf16 = encoding == QStringConverter::Utf16LE || encoding == QStringConverter::Utf16BE;
    if (utf16 && bytes.size() % 2 != 0) // the decoder would make the odd byte a replacement character
        return std::nullopt;
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    QString text = decoder.decode(bytes);
    if (decoder.hasError() || hasUnpairedSurrogate(text))
        return std::nullopt;
    return text;
}

// The text of bytes that are valid UTF-8 and not plain ASCII, as Notepad saves UTF-8 (without a
// byte-order mark); nullopt for any other bytes.
std::optional<QString> utf8BeyondAscii(const QByteArray& bytes)
{
    if (std::all_of(bytes.cbegin(), bytes.cend(), [](char c) { return uchar(c) < 0x80; }))
        return std::nullopt;
    return decodeStrictly(QStringConverter::Utf8, bytes);
}

errors::RuntimeError noIniText(const QString& fileName, const QString& why)
{
    return errors::invalidProcedureCall(
        QStringLiteral(
            "%1 cannot be read as INI text: %2. It was left unchanged; save it as ANSI, UTF-8 or UTF-16 text")
            .arg(fileName, why));
}

} // namespace

IniDocument::IniDocument(const QByteArray& bytes, const QString& fileName)
{
    const QString text = decode(bytes, fileName);
    qsizetype start = 0;
    while (start < text.size()) {
        // CR LF, a lone LF (Unix editors) or a lone CR (old Mac editors) ends a line.
        const auto end =
            std::find_if(text.cbegin() + start, text.cend(), [](QChar c) { return c == u'\r' || c == u'\n'; });
        const qsizetype lineEnd = end - text.cbegin();
        if (lineEnd == text.size()) {
            m_lines.append({text.mid(start), {}});
            break;
        }
        const qsizetype endingSize = text.mid(lineEnd, 2) == kCrLf ? 2 : 1;
        m_lines.append({text.mid(start, lineEnd - start), text.mid(lineEnd, endingSize)});
        start = lineEnd + endingSize;
    }
    // A file whose lines end in lone CRs gets its new lines alike; anything else gets CR LF, which
    // every reader takes.
    const bool crOnly = !m_lines.isEmpty() && m_lines.first().ending == QLatin1String("\r");
    m_newLineEnding = crOnly ? QStringLiteral("\r") : kCrLf;
}

QString IniDocument::decode(const QByteArray& bytes, const QString& fileName)
{
    // The mark is no part of the first line: with it there, the first section would not be found.
    std::optional<QString> text;
    if (bytes.startsWith(kUtf8Mark)) {
        m_encoding = Encoding::Utf8;
        text = decodeStrictly(QStringConverter::Utf8, bytes.mid(kUtf8Mark.size()));
    } else if (bytes.startsWith(kUtf16LittleEndianMark)) {
        m_encoding = Encoding::Utf16LittleEndian;
        text = decodeStrictly(QStringConverter::Utf16LE, bytes.mid(kUtf16LittleEndianMark.size()));
    } else if (bytes.startsWith(kUtf16BigEndianMark)) {
        m_encoding = Encoding::Utf16BigEndian;
        text = decodeStrictly(QStringConverter::Utf16BE, bytes.mid(kUtf16BigEndianMark.size()));
    } else if (bytes.contains('\0')) {
        // Most likely UTF-16 saved without its mark, or no text file at all.
        throw noIniText(fileName, QStringLiteral("it holds NUL bytes but starts with no UTF-16 byte-order mark"));
    } else if (std::optional<QString> utf8 = utf8BeyondAscii(bytes)) {
        // Windows-1252 text with umlauts is practically never valid UTF-8, so this is no guess.
        m_encoding = Encoding::Utf8WithoutMark;
        text = std::move(utf8);
    } else {
        text = platform::decodeSystemCodePage(bytes);
    }
    if (!text)
        throw noIniText(fileName, m_encoding == Encoding::SystemCodePage
                                      ? QStringLiteral("it holds bytes that are no text in the system's character set")
                                      : QStringLiteral("it holds bytes that are no text in the encoding its "
                                                       "byte-order mark names"));
    return *text;
}

int IniDocument::findSection(const QString& section) const
{
    for (int i = 0; i < m_lines.size(); ++i) {
        if (isSectionHeader(m_lines[i].text) && sameName(sectionName(m_lines[i].text), section.trimmed()))
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
        if (name && sameName(*name, key.trimmed()))
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
    const QString& text = m_lines[keyLine].text;
    return unquoted(text.mid(text.indexOf(QLatin1Char('=')) + 1));
}

void IniDocument::insertLine(int index, const QString& text)
{
    // The line before the new one must end, or the two would run together.
    if (index > 0 && m_lines[index - 1].ending.isEmpty())
        m_lines[index - 1].ending = m_newLineEnding;
    m_lines.insert(index, {text, m_newLineEnding});
}

void IniDocument::setValue(const QString& section, const QString& key, const QString& value)
{
    const QString written = protectedValue(value);
    int sectionLine = findSection(section);
    if (sectionLine < 0) {
        sectionLine = int(m_lines.size());
        insertLine(sectionLine, QLatin1Char('[') + section + QLatin1Char(']'));
    }
    const int keyLine = findKey(sectionLine, key);
    if (keyLine >= 0) {
        Line& line = m_lines[keyLine];
        line.text = line.text.left(line.text.indexOf(QLatin1Char('='))).trimmed() + QLatin1Char('=') + written;
        if (line.ending.isEmpty())
            line.ending = m_newLineEnding;
        return;
    }
    int lastFilled = sectionLine;
    const int end = sectionEnd(sectionLine);
    for (int i = sectionLine + 1; i < end; ++i) {
        if (!m_lines[i].text.trimmed().isEmpty())
            lastFilled = i;
    }
    insertLine(lastFilled + 1, key + QLatin1Char('=') + written);
}

QByteArray IniDocument::bytes() const
{
    QString text;
    for (const Line& line : m_lines)
        text += line.text + line.ending;
    switch (m_encoding) {
    case Encoding::SystemCodePage:
        if (std::optional<QByteArray> encoded = platform::encodeSystemCodePage(text))
            return *encoded;
        // The code page lacks a character (Ł in Windows-1252): written in it, the character would
        // become a look-alike or "?", and a folder so saved would name another folder.
        return kUtf8Mark + text.toUtf8();
    case Encoding::Utf8WithoutMark:
        return text.toUtf8();
    case Encoding::Utf8:
        return kUtf8Mark + text.toUtf8();
    case Encoding::Utf16LittleEndian:
        return kUtf16LittleEndianMark + QStringEncoder(QStringConverter::Utf16LE).encode(text);
    case Encoding::Utf16BigEndian:
        return kUtf16BigEndianMark + QStringEncoder(QStringConverter::Utf16BE).encode(text);
    }
    return {};
}

} // namespace settings

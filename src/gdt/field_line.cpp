#include "gdt/field_line.h"

#include "gdt/code_page_437.h"
#include "gdt/field_text.h"

#include <QStringList>

#include <algorithm>

namespace gdt {

int writtenLength(const QString& text)
{
    // Every Unicode character is one byte: a surrogate pair counts once, and a surrogate without
    // its partner once too (it is written as "?").
    qsizetype pairs = 0;
    for (qsizetype i = 1; i < text.size(); ++i)
        pairs += text[i - 1].isHighSurrogate() && text[i].isLowSurrogate() ? 1 : 0;
    return int(text.size() - pairs);
}

QString whyNotCarriable(const QString& content)
{
    // A device reads a line up to its CR LF; other control characters it may take as commands.
    for (const QChar c : content) {
        if (c == u'\r' || c == u'\n')
            return QStringLiteral("contains a line break");
        if (c == u'\t')
            return QStringLiteral("contains a tab");
        if (c.category() == QChar::Other_Control)
            return QStringLiteral("contains a control character: %1").arg(describeCharacter(c.unicode()));
    }
    if (writtenLength(content) > kMaxContentLength)
        return QStringLiteral("is longer than %1 characters").arg(kMaxContentLength);
    // The device would read a "?" where the name had a letter. Named by code as well, since many
    // cannot be seen in a message box; a long foreign name by its first few.
    if (const QList<char32_t> missing = gdt::missingFromCodePage437(content); !missing.isEmpty()) {
        constexpr qsizetype kNamed = 10;
        QStringList named;
        for (const char32_t codePoint : missing.first(std::min(missing.size(), kNamed)))
            named.append(describeCharacter(codePoint));
        if (missing.size() > kNamed)
            named.append(QStringLiteral("and %1 more").arg(missing.size() - kNamed));
        return QStringLiteral("contains characters the request's character set (code page 437) cannot hold: %1")
            .arg(named.join(QStringLiteral(", ")));
    }
    return {};
}

errors::RuntimeError uncarriableField(const QString& fieldLabel, const QString& fieldId, const QString& why)
{
    return errors::invalidProcedureCall(
        QStringLiteral("The %1 (GDT field %2) %3; the request was not written").arg(fieldLabel, fieldId, why));
}

QString CreateGDTLine(const QString& fieldId, const QString& content)
{
    if (content.isEmpty())
        return {};
    const int length = writtenLength(content) + 9;
    const char16_t digits[3] = {char16_t(u'0' + length / 100), char16_t(u'0' + length / 10 % 10),
                                char16_t(u'0' + length % 10)};
    QString line;
    line.reserve(length + 1);
    line.append(QStringView(digits, 3)).append(fieldId).append(content).append(QStringLiteral("\r\n"));
    return line;
}

} // namespace gdt

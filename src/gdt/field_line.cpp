#include "gdt/field_line.h"

#include "errors/error_handler.h"

#include <algorithm>

namespace gdt {

int writtenLength(const QString& text)
{
    // Every Unicode character is one byte, so a surrogate pair counts once.
    return int(text.size() - std::count_if(text.begin(), text.end(), [](QChar c) { return c.isLowSurrogate(); }));
}

QString whyNotCarriable(const QString& content)
{
    qsizetype length = content.size();
    for (const QChar c : content) {
        if (c == u'\r' || c == u'\n')
            return QStringLiteral("contains a line break");
        length -= c.isLowSurrogate() ? 1 : 0;
    }
    if (length > kMaxContentLength)
        return QStringLiteral("is longer than %1 characters").arg(kMaxContentLength);
    return {};
}

errors::RuntimeError uncarriableField(const QString& fieldLabel, const QString& fieldId, const QString& why)
{
    return errors::RuntimeError(
        errors::kInvalidProcedureCall,
        QStringLiteral("The %1 (GDT field %2) %3; the request was not written").arg(fieldLabel, fieldId, why));
}

QString CreateGDTLine(const QString& fieldId, const QString& content)
{
    QString line;
    errors::trap(QStringLiteral("CreateGDTLine"), [&] {
        if (content.isEmpty())
            return;
        if (const QString why = whyNotCarriable(content); !why.isEmpty())
            throw uncarriableField(QStringLiteral("content"), fieldId, why);
        const int length = writtenLength(content) + 9;
        const char16_t digits[3] = {char16_t(u'0' + length / 100), char16_t(u'0' + length / 10 % 10),
                                    char16_t(u'0' + length % 10)};
        line.reserve(length + 1);
        line.append(QStringView(digits, 3)).append(fieldId).append(content).append(QStringLiteral("\r\n"));
    });
    return line;
}

} // namespace gdt

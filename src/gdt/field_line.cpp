#include "gdt/field_line.h"

#include "errors/error_handler.h"

#include <QList>

namespace gdt {

int writtenLength(const QString& text)
{
    return int(text.toUcs4().size());
}

void checkCarriable(const QString& fieldLabel, const QString& fieldId, const QString& content)
{
    const auto refuse = [&](const QString& why) {
        throw errors::RuntimeError(errors::kInvalidProcedureCall,
                                   QStringLiteral("The %1 (GDT field %2) %3; the request was not written")
                                       .arg(fieldLabel, fieldId, why));
    };
    if (writtenLength(content) > kMaxContentLength)
        refuse(QStringLiteral("is longer than %1 characters").arg(kMaxContentLength));
    if (content.contains(QLatin1Char('\r')) || content.contains(QLatin1Char('\n')))
        refuse(QStringLiteral("contains a line break"));
}

QString CreateGDTLine(const QString& fieldId, const QString& content)
{
    QString line;
    errors::trap(QStringLiteral("CreateGDTLine"), [&] {
        if (content.isEmpty())
            return;
        checkCarriable(QStringLiteral("content"), fieldId, content);
        const int length = writtenLength(content) + 9;
        line = QStringLiteral("%1").arg(length, 3, 10, QLatin1Char('0')) + fieldId + content + QStringLiteral("\r\n");
    });
    return line;
}

} // namespace gdt

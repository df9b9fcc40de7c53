#include "platform/codepage_system.h"

#include <QStringDecoder>

#include <langinfo.h>

namespace platform::native {
namespace {

// The charset of the user's locale (LC_CTYPE).
bool systemCodePageIsLatin1()
{
    const QByteArray codeset = QByteArray(nl_langinfo(CODESET)).toUpper();
    return codeset == "ISO-8859-1" || codeset == "ISO8859-1" || codeset == "LATIN1";
}

} // namespace

QByteArray toCodePage(const QString& text)
{
    if (systemCodePageIsLatin1())
        return text.toLatin1();
    return text.toUtf8();
}

QString fromCodePage(const QByteArray& bytes)
{
    if (systemCodePageIsLatin1())
        return QString::fromLatin1(bytes);
    return QString::fromUtf8(bytes);
}

std::optional<QString> decodeCodePage(const QByteArray& bytes)
{
    if (systemCodePageIsLatin1())
        return QString::fromLatin1(bytes); // every byte is a character
    QStringDecoder decoder(QStringConverter::Utf8,
                           QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

} // namespace platform::native

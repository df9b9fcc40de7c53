#include "platform/codepage.h"

#include "platform/codepage_system.h"

namespace platform {
namespace {

bool& latin1Forced()
{
    static bool forced = false;
    return forced;
}

} // namespace

QByteArray toSystemCodePage(const QString& text)
{
    return latin1Forced() ? text.toLatin1() : native::toCodePage(text);
}

QString fromSystemCodePage(const QByteArray& bytes)
{
    return latin1Forced() ? QString::fromLatin1(bytes) : native::fromCodePage(bytes);
}

std::optional<QString> decodeSystemCodePage(const QByteArray& bytes)
{
    return latin1Forced() ? QString::fromLatin1(bytes) : native::decodeCodePage(bytes);
}

std::optional<QByteArray> encodeSystemCodePage(const QString& text)
{
    // A lost character does not come back: Windows writes Ł as L, a missing one as "?".
    QByteArray bytes = toSystemCodePage(text);
    if (decodeSystemCodePage(bytes) != text)
        return std::nullopt;
    return bytes;
}

ScopedLatin1SystemCodePage::ScopedLatin1SystemCodePage() : ScopedOverride(latin1Forced(), true) {}

} // namespace platform

#include "platform/codepage_system.h"

#include <windows.h>

// The ANSI code page of the system (GetACP: 1252 on Western European Windows). A character the
// code page lacks becomes a look-alike (Ł -> L) or the code page's default character ("?"), as the
// profile functions and the classic file functions of Windows write it.

namespace platform::native {

QByteArray toCodePage(const QString& text)
{
    if (text.isEmpty())
        return {};
    const auto wide = reinterpret_cast<const wchar_t*>(text.utf16());
    const int size = ::WideCharToMultiByte(CP_ACP, 0, wide, int(text.size()), nullptr, 0, nullptr, nullptr);
    QByteArray bytes(size, Qt::Uninitialized);
    ::WideCharToMultiByte(CP_ACP, 0, wide, int(text.size()), bytes.data(), size, nullptr, nullptr);
    return bytes;
}

QString fromCodePage(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return {};
    const int size = ::MultiByteToWideChar(CP_ACP, 0, bytes.constData(), int(bytes.size()), nullptr, 0);
    QString text(size, Qt::Uninitialized);
    ::MultiByteToWideChar(CP_ACP, 0, bytes.constData(), int(bytes.size()), reinterpret_cast<wchar_t*>(text.data()),
                          size);
    return text;
}

std::optional<QString> decodeCodePage(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return QString();
    const int size =
        ::MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, bytes.constData(), int(bytes.size()), nullptr, 0);
    if (size == 0)
        return std::nullopt;
    QString text(size, Qt::Uninitialized);
    ::MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, bytes.constData(), int(bytes.size()),
                          reinterpret_cast<wchar_t*>(text.data()), size);
    return text;
}

} // namespace platform::native

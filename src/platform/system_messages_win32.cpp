#include "platform/system_messages.h"

#include <windows.h>

namespace platform {

// Windows has nothing to switch: its C runtime's texts are English already, and Lumvik takes the
// texts of system error codes from systemMessage(), which asks for English itself. The thread's
// interface language stays the user's, so the native file dialogs keep speaking it.
void useEnglishSystemMessages() {}

// A Windows without English message resources (a German-only installation) has no English text:
// the number then stands alone rather than a German text inside an English description.
QString systemMessage(long code)
{
    wchar_t* buffer = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        DWORD(code), MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    QString text = length > 0 ? QString::fromWCharArray(buffer, int(length)).trimmed() : QString();
    ::LocalFree(buffer);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text.isEmpty() ? QStringLiteral("system error %1").arg(code) : text;
}

} // namespace platform

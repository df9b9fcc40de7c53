#include "platform/system_messages.h"

#include <QRegularExpression>

#include <windows.h>

namespace platform {

// Windows has nothing to switch: its C runtime's texts are English already, and Lumvik takes the
// texts of system error codes from systemMessage(), which asks for English itself. The thread's
// interface language stays the user's, so the native file dialogs keep speaking it.
void useEnglishSystemMessages() {}

QString systemQtTranslationsFolder()
{
    return {};
}

namespace {

// FORMAT_MESSAGE_IGNORE_INSERTS leaves a text's inserts as they stand ("%1", "%2!s!"): without it
// Windows would read arguments that were never passed. They are filled here instead, each with
// subject, which is taken as it stands (a path's "\1" is no back reference).
QString filled(const QString& text, const QString& subject)
{
    static const QRegularExpression insert(QStringLiteral("%[1-9][0-9]?(![^!]*!)?"));
    QString result;
    qsizetype from = 0;
    for (auto inserts = insert.globalMatch(text); inserts.hasNext();) {
        const QRegularExpressionMatch match = inserts.next();
        result += QStringView(text).sliced(from, match.capturedStart() - from);
        result += subject;
        from = match.capturedEnd();
    }
    result += QStringView(text).sliced(from);
    return result;
}

} // namespace

// A Windows without English message resources (a German-only installation) has no English text:
// the number then stands alone rather than a German text inside an English description.
QString systemMessage(long code, const QString& subject)
{
    wchar_t* buffer = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        DWORD(code), MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    QString text = length > 0 ? QString::fromWCharArray(buffer, int(length)).trimmed() : QString();
    ::LocalFree(buffer);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    if (text.isEmpty())
        return QStringLiteral("system error %1").arg(code);
    return filled(text, subject.isEmpty() ? QStringLiteral("it") : subject);
}

} // namespace platform

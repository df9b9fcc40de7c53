#include "gdt/field_text.h"

#include <algorithm>
#include <utility>

namespace gdt {
namespace {

// What word processors make of ' " and - as they are typed (and a German keyboard's ´ for an
// apostrophe), and the plain character a device expects.
constexpr std::pair<char16_t, char16_t> kPlainForms[] = {
    {u'\u00B4', u'\''}, {u'\u02BC', u'\''}, {u'\u2018', u'\''}, {u'\u2019', u'\''},
    {u'\u201A', u'\''}, {u'\u201B', u'\''}, {u'\u201C', u'"'},  {u'\u201D', u'"'},
    {u'\u201E', u'"'},  {u'\u201F', u'"'},  {u'\u2010', u'-'},  {u'\u2011', u'-'},
    {u'\u2012', u'-'},  {u'\u2013', u'-'},  {u'\u2014', u'-'},  {u'\u2212', u'-'},
};

// Names of the characters that are refused and likely to be met: control characters, invisible
// ones that are no formatting characters, and signs code page 437 lacks. Sorted by code.
constexpr std::pair<char32_t, const char*> kNames[] = {
    {0x0000, "NULL"},
    {0x0008, "BACKSPACE"},
    {0x000B, "LINE TABULATION"},
    {0x000C, "FORM FEED"},
    {0x001B, "ESCAPE"},
    {0x007F, "DELETE"},
    {0x0085, "NEXT LINE"},
    {0x00A9, "COPYRIGHT SIGN"},
    {0x00AE, "REGISTERED SIGN"},
    {0x0301, "COMBINING ACUTE ACCENT"},
    {0x0308, "COMBINING DIAERESIS"},
    {0x030C, "COMBINING CARON"},
    {0x0327, "COMBINING CEDILLA"},
    {0x034F, "COMBINING GRAPHEME JOINER"},
    {0x2022, "BULLET"},
    {0x2026, "HORIZONTAL ELLIPSIS"},
    {0x2028, "LINE SEPARATOR"},
    {0x2029, "PARAGRAPH SEPARATOR"},
    {0x20AC, "EURO SIGN"},
    {0x2122, "TRADE MARK SIGN"},
    {0xFE0F, "VARIATION SELECTOR-16"},
    {0xFFFC, "OBJECT REPLACEMENT CHARACTER"},
    {0xFFFD, "REPLACEMENT CHARACTER"},
};

bool canBeSeen(char32_t codePoint)
{
    switch (QChar::category(codePoint)) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
    case QChar::Separator_Space:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Other_PrivateUse:
    case QChar::Other_NotAssigned:
        return false;
    default:
        return true;
    }
}

} // namespace

QString cleanFieldText(const QString& text)
{
    QString cleaned;
    cleaned.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const char32_t codePoint = pair ? QChar::surrogateToUcs4(text[i], text[i + 1]) : text[i].unicode();
        const qsizetype units = pair ? 2 : 1;
        const QChar::Category category = QChar::category(codePoint);
        const auto plain = std::find_if(std::begin(kPlainForms), std::end(kPlainForms),
                                        [&](const auto& form) { return form.first == codePoint; });
        if (category == QChar::Separator_Space)
            cleaned.append(u' ');
        else if (plain != std::end(kPlainForms))
            cleaned.append(QChar(plain->second));
        else if (category != QChar::Other_Format)
            cleaned.append(QStringView(text).sliced(i, units));
        i += units;
    }
    return cleaned.trimmed();
}

QString describeCharacter(char32_t codePoint)
{
    QString described = QStringLiteral("U+%1").arg(uint(codePoint), 4, 16, QLatin1Char('0')).toUpper();
    const auto named = std::lower_bound(std::begin(kNames), std::end(kNames), codePoint,
                                        [](const auto& entry, char32_t code) { return entry.first < code; });
    if (named != std::end(kNames) && named->first == codePoint)
        described += QLatin1Char(' ') + QLatin1String(named->second);
    if (canBeSeen(codePoint))
        described += QStringLiteral(" (%1)").arg(QString::fromUcs4(&codePoint, 1));
    return described;
}

} // namespace gdt

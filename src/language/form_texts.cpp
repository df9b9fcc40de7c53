#include "language/form_texts.h"

namespace language {

const QList<ControlText>& mainWindowTexts()
{
    static const QList<ControlText> texts = {
        {QStringLiteral("mnuFile"), QStringLiteral("mnuFile")},
        {QStringLiteral("mnuClose"), QStringLiteral("mnuClose")},
        {QStringLiteral("mnuView"), QStringLiteral("mnuView")},
        {QStringLiteral("mnuSettings"), QStringLiteral("mnuSettings")},
        {QStringLiteral("fraData"), QStringLiteral("fraData")},
        {QStringLiteral("lblID"), QStringLiteral("LblID")},
        {QStringLiteral("lblName"), QStringLiteral("lblName")},
        {QStringLiteral("lblSurname"), QStringLiteral("lblSurname")},
        {QStringLiteral("lblBirthday"), QStringLiteral("lblBirthday")},
        {QStringLiteral("lblGender"), QStringLiteral("lblGender")},
        {QStringLiteral("lblDate"), QStringLiteral("lblDate")},
        {QStringLiteral("lblTime"), QStringLiteral("lblTime")},
        {QStringLiteral("lblSchedPhysician"), QStringLiteral("lblSchedPhysician")},
        {QStringLiteral("cmdClear"), QStringLiteral("cmdClear")},
        {QStringLiteral("cmdCreateGDT"), QStringLiteral("cmdCreate")},
        {QStringLiteral("lblModality"), QStringLiteral("lblModality")},
        {QStringLiteral("txtContentAccessibleName"), QStringLiteral("txtContent"), "accessibleName"},
    };
    return texts;
}

const QList<ControlText>& settingsWindowTexts()
{
    static const QList<ControlText> texts = {
        {QStringLiteral("fraOption"), QStringLiteral("fraOptionen")},
        {QStringLiteral("lblPath"), QStringLiteral("lblPath")},
        {QStringLiteral("chkRunOrvane"), QStringLiteral("chkRunOrvane")},
        {QStringLiteral("lblOrvanePath"), QStringLiteral("lblOrvanePath")},
        {QStringLiteral("mnuSettings"), QStringLiteral("frmSettings")},
        {QStringLiteral("lblLanguage"), QStringLiteral("lblLanguage")},
        {QStringLiteral("chkImport"), QStringLiteral("chkImport")},
        {QStringLiteral("cmdSave"), QStringLiteral("cmdSave")},
        {QStringLiteral("cmdCancel"), QStringLiteral("cmdCancel")},
        {QStringLiteral("chkModality"), QStringLiteral("chkModality")},
        {QStringLiteral("cmdPathAccessibleName"), QStringLiteral("cmdPath"), "accessibleName"},
        {QStringLiteral("cmdOrvanePathAccessibleName"), QStringLiteral("cmdOrvanePath"), "accessibleName"},
    };
    return texts;
}

} // namespace language

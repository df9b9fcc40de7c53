#include "language/form_texts.h"

#include "fields/request_fields.h"
#include "settings/settings_file.h"

#include <variant>

namespace language {

const QList<ControlText>& mainWindowTexts()
{
    static const QList<ControlText> texts = [] {
        QList<ControlText> list = {
            {QStringLiteral("mnuFile"), QStringLiteral("mnuFile")},
            {QStringLiteral("mnuClose"), QStringLiteral("mnuClose")},
            {QStringLiteral("mnuView"), QStringLiteral("mnuView")},
            {QStringLiteral("mnuSettings"), QStringLiteral("mnuSettings")},
            {QStringLiteral("fraData"), QStringLiteral("fraData")},
        };
        for (const fields::RequestField& field : fields::requestFields())
            list.append({field.labelKey, QLatin1String(field.label)});
        list += {
            {QStringLiteral("cmdClear"), QStringLiteral("cmdClear")},
            {QStringLiteral("cmdCreateGDT"), QStringLiteral("cmdCreate")},
            {QStringLiteral("txtContentAccessibleName"), QStringLiteral("txtContent"), "accessibleName"},
            {QStringLiteral("stbPickupAccessibleName"), QStringLiteral("stbPickup"), "accessibleName"},
            {QStringLiteral("PickupRequest"), QStringLiteral("stbPickup"), "requestText"},
            {QStringLiteral("PickupWaiting"), QStringLiteral("stbPickup"), "waitingText"},
            {QStringLiteral("PickupWaitingMany"), QStringLiteral("stbPickup"), "waitingManyText"},
            {QStringLiteral("PickupTaken"), QStringLiteral("stbPickup"), "takenText"},
            {QStringLiteral("PickupOverdue"), QStringLiteral("stbPickup"), "overdueText"},
            {QStringLiteral("PickupOverdueMany"), QStringLiteral("stbPickup"), "overdueManyText"},
            {QStringLiteral("PickupUnseen"), QStringLiteral("stbPickup"), "unseenText"},
            {QStringLiteral("PickupUnseenMany"), QStringLiteral("stbPickup"), "unseenManyText"},
        };
        return list;
    }();
    return texts;
}

const QList<ControlText>& settingsWindowTexts()
{
    static const QList<ControlText> texts = [] {
        QList<ControlText> list = {
            {QStringLiteral("fraOption"), QStringLiteral("fraOptionen")},
            {QStringLiteral("lblPath"), QStringLiteral("lblPath")},
            {QStringLiteral("chkRunOrvane"), QStringLiteral("chkRunOrvane")},
            {QStringLiteral("lblOrvanePath"), QStringLiteral("lblOrvanePath")},
            {QStringLiteral("mnuSettings"), QStringLiteral("frmSettings")},
            {QStringLiteral("lblLanguage"), QStringLiteral("lblLanguage")},
            {QStringLiteral("cmdSave"), QStringLiteral("cmdSave")},
            {QStringLiteral("cmdCancel"), QStringLiteral("cmdCancel")},
            {QStringLiteral("cmdPathAccessibleName"), QStringLiteral("cmdPath"), "accessibleName"},
            {QStringLiteral("cmdOrvanePathAccessibleName"), QStringLiteral("cmdOrvanePath"), "accessibleName"},
        };
        for (const settings::SettingKey& setting : settings::settingKeys()) {
            if (!setting.control)
                continue;
            const QString name = QLatin1String(setting.control->name);
            if (std::holds_alternative<settings::SwitchMember>(setting.member))
                list.append({name, name});
            else
                list.append({name + QStringLiteral("Off"), name, "specialValueText"});
            if (const auto& label = setting.control->label)
                list.append({QLatin1String(label->name), QLatin1String(label->name)});
        }
        return list;
    }();
    return texts;
}

} // namespace language

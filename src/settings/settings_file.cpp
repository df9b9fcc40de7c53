#include "settings/settings_file.h"

#include "errors/error_handler.h"
#include "global/mod_global.h"
#include "platform/program_folder.h"
#include "settings/profile_strings.h"

#include <QLocale>

#include <cmath>
#include <optional>

namespace modINI {

QString ReadIniString(const QString& section, const QString& key, const QString& defaultValue,
                      const settings::IniDocument& file, qint16 size)
{
    // A cut target folder would name another folder: grow the buffer until the value no longer fills it.
    for (qsizetype capacity = qMax<qsizetype>(size, 2);; capacity *= 2) {
        QString buffer(capacity, QLatin1Char(' '));
        const qsizetype count = settings::GetPrivateProfileString(section, key, defaultValue, buffer, capacity, file);
        if (count < capacity - 1)
            return buffer.left(count);
    }
}

} // namespace modINI

namespace {

const QString kSection = QStringLiteral("Lumvik");
constexpr qint16 kBufferSize = 256; // the first try; ReadIniString grows it for longer values

QString switchText(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

// A number as a classic BASIC conversion reads one: the regional decimal and group separators
// (or the C ones, which hand-written files often use) and an exponent. Words such as nan or inf
// are no numbers.
std::optional<double> basicNumber(const QString& text)
{
    bool ok = false;
    double number = QLocale().toDouble(text, &ok);
    if (!ok)
        number = QLocale::c().toDouble(text, &ok);
    if (!ok || !std::isfinite(number))
        return std::nullopt;
    return number;
}

} // namespace

namespace settings {

QString settingsFilePath()
{
    return platform::programFolder() + QStringLiteral("/Settings.ini");
}

bool toSwitch(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (const auto number = basicNumber(trimmed))
        return *number != 0;
    if (trimmed.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (trimmed.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0)
        return false;
    throw errors::typeMismatch();
}

int toMinutes(const QString& text)
{
    bool whole = false;
    const qlonglong minutes = text.trimmed().toLongLong(&whole);
    if (!whole)
        throw errors::typeMismatch();
    if (minutes < 0 || minutes > kMaxPickupMinutes)
        throw errors::overflow();
    return int(minutes);
}

const QList<SettingKey>& settingKeys()
{
    using modGlobal::ConfigRecord;
    static const QList<SettingKey> keys = {
        {QStringLiteral("Path"), &ConfigRecord::Path, QString(), std::nullopt},
        {QStringLiteral("OrvanePath"), &ConfigRecord::OrvanePath, QString(), std::nullopt},
        {QStringLiteral("RunOrvane"), &ConfigRecord::RunOrvane, QStringLiteral("0"), std::nullopt},
        {QStringLiteral("TxtImport"), &ConfigRecord::TxtImport, QStringLiteral("0"),
         SettingControl{"chkImport",
                        {120, 1680, 2535, 375},
                        9,
                        QStringLiteral("Textdatei importieren"),
                        "chkImport_Click",
                        std::nullopt}},
        {QStringLiteral("Language"), &ConfigRecord::Language, QStringLiteral("English"), std::nullopt},
        {QStringLiteral("Modality"), &ConfigRecord::Modality, QStringLiteral("0"),
         SettingControl{"chkModality",
                        {2760, 1680, 3015, 375},
                        13,
                        QStringLiteral("Modalität hinzufügen"),
                        nullptr,
                        std::nullopt}},
        {QStringLiteral("PickupMinutes"), &ConfigRecord::PickupMinutes, QStringLiteral("3"),
         SettingControl{
             "txtPickupMinutes",
             {5400, 2400, 855, 360},
             14,
             QStringLiteral("aus"),
             nullptr,
             SettingLabel{"lblPickupMinutes", QStringLiteral("Abholfrist (Minuten):"), {2880, 2400, 2415, 255}}}},
    };
    return keys;
}

} // namespace settings

namespace modGlobal {

namespace {

using settings::MinutesMember;
using settings::SettingKey;
using settings::SwitchMember;
using settings::TextMember;

void load(const SettingKey& setting, const settings::IniDocument& file)
{
    const QString value = modINI::ReadIniString(kSection, setting.key, setting.defaultValue, file, kBufferSize);
    if (std::holds_alternative<TextMember>(setting.member))
        Config.*std::get<TextMember>(setting.member) = value;
    else if (std::holds_alternative<MinutesMember>(setting.member))
        Config.*std::get<MinutesMember>(setting.member) = settings::toMinutes(value);
    else
        Config.*std::get<SwitchMember>(setting.member) = settings::toSwitch(value);
}

QString savedValue(const SettingKey& setting)
{
    if (std::holds_alternative<TextMember>(setting.member))
        return Config.*std::get<TextMember>(setting.member);
    if (std::holds_alternative<MinutesMember>(setting.member))
        return QString::number(Config.*std::get<MinutesMember>(setting.member));
    return switchText(Config.*std::get<SwitchMember>(setting.member));
}

} // namespace

std::optional<errors::RuntimeError> LoadConfig()
{
    std::optional<errors::RuntimeError> unreadable;
    errors::trap(QStringLiteral("LoadConfig"), [&] {
        const settings::IniDocument file = [&] {
            try {
                return settings::readProfileFile(settings::settingsFilePath());
            } catch (const errors::RuntimeError& error) {
                unreadable = error;
                throw;
            }
        }();
        for (const SettingKey& setting : settings::settingKeys())
            load(setting, file);
    });
    return unreadable;
}

bool SaveConfig()
{
    return errors::trap(QStringLiteral("SaveConfig"), [] {
        const QString path = settings::settingsFilePath();
        // A file that is no INI text throws here, before anything is written over it.
        settings::IniDocument file = settings::readProfileFile(path);
        // A refused value still lets the keys before it be saved, as if each key were written on
        // its own; a failing write of those is then the error reported, as it would come first.
        std::optional<errors::RuntimeError> refused;
        qsizetype stored = 0;
        for (const SettingKey& setting : settings::settingKeys()) {
            try {
                settings::WritePrivateProfileString(kSection, setting.key, savedValue(setting), file);
            } catch (const errors::RuntimeError& error) {
                refused = error;
                break;
            }
            ++stored;
        }
        if (stored > 0)
            settings::writeProfileFile(path, file);
        if (refused)
            throw *refused;
    });
}

} // namespace modGlobal

#include "settings/settings_file.h"

#include "errors/error_handler.h"
#include "global/mod_global.h"
#include "platform/program_folder.h"
#include "settings/profile_strings.h"

#include <QList>
#include <QLocale>

#include <cmath>
#include <optional>
#include <variant>

namespace modINI {

QString ReadIniString(const QString& section, const QString& key, const QString& defaultValue, const QString& fileName,
                      qint16 size)
{
    // A cut target folder would name another folder: grow the buffer until the value no longer fills it.
    for (qsizetype capacity = qMax<qsizetype>(size, 2);; capacity *= 2) {
        QString buffer(capacity, QLatin1Char(' '));
        const qsizetype count =
            platform::GetPrivateProfileString(section, key, defaultValue, buffer, capacity, fileName);
        if (count < capacity - 1)
            return buffer.left(count);
    }
}

} // namespace modINI

namespace {

const QString kSection = QStringLiteral("Lumvik");
constexpr qint16 kBufferSize = 256; // the first try; ReadIniString grows it for longer values

QString read(const QString& key, const QString& defaultValue)
{
    return modINI::ReadIniString(kSection, key, defaultValue, settings::settingsFilePath(), kBufferSize);
}

void write(const QString& key, const QString& value)
{
    platform::WritePrivateProfileString(kSection, key, value, settings::settingsFilePath());
}

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

} // namespace settings

namespace modGlobal {

namespace {

using TextMember = QString ConfigRecord::*;
using SwitchMember = bool ConfigRecord::*; // written "1" or "0"
using MinutesMember = int ConfigRecord::*;

// A key of section [Lumvik] and the Config member it fills.
struct SettingKey
{
    QString key;
    std::variant<TextMember, SwitchMember, MinutesMember> member;
    QString defaultValue;
};

// In the order LoadConfig reads and SaveConfig writes them.
const QList<SettingKey>& settingKeys()
{
    static const QList<SettingKey> keys = {
        {QStringLiteral("Path"), &ConfigRecord::Path, QString()},
        {QStringLiteral("OrvanePath"), &ConfigRecord::OrvanePath, QString()},
        {QStringLiteral("RunOrvane"), &ConfigRecord::RunOrvane, QStringLiteral("0")},
        {QStringLiteral("TxtImport"), &ConfigRecord::TxtImport, QStringLiteral("0")},
        {QStringLiteral("Language"), &ConfigRecord::Language, QStringLiteral("English")},
        {QStringLiteral("Modality"), &ConfigRecord::Modality, QStringLiteral("0")},
        {QStringLiteral("PickupMinutes"), &ConfigRecord::PickupMinutes, QStringLiteral("3")},
    };
    return keys;
}

void load(const SettingKey& setting)
{
    const QString value = read(setting.key, setting.defaultValue);
    if (std::holds_alternative<TextMember>(setting.member))
        Config.*std::get<TextMember>(setting.member) = value;
    else if (std::holds_alternative<MinutesMember>(setting.member))
        Config.*std::get<MinutesMember>(setting.member) = settings::toMinutes(value);
    else
        Config.*std::get<SwitchMember>(setting.member) = settings::toSwitch(value);
}

void save(const SettingKey& setting)
{
    if (std::holds_alternative<TextMember>(setting.member))
        write(setting.key, Config.*std::get<TextMember>(setting.member));
    else if (std::holds_alternative<MinutesMember>(setting.member))
        write(setting.key, QString::number(Config.*std::get<MinutesMember>(setting.member)));
    else
        write(setting.key, switchText(Config.*std::get<SwitchMember>(setting.member)));
}

} // namespace

std::optional<errors::RuntimeError> LoadConfig()
{
    std::optional<errors::RuntimeError> unreadable;
    errors::trap(QStringLiteral("LoadConfig"), [&] {
        // The first read is the one that finds a file that cannot be read at all.
        try {
            load(settingKeys().first());
        } catch (const errors::RuntimeError& error) {
            unreadable = error;
            throw;
        }
        for (const SettingKey& setting : settingKeys().sliced(1))
            load(setting);
    });
    return unreadable;
}

bool SaveConfig()
{
    return errors::trap(QStringLiteral("SaveConfig"), [] {
        for (const SettingKey& setting : settingKeys())
            save(setting);
    });
}

} // namespace modGlobal

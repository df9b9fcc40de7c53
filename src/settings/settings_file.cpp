#include "settings/settings_file.h"

#include "errors/error_handler.h"
#include "platform/profile_strings.h"
#include "platform/program_folder.h"
#include "settings/config.h"
#include "settings/mod_ini.h"

#include <QLocale>

#include <cmath>
#include <optional>

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

} // namespace settings

namespace modGlobal {

std::optional<errors::RuntimeError> LoadConfig()
{
    std::optional<errors::RuntimeError> unreadable;
    errors::trap(QStringLiteral("LoadConfig"), [&] {
        // The first read is the one that finds a file that cannot be read at all.
        try {
            Config.Path = read(QStringLiteral("Path"), QString());
        } catch (const errors::RuntimeError& error) {
            unreadable = error;
            throw;
        }
        Config.OrvanePath = read(QStringLiteral("OrvanePath"), QString());
        Config.RunOrvane = settings::toSwitch(read(QStringLiteral("RunOrvane"), QStringLiteral("0")));
        Config.TxtImport = settings::toSwitch(read(QStringLiteral("TxtImport"), QStringLiteral("0")));
        Config.Language = read(QStringLiteral("Language"), QStringLiteral("English"));
        Config.Modality = settings::toSwitch(read(QStringLiteral("Modality"), QStringLiteral("0")));
    });
    return unreadable;
}

bool SaveConfig()
{
    return errors::trap(QStringLiteral("SaveConfig"), [] {
        write(QStringLiteral("Path"), Config.Path);
        write(QStringLiteral("OrvanePath"), Config.OrvanePath);
        write(QStringLiteral("RunOrvane"), switchText(Config.RunOrvane));
        write(QStringLiteral("TxtImport"), switchText(Config.TxtImport));
        write(QStringLiteral("Language"), Config.Language);
        write(QStringLiteral("Modality"), switchText(Config.Modality));
    });
}

} // namespace modGlobal

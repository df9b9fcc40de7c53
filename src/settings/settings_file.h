#pragma once

#include "global/mod_global.h"
#include "runtime_errors/runtime_error.h"
#include "settings/ini_document.h"

#include <QList>
#include <QRect>
#include <QString>

#include <optional>
#include <variant>

namespace modGlobal {

// Fills Config from Settings.ini, read once, in key order, every value whole. A switch that is
// neither a number nor True/False is reported under "LoadConfig" and ends the load there: the
// fields before it keep their new values, the rest keep what they held (at start-up: empty and
// off). Returns the error, already reported, when Settings.ini exists but cannot be read at all
// (no INI text, not readable): then nothing was taken from it.
std::optional<errors::RuntimeError> LoadConfig();

// Writes every key of section [Lumvik] in place, replacing Settings.ini once; a refused value is
// reported under "SaveConfig" and the keys after it are not written (those before it are). True
// when every key was written.
bool SaveConfig();

} // namespace modGlobal

// The INI helpers of the settings: reading one value over the platform's profile-string calls.
namespace modINI {

// The whole value of key in file (read by settings::readProfileFile), or defaultValue; a key with
// an empty value reads as empty. size is the first buffer size; a value that fills it is read
// again with a larger one, so none is ever cut.
QString ReadIniString(const QString& section, const QString& key, const QString& defaultValue,
                      const settings::IniDocument& file, qint16 size);

} // namespace modINI

namespace settings {

// Settings.ini beside the program.
QString settingsFilePath();

// A number (non-zero is on; "1,5" under German settings is one) or True/False in any case ->
// switch; anything else, nan and inf included, throws 13 "Type mismatch".
bool toSwitch(const QString& text);

// A whole number of minutes from 0 to kMaxPickupMinutes, blanks around it allowed; anything else
// that is no whole number throws 13 "Type mismatch", a whole number out of range 6 "Overflow".
inline constexpr int kMaxPickupMinutes = 1440;
int toMinutes(const QString& text);

using TextMember = QString modGlobal::ConfigRecord::*;
using SwitchMember = bool modGlobal::ConfigRecord::*; // written "1" or "0"
using MinutesMember = int modGlobal::ConfigRecord::*;

// The label the settings window puts before a number box.
struct SettingLabel
{
    const char* name; // objectName, also its key in the language table
    QString text;     // the designed (German) text
    QRect place;      // twips (1/1440 inch) within the options frame
};

// How the settings window shows a setting that needs no reaction beyond storing its value: a
// switch as a check box, minutes as a number box from 0 (shown as text, "off") to
// kMaxPickupMinutes with a label before it. The window takes a control's state into Config on
// every change and again on "Speichern". Language keys: the control's name for its caption, the
// name with "Off" for a number box's text for 0. (Texts have controls with reactions of their own.)
struct SettingControl
{
    const char* name;               // objectName
    QRect place;                    // twips within the options frame
    int tabIndex;                   // place in the window's keyboard order, 0 first
    QString text;                   // the designed (German) caption, or a number box's text for 0
    const char* trapName = nullptr; // the error trap of its reaction, if it has one
    std::optional<SettingLabel> label;
};

// A key of section [Lumvik], the Config member it fills and, for a setting the settings window
// shows on its own terms, its control there.
struct SettingKey
{
    QString key;
    std::variant<TextMember, SwitchMember, MinutesMember> member;
    QString defaultValue;
    std::optional<SettingControl> control;
};

// In the order LoadConfig reads and SaveConfig writes them.
const QList<SettingKey>& settingKeys();

} // namespace settings
